// End-to-end runs of gridlex-cli export, import-ipuz and series on files the tests create.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "TestFolder.h"
#include "base/SafeText.h"

namespace gx::test {
namespace {

std::string Delivered(const std::string& relative) {
  return (std::filesystem::path(GRIDLEX_DIST_DIR) / relative).string();
}

// Words over six letters, `count` of them, made with the batch tool's own import.
std::string Dictionary(const TestFolder& f, int count) {
  static const char* kLetters[] = {"а", "б", "в", "г", "д", "е"};
  std::string text;
  unsigned state = 12345;
  for (int e = 0; e < count; ++e) {
    state = state * 1103515245u + 12345u;
    const int length = 3 + static_cast<int>((state >> 16) % 7);
    for (int t = 0; t < length; ++t) {
      state = state * 1103515245u + 12345u;
      text += kLetters[(state >> 16) % 6];
    }
    text += " подсказка " + std::to_string(e) + "\n";
  }
  const std::string dct = f.Path("words" + std::to_string(count) + ".dct");
  const CliResult r = RunCli({"dict", "import", f.Write("words.txt", text), dct});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  return dct;
}

// The answers of a puzzle file, as `show` lists them.
std::vector<std::string> Answers(const std::string& gx) {
  const CliResult shown = RunCli({"show", gx});
  EXPECT_EQ(shown.exit_code, 0) << shown.err;
  std::vector<std::string> answers;
  std::istringstream lines(shown.out);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t dot = line.find(". ");
    const std::size_t dash = line.find(" — ");
    if (dot != std::string::npos && dash != std::string::npos && dot < dash) {
      answers.push_back(line.substr(dot + 2, dash - dot - 2));
    }
  }
  return answers;
}

TEST(CliInterchange, ABuiltPuzzleGoesOutAsIpuzAndComesBackTheSame) {
  TestFolder f;
  const std::string dct = Dictionary(f, 3000);
  std::vector<std::string> sources = {Delivered("data/1.gx")};
  for (const char* seed : {"1", "2", "3"}) {
    const std::string gx = f.Path(std::string("built") + seed + ".gx");
    const CliResult built = RunCli({"build", dct, "--seed", seed, "--board", "19", "--out", gx});
    ASSERT_EQ(built.exit_code, 0) << built.err;
    sources.push_back(gx);
  }
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const std::string& gx = sources[i];
    const std::string ipuz_name = "x" + std::to_string(i) + ".ipuz";
    const std::string back_name = "back" + std::to_string(i) + ".gx";
    const CliResult exported = RunCli({"export", gx, "--ipuz", f.Path(ipuz_name)});
    ASSERT_EQ(exported.exit_code, 0) << exported.err;
    EXPECT_EQ(exported.out, "");
    const std::string ipuz = f.Read(ipuz_name);
    const std::string name = gx.substr(gx.rfind('/') + 1);
    EXPECT_NE(ipuz.find("\"title\": \"" + name + "\""), std::string::npos) << "titled by the puzzle's file name";
    const CliResult imported = RunCli({"import-ipuz", f.Path(ipuz_name), f.Path(back_name)});
    ASSERT_EQ(imported.exit_code, 0) << imported.err;
    std::ifstream original(gx, std::ios::binary);
    std::stringstream bytes;
    bytes << original.rdbuf();
    EXPECT_EQ(f.Read(back_name), bytes.str()) << gx;
  }
  // The text export is what `show` prints.
  EXPECT_EQ(RunCli({"export", sources[0], "--text"}).out, RunCli({"show", sources[0]}).out);
}

