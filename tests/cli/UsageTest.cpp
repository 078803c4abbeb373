#include <gtest/gtest.h>

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

}  // namespace
}  // namespace gx::test
