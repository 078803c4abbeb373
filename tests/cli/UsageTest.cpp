#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "CliRunner.h"
#include "GridlexConfig.h"

namespace gx::test {
namespace {

TEST(CliUsage, NoCommandIsBadUsage) {
  CliResult r = RunCli({});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_FALSE(r.err.empty());
  EXPECT_TRUE(r.out.empty());
}

// Asked-for help and the version go to stdout with status 0; only bad usage gives status 2.
TEST(CliUsage, HelpAndVersionAreAnswersNotErrors) {
  CliResult r = RunCli({"--help"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out.rfind("Usage: gridlex-cli COMMAND", 0), 0u) << r.out;
  EXPECT_EQ(r.err, "");

  r = RunCli({"--version"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, std::string("gridlex-cli ") + GRIDLEX_VERSION + "\n");

  r = RunCli({"build", "some.dct", "--help"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out.rfind("Usage: gridlex-cli build DICT", 0), 0u) << r.out;
  EXPECT_EQ(r.err, "");
  r = RunCli({"dict", "stats", "-h"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out.rfind("Usage: gridlex-cli dict import", 0), 0u) << r.out;

  r = RunCli({"solve", "--help"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("unknown command solve"), std::string::npos);
  r = RunCli({"show", "--verbose"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("unknown option --verbose"), std::string::npos);
}

// A usage error shows the message and the usage of its own command, not the list of them all.
TEST(CliUsage, ErrorsShowTheirCommandsUsage) {
  CliResult r = RunCli({"show"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.err,
            "gridlex-cli: missing arguments\n"
            "Usage: gridlex-cli show GX\n"
            "Try 'gridlex-cli show --help' for more information.\n");
  r = RunCli({"dict", "stats", "--lossy"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.err,
            "gridlex-cli: unknown option --lossy\n"
            "Usage: gridlex-cli dict import TEXT DCT [--lossy]\n"
            "       gridlex-cli dict export DCT\n"
            "       gridlex-cli dict stats DCT\n"
            "Try 'gridlex-cli dict --help' for more information.\n");
  r = RunCli({"solve"});
  EXPECT_EQ(r.err, "gridlex-cli: unknown command solve\nTry 'gridlex-cli --help' for the list of commands.\n");
}

// --name=value, "--" before arguments that look like options, and seeds over the whole 64 bits.
TEST(CliUsage, OptionsAsUsersOfOtherToolsWriteThem) {
  const std::string dictionary = std::string(GRIDLEX_DIST_DIR) + "/data/ru.dct";
  CliResult spaced = RunCli({"build", dictionary, "--seed", "18446744073709551615", "--board", "19"});
  EXPECT_EQ(spaced.exit_code, 0) << spaced.err;
  CliResult joined = RunCli({"build", dictionary, "--seed=18446744073709551615", "--board=19"});
  EXPECT_EQ(joined.exit_code, 0) << joined.err;
  EXPECT_EQ(joined.out, spaced.out);
  EXPECT_EQ(RunCli({"build", dictionary, "--seed=18446744073709551616"}).exit_code, 2) << "beyond 64 bits";
  CliResult r = RunCli({"show", "--force=yes"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.err.substr(0, 35), "gridlex-cli: unknown option --force");
  EXPECT_EQ(RunCli({"export", "1.gx", "--text=1"}).err.substr(0, 47), "gridlex-cli: option --text takes no value\nUsage");

  // After "--" a word that starts with "-" is a file name, --help included.
  r = RunCli({"show", "--", "--help"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "gridlex-cli: File not found: --help\n");
  EXPECT_EQ(RunCli({"show", "-v"}).exit_code, 2) << "a short option that is none";
}

// Boards above 57 cells never gave a grid: they are refused before anything is read, with the range
// that works, which the help gives too.
TEST(CliUsage, BoardsThatNeverBuildAreRefusedUpFront) {
  for (const char* board : {"59", "63"}) {
    CliResult r = RunCli({"build", "missing.dct", "--seed", "1", "--board", board});
    EXPECT_EQ(r.exit_code, 2) << board;
    EXPECT_NE(r.err.find("give an odd number from 19 to 57"), std::string::npos) << r.err;
    r = RunCli({"series", "missing.dct", "--count", "1", "--out-dir", "nowhere", "--board", board});
    EXPECT_EQ(r.exit_code, 2) << board;
  }
  EXPECT_EQ(RunCli({"build", "missing.dct", "--seed", "1", "--board", "57"}).exit_code, 1) << "57 is tried";
  EXPECT_NE(RunCli({"build", "--help"}).out.find("odd, 19 to 57"), std::string::npos);
}

// The manual page is made from --help by a tool that takes an entry's name to end at two spaces:
// every entry of the lists keeps at least two before its description.
TEST(CliUsage, HelpListsKeepTwoSpacesBeforeEachDescription) {
  const CliResult r = RunCli({"--help"});
  std::istringstream lines(r.out);
  int entries = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  ", 0) != 0 || line.rfind("  gridlex-cli", 0) == 0) continue;
    ++entries;
    EXPECT_NE(line.find("  ", 2), std::string::npos) << line;
  }
  EXPECT_EQ(entries, 11);
}

}  // namespace
}  // namespace gx::test