TEST(CliInterchange, RefusedFilesAreNamedWithTheirPlaceAndNothingIsWritten) {
  TestFolder f;
  const std::string old_gx = f.Write("out.gx", "old bytes");
  const std::string latin = f.Write("latin.ipuz", R"({"version": "http://ipuz.org/v2",
    "kind": ["http://ipuz.org/crossword#1"], "dimensions": {"width": 3, "height": 1},
    "puzzle": [[1, 0, 0]], "solution": [["К", "O", "Т"]], "clues": {"Across": [[1, "Зверь"]]}})");
  CliResult r = RunCli({"import-ipuz", latin, old_gx, "--force"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "gridlex-cli: " + latin +
                       ": row 1, column 2: \"O\" is a Latin letter; the answers are Russian words\n");
  EXPECT_EQ(f.Read("out.gx"), "old bytes");

  r = RunCli({"import-ipuz", f.Path("missing.ipuz"), f.Path("new.gx")});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "gridlex-cli: File not found: " + f.Path("missing.ipuz") + "\n");
  EXPECT_FALSE(f.Exists("new.gx"));

  // A puzzle file whose slot has no answer cannot be exchanged: the load already refuses it.
  const std::string unfinished = f.Write("unfinished.gx", std::string("\x00\x00\x03\x00\x01", 5) + "\x56");
  r = RunCli({"export", unfinished, "--ipuz", f.Path("u.ipuz")});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "gridlex-cli: " + unfinished + ": 1 answer is shorter than the word's cells\n");
  EXPECT_FALSE(f.Exists("u.ipuz"));

  EXPECT_EQ(RunCli({"export", unfinished}).exit_code, 2);
  EXPECT_EQ(RunCli({"export", unfinished, "--text", "--ipuz", f.Path("u.ipuz")}).exit_code, 2);
  EXPECT_EQ(RunCli({"export", unfinished, "--ipuz", f.Path("u.ipuz"), "--answers"}).exit_code, 2);
  EXPECT_EQ(RunCli({"export", unfinished, "--html", f.Path("u"), "--key"}).exit_code, 2);
  EXPECT_EQ(RunCli({"export", unfinished, "--pdf", f.Path("u.pdf"), "--key", "--answers"}).exit_code, 2);
  EXPECT_EQ(RunCli({"export", unfinished, "--ipuz", f.Path("u.ipuz"), "--program-dir", "."}).exit_code, 2);
  EXPECT_EQ(RunCli({"export", unfinished, "--text", "--force"}).exit_code, 2);
  for (const char* option : {"--answers", "--key"}) {
    EXPECT_EQ(RunCli({"export", unfinished, "--html-play", f.Path("u.html"), option}).exit_code, 2) << option;
  }
  EXPECT_EQ(RunCli({"export", unfinished, "--html-play", f.Path("u.html"), "--program-dir", "."}).exit_code, 2);
  r = RunCli({"export", unfinished, "--html-play", f.Path("u.html")});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_FALSE(f.Exists("u.ipuz"));
  EXPECT_FALSE(f.Exists("u.html"));
}

// The page to solve in a browser lists every clue and is written as every output is: never over
// a file without --force, or to standard output.
TEST(CliInterchange, APageToSolveListsEveryClueAndReplacesNothingUnasked) {
  TestFolder f;
  const std::string gx = Delivered("data/1.gx");
  const std::string page = f.Path("play.html");
  CliResult r = RunCli({"export", gx, "--html-play", page});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::string html = f.Read("play.html");
  EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
  std::size_t clues = 0;
  for (std::size_t at = html.find("<li data-slot="); at != std::string::npos; at = html.find("<li data-slot=", at + 1)) {
    ++clues;
  }
  EXPECT_EQ(clues, 56u);
  EXPECT_NE(html.find("<title>Кроссворд из файла 1.gx 56 сл</title>"), std::string::npos);

  f.Write("play.html", "kept");
  r = RunCli({"export", gx, "--html-play", page});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "gridlex-cli: " + page + " is already there; give --force to replace it\n");
  EXPECT_EQ(f.Read("play.html"), "kept");
  r = RunCli({"export", gx, "--html-play", "-"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, html);
}

// Names and keys from outside reach the terminal only as safe text, and what export writes from
// such a name is JSON that import takes back.
TEST(CliInterchange, HostileNamesAndKeysAreQuotedSafely) {
  TestFolder f;
  std::ifstream delivered(Delivered("data/1.gx"), std::ios::binary);
  std::stringstream puzzle;
  puzzle << delivered.rdbuf();
  const std::string hostile = "\xFF\x1B]0;title\x07\x1B[2J\xD0";  // not UTF-8, with terminal commands
  const std::string gx = f.Write(hostile + ".gx", puzzle.str());
  CliResult r = RunCli({"export", gx, "--ipuz", f.Path("x.ipuz")});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(f.Read("x.ipuz").find("\"title\": \"\xEF\xBF\xBD\\u001b]0;title"), std::string::npos);
  r = RunCli({"import-ipuz", f.Path("x.ipuz"), f.Path(hostile + "-back.gx")});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(f.Read(hostile + "-back.gx"), puzzle.str());

  const auto safe = [](const std::string& text) {
    for (char c : text) {
      if (c != '\n' && (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)) return false;
    }
    return ValidUtf8(text) == text;
  };
  const std::string cell_key = f.Write(hostile + ".ipuz", R"({"version": "http://ipuz.org/v2",
    "kind": ["http://ipuz.org/crossword#1"], "dimensions": {"width": 3, "height": 1},
    "puzzle": [[{"cell": 1, "\u001b[2J": 0}, 0, 0]], "solution": [["К", "О", "Т"]],
    "clues": {"Across": [[1, "Зверь"]]}, "\u009b31m": 1})");
  const std::vector<std::vector<std::string>> runs = {
      {"import-ipuz", cell_key, f.Path("y.gx")},
      {"import-ipuz", f.Path(hostile + "-missing.ipuz"), f.Path("z.gx")},
      {"import-ipuz", f.Path("x.ipuz"), f.Path(hostile + "-back.gx")},
      {"show", f.Write(hostile + "-bad.gx", "\x01")},
      {"unknown\x1B[2J\xFF"},
  };
  for (const auto& args : runs) {
    r = RunCli(args);
    EXPECT_NE(r.exit_code, 0) << args[0];
    EXPECT_FALSE(r.err.empty()) << args[0];
    EXPECT_TRUE(safe(r.err)) << r.err;
    EXPECT_NE(r.err.find("\\x1B[2J"), std::string::npos) << r.err;
  }
  r = RunCli(runs[0]);
  EXPECT_NE(r.err.find("row 1, column 1: \"\\x1B[2J\" in a cell cannot be kept"), std::string::npos) << r.err;
}

// A file that is there is replaced only with --force, by every command that writes the forms of
// a puzzle: export, import-ipuz and series.
TEST(CliInterchange, AnOutputFileThatIsThereIsReplacedOnlyWithForce) {
  TestFolder f;
  const std::string source = Delivered("data/1.gx");
  const std::string ipuz = f.Write("1.ipuz", "mine");
  CliResult r = RunCli({"export", source, "--ipuz", ipuz});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "gridlex-cli: " + ipuz + " is already there; give --force to replace it\n");
  EXPECT_EQ(f.Read("1.ipuz"), "mine");
  r = RunCli({"export", source, "--ipuz", ipuz, "--force"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(f.Read("1.ipuz").find("\"title\": \"1.gx\""), std::string::npos);

  const std::string gx = f.Write("1.gx", "mine");
  r = RunCli({"import-ipuz", ipuz, gx});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "gridlex-cli: " + gx + " is already there; give --force to replace it\n");
  EXPECT_EQ(f.Read("1.gx"), "mine");
  r = RunCli({"import-ipuz", ipuz, gx, "--force"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  std::ifstream delivered(source, std::ios::binary);
  std::stringstream bytes;
  bytes << delivered.rdbuf();
  EXPECT_EQ(f.Read("1.gx"), bytes.str());
}

// Without --program-dir the batch tool draws with the folder the window works in: the user's
// folder, or the delivered folder while the window has not made that one; not the current folder.
TEST(CliInterchange, ExportDrawsWithTheFolderTheWindowUses) {
  TestFolder f;
  std::filesystem::create_directories(f.Path("data/gridlex/pic"));
  std::filesystem::create_directories(f.Path("work"));
  std::filesystem::copy_file(Delivered("gx.dat"), f.Path("data/gridlex/gx.dat"));
  std::filesystem::copy_file(Delivered("pic/b2"), f.Path("data/gridlex/pic/b2"));
  f.Write("data/gridlex/pic/b0", "<!-- the user's own page start -->");
  const std::string in_work = "cd '" + f.Path("work") + "' && XDG_DATA_HOME='";
  CliResult r = RunCli({"export", Delivered("data/1.gx"), "--html", f.Path("mine")}, "", in_work + f.Path("data") + "' ");
  if (r.err.find("built without Qt") != std::string::npos) GTEST_SKIP() << "this gridlex-cli draws nothing";
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(f.Read("mine/gxp.htm").rfind("<!-- the user's own page start -->", 0), 0u);

  r = RunCli({"export", Delivered("data/1.gx"), "--html", f.Path("delivered")}, "", in_work + f.Path("none") + "' ");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "") << "the delivered folder has its gx.dat";
  std::ifstream b0(Delivered("pic/b0"), std::ios::binary);
  std::stringstream start;
  start << b0.rdbuf();
  EXPECT_EQ(f.Read("delivered/gxp.htm").rfind(start.str().substr(0, start.str().find('\n')), 0), 0u);
}

// A failed build is named and followed by the next, as a user presses F5 again, until the series
// has its crosswords; only a dictionary that fails --tries builds in a row stops it (status 5).
TEST(CliSeries, FailedBuildsAreNamedAndBuiltAgain) {
  TestFolder f;
  const std::string dct = Dictionary(f, 150);
  CliResult r = RunCli({"series", dct, "--count", "4", "--out-dir", f.Path("out"), "--board", "19", "--seed", "3",
                        "--format", "gx,ipuz", "--dict-out", f.Path("after.dct")});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  std::vector<std::string> failures;
  std::istringstream lines(r.err);
  for (std::string line; std::getline(lines, line);) failures.push_back(line);
  ASSERT_EQ(failures.size(), 6u) << r.err;
  EXPECT_EQ(failures[0], "gridlex-cli: crossword 3, build 1 of at most 10: slots left empty: all 256 fill attempts were used");
  for (const std::string& line : failures) EXPECT_EQ(line.rfind("gridlex-cli: crossword ", 0), 0u) << line;
  // The crosswords built are numbered 1, 2, ... in the order built; the failed builds leave no file.
  EXPECT_EQ(f.Names("out"), (std::vector<std::string>{"1.gx", "1.ipuz", "2.gx", "2.ipuz", "3.gx", "3.ipuz", "4.gx",
                                                      "4.ipuz"}));
  std::map<std::string, int> seen;
  std::size_t answers = 0;
  for (const char* n : {"1", "2", "3", "4"}) {
    for (const std::string& answer : Answers(f.Path("out/" + std::string(n) + ".gx"))) {
      ++seen[answer];
      ++answers;
    }
    // The ipuz of the series is the export of its puzzle file.
    const std::string exported_name = "e" + std::string(n) + ".ipuz";
    const std::string gx = f.Path("out/" + std::string(n) + ".gx");
    const CliResult exported = RunCli({"export", gx, "--ipuz", f.Path(exported_name)});
    ASSERT_EQ(exported.exit_code, 0) << exported.err;
    EXPECT_EQ(f.Read(exported_name), f.Read("out/" + std::string(n) + ".ipuz"));
  }
  ASSERT_GT(answers, seen.size()) << "150 words cannot give four crosswords without repeats";
  EXPECT_EQ(r.out.substr(0, r.out.find("\nseed ")),
            "built 4 failed 6\nanswers " + std::to_string(answers) + " distinct " + std::to_string(seen.size()) +
                " repeated " + std::to_string(answers - seen.size()));
  EXPECT_NE(r.out.find("\nseed 3\ntime "), std::string::npos) << r.out;
  EXPECT_TRUE(f.Exists("after.dct"));

  // Twelve words fill no grid: after --tries failures in a row the series stops with the reason.
  const std::string dry = Dictionary(f, 12);
  r = RunCli({"series", dry, "--count", "3", "--out-dir", f.Path("dry"), "--board", "19", "--seed", "3", "--tries=2"});
  EXPECT_EQ(r.exit_code, 5);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "built 0 failed 2");
  const std::size_t last = r.err.rfind("gridlex-cli: ");
  EXPECT_EQ(r.err.substr(0, last).find("gridlex-cli: crossword 1, build 2 of at most 2: "), r.err.find('\n') + 1) << r.err;
  EXPECT_EQ(r.err.substr(last).rfind("gridlex-cli: the dictionary ran dry: 2 builds in a row failed for crossword 1 "
                                     "of 3, the last with slots left empty: ",
                                     0),
            0u)
      << r.err;
  EXPECT_TRUE(f.Names("dry").empty());
}

TEST(CliSeries, NeverOverwritesAFileWithoutForce) {
  TestFolder f;
  const std::string dct = Dictionary(f, 3000);
  std::filesystem::create_directories(f.Path("out"));
  f.Write("out/2.ipuz", "mine");
  const std::vector<std::string> series = {"series", dct, "--count", "2", "--out-dir", f.Path("out"), "--board",
                                           "19", "--seed", "4", "--format", "ipuz,gx"};
  CliResult r = RunCli(series);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "gridlex-cli: " + f.Path("out/2.ipuz") +
                       " is already there; give --force to replace the files of the series\n");
  EXPECT_EQ(f.Names("out"), std::vector<std::string>{"2.ipuz"}) << "nothing was built or written";
  EXPECT_EQ(f.Read("out/2.ipuz"), "mine");

  std::vector<std::string> forced = series;
  forced.push_back("--force");
  r = RunCli(forced);
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(f.Names("out"), (std::vector<std::string>{"1.gx", "1.ipuz", "2.gx", "2.ipuz"}));
  EXPECT_NE(f.Read("out/2.ipuz"), "mine");
  // Bad options are bad usage, before anything is built.
  EXPECT_EQ(RunCli({"series", dct, "--out-dir", f.Path("o2")}).exit_code, 2);
  EXPECT_EQ(RunCli({"series", dct, "--count", "2", "--out-dir", f.Path("o2"), "--format", "gx,png"}).exit_code, 2);
  EXPECT_EQ(RunCli({"series", dct, "--count", "0", "--out-dir", f.Path("o2")}).exit_code, 2);
  EXPECT_FALSE(f.Exists("o2"));
}

}  // namespace
}  // namespace gx::test
