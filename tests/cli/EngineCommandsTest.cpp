// End-to-end runs of gridlex-cli generate, fill and build on files the tests create.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "TestFolder.h"

namespace gx::test {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A dictionary file made with the batch tool's own import.
std::string Dictionary(const TestFolder& f, const std::string& name, const std::string& lines) {
  const std::string dct = f.Path(name + ".dct");
  CliResult r = RunCli({"dict", "import", f.Write(name + ".txt", lines), dct});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  return dct;
}

// Words over six Russian letters, enough for generated grids to fill.
std::string DenseWords(int count) {
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
  return text;
}

const char kRingWords[] = "котик Домашний зверь\nкот Животное\nток Электричество\nкит Морское животное\n"
                          "тик Подергивание\nок Да\n";

TEST(CliFill, FillsTheRingAndRequeuesTheUsedWords) {
  TestFolder f;
  const std::string dct = Dictionary(f, "ring", kRingWords);
  CliResult r = RunCli({"fill", f.Write("g.txt", "###\n#.#\n###\n"), dct, "--dict-out", f.Path("out.dct")});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "filled 4 of 4 attempts 0 complete\n"
            "1\t1\tA\tкот\tЖивотное\n"
            "2\t3\tA\tток\tЭлектричество\n"
            "3\t1\tD\tкит\tМорское животное\n"
            "4\t2\tD\tтик\tПодергивание\n");
  CliResult exported = RunCli({"dict", "export", f.Path("out.dct")});
  EXPECT_EQ(exported.out,
            "котик Домашний зверь\nок Да\nкот Животное\nток Электричество\nкит Морское животное\n"
            "тик Подергивание\n");
}

// A dictionary that did not fit the store is never written out shortened: the entries past
// 16,384 are not in memory.
TEST(CliFill, ADictionaryCutToTheStoreIsNotWrittenOut) {
  TestFolder f;
  std::string bytes;
  for (int e = 0; e < 16400; ++e) bytes += std::string("\x0A\x0E\x12\x3D", 4) + static_cast<char>(e % 32) + "\x56";
  const std::string dct = f.Write("big.dct", bytes + "\x56");
  CliResult r = RunCli({"fill", f.Write("g.txt", "###\n#.#\n###\n"), dct, "--dict-out", dct});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("not written"), std::string::npos) << r.err;
  std::ifstream in(dct, std::ios::binary);
  EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(in), {}) == bytes + "\x56");
}

TEST(CliFill, AnIncompleteFillStillSucceedsAndCountsItsAttempts) {
  TestFolder f;
  const std::string dct = Dictionary(f, "one", "кот Животное\nкотик Зверь\n");
  CliResult r = RunCli({"fill", f.Write("g.txt", "###\n#.#\n###\n"), dct, "--attempts", "4"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "filled 1 of 4 attempts 4 incomplete");
  EXPECT_EQ(lines[1], "1\t1\tA\tкот\tЖивотное");
  EXPECT_EQ(lines[2], "2\t3\tA\t\t");
  EXPECT_EQ(r.err, "gridlex-cli: fill: slots left empty: the grid has 4 slots of length 3 and the dictionary only 1 "
                   "different word of that length\n");
}

TEST(CliFill, RefusesGridsTheRefillRefuses) {
  TestFolder f;
  const std::string dct = Dictionary(f, "ring", kRingWords);
  CliResult few = RunCli({"fill", f.Write("few.txt", ".#.\n###\n.#.\n"), dct, "--dict-out", f.Path("x.dct")});
  EXPECT_EQ(few.exit_code, 3);
  EXPECT_NE(few.err.find("Мало ячеек"), std::string::npos) << few.err;
  EXPECT_FALSE(f.Exists("x.dct"));
  const std::string row(20, '#');
  CliResult longer = RunCli({"fill", f.Write("long.txt", row + "\n#" + std::string(18, '.') + "#\n" + row + "\n"), dct});
  EXPECT_EQ(longer.exit_code, 3);
  EXPECT_NE(longer.err.find("Ячейки более 19 клеток"), std::string::npos) << longer.err;
  EXPECT_TRUE(longer.out.empty());
}

// --keep: the letters of the grid are kept and filled around, the board written back as grid text
// is kept whole by a second run, and a pattern no word completes is refused before anything.
TEST(CliFill, KeepFillsAroundTheGridsLettersAndItsBoardRoundTrips) {
  TestFolder f;
  const std::string dct = Dictionary(f, "ring", kRingWords);
  // Without --keep the letters are ignored, as they always were.
  CliResult plain = RunCli({"fill", f.Write("g.txt", "Т##\n#.#\n###\n"), dct});
  EXPECT_EQ(Lines(plain.out).at(1), "1\t1\tA\tкот\tЖивотное");
  CliResult r = RunCli({"fill", f.Path("g.txt"), dct, "--keep", "--grid-out", f.Path("b.txt"), "--dict-out",
                        f.Path("out.dct")});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "filled 4 of 4 attempts 0 complete\n"
            "1\t1\tA\tток\tЭлектричество\n"
            "2\t3\tA\tкот\tЖивотное\n"
            "3\t1\tD\tтик\tПодергивание\n"
            "4\t2\tD\tкит\tМорское животное\n");
  std::ifstream board(f.Path("b.txt"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(board), {}), "ток\nи.и\nкот\n");
  CliResult exported = RunCli({"dict", "export", f.Path("out.dct")});
  EXPECT_EQ(exported.out, "котик Домашний зверь\nок Да\nток Электричество\nкот Животное\nтик Подергивание\n"
                          "кит Морское животное\n");
  // The filled board, kept whole, keeps every word and its clue.
  CliResult again = RunCli({"fill", f.Path("b.txt"), f.Path("out.dct"), "--keep"});
  ASSERT_EQ(again.exit_code, 0) << again.err;
  EXPECT_EQ(again.out, r.out);

  CliResult refused = RunCli({"fill", f.Write("k.txt", "###\n#.#\nЖ##\n"), dct, "--keep", "--grid-out",
                              f.Path("none.txt")});
  EXPECT_EQ(refused.exit_code, 3);
  EXPECT_EQ(refused.err, "gridlex-cli: Слово 3 по горизонтали: нет слов вида Ж__\n");
  EXPECT_TRUE(refused.out.empty());
  EXPECT_FALSE(f.Exists("none.txt"));
}

// The draws for one word of length 9 at (0, 2) on a 19 x 19 board, then 200 tries the spacing
// rule rejects: the middle rule makes it columns 6..9, mirrored to 6..12.
std::string MiddleRuleDraws() {
  std::string draws;
  for (int i = 0; i < 200; ++i) draws += "5 0 2\n";
  return draws + "0\n";
}

TEST(CliGenerate, ScriptedDrawsGiveTheExpectedBoard) {
  TestFolder f;
  CliResult r = RunCli({"generate", "--board", "19", "--draws", f.Write("d.txt", MiddleRuleDraws())});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], "slots 0 across 0 maxcrossings 0");
  EXPECT_EQ(lines[3], "......#######......");
  EXPECT_EQ(lines[7], "..#.............#..");
  EXPECT_EQ(lines[17], "......#######......");
}

TEST(CliGenerate, RunCountsOutsideTheRangeArePrintedAsRuns) {
  TestFolder f;
  std::string draws;
  for (int i = 0; i < 17; ++i) draws += "0 " + std::to_string(i % 2 ? 26 : 20) + " " + std::to_string(2 * (i / 2)) + "\n";
  for (int i = 0; i < 183; ++i) draws += "0 20 0\n";
  draws += "0\n";
  CliResult r = RunCli({"generate", "--board", "63", "--draws", f.Write("d.txt", draws)});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 64u);
  EXPECT_EQ(lines[0], "runs 136");
}

TEST(CliGenerate, DrawsRunningOutExitWithFour) {
  TestFolder f;
  CliResult r = RunCli({"generate", "--board", "19", "--draws", f.Write("d.txt", "5 0 2 5")});
  EXPECT_EQ(r.exit_code, 4);
  EXPECT_TRUE(r.out.empty());
  EXPECT_EQ(RunCli({"generate", "--board", "19", "--draws", f.Path("missing.txt")}).exit_code, 1);
  EXPECT_EQ(RunCli({"generate", "--board", "19", "--draws", f.Write("bad.txt", "5 x")}).exit_code, 2);
}

TEST(CliGenerate, ASeedGivesTheSameGridEveryTime) {
  CliResult a = RunCli({"generate", "--board", "21", "--seed", "77"});
  CliResult b = RunCli({"generate", "--board", "21", "--seed", "77"});
  CliResult c = RunCli({"generate", "--board", "21", "--seed", "78"});
  ASSERT_EQ(a.exit_code, 0) << a.err;
  EXPECT_EQ(a.out, b.out);
  EXPECT_NE(a.out, c.out);
}

TEST(CliBuild, BuildsWritesThePuzzleAndTheReorderedDictionary) {
  TestFolder f;
  const std::string dct = Dictionary(f, "dense", DenseWords(3000));
  CliResult r = RunCli({"build", dct, "--board", "19", "--seed", "5", "--out", f.Path("p.gx"), "--dict-out",
                        f.Path("after.dct")});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0].rfind("generated ", 0), 0u);
  int placed = 0, slots = 0, attempts = 0;
  char state[16] = {};
  ASSERT_EQ(std::sscanf(lines[1].c_str(), "filled %d of %d attempts %d %15s", &placed, &slots, &attempts, state), 4);
  EXPECT_EQ(placed, slots);
  EXPECT_EQ(std::string(state), "complete");
  ASSERT_EQ(lines.size(), 2u + static_cast<std::size_t>(slots) + 19u);
  // A complete fill leaves no grid cell without its letter.
  for (std::size_t y = 0; y < 19; ++y) EXPECT_EQ(lines[2 + slots + y].find('#'), std::string::npos) << y;
  // The saved puzzle loads back with the same slots and answers.
  CliResult shown = RunCli({"show", f.Path("p.gx")});
  ASSERT_EQ(shown.exit_code, 0) << shown.err;
  EXPECT_EQ(Lines(shown.out)[0].rfind("slots " + std::to_string(slots) + " ", 0), 0u) << shown.out;
  for (int k = 1; k <= slots; ++k) {
    const std::string& line = lines[1 + k];
    const std::string answer = line.substr(0, line.rfind('\t'));
    const std::string word = answer.substr(answer.rfind('\t') + 1);
    EXPECT_NE(shown.out.find(" " + word + " "), std::string::npos) << word;
  }
  CliResult stats = RunCli({"dict", "stats", f.Path("after.dct")});
  EXPECT_EQ(Lines(stats.out)[0], "entries 3000");
  // The same seed builds the same crossword.
  CliResult again = RunCli({"build", dct, "--board", "19", "--seed", "5"});
  EXPECT_EQ(again.out, r.out);
}

TEST(CliBuild, AnIncompleteFillExitsFiveWithoutAPuzzleFile) {
  TestFolder f;
  const std::string dct = Dictionary(f, "tiny", kRingWords);
  CliResult r = RunCli({"build", dct, "--seed", "3", "--attempts", "2", "--out", f.Path("p.gx"), "--dict-out",
                        f.Path("after.dct")});
  EXPECT_EQ(r.exit_code, 5) << r.err;
  EXPECT_NE(r.out.find(" attempts 2 incomplete\n"), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("gridlex-cli: build: slots left empty: "), std::string::npos) << r.err;
  EXPECT_FALSE(f.Exists("p.gx"));
  EXPECT_TRUE(f.Exists("after.dct"));
}

TEST(CliBuild, NoAcceptableGridExitsSixAndExhaustedDrawsFour) {
  TestFolder f;
  const std::string dct = Dictionary(f, "tiny", kRingWords);
  CliResult none = RunCli({"build", dct, "--board", "19", "--seed", "1", "--min-slots", "128", "--max-generations", "3"});
  EXPECT_EQ(none.exit_code, 6) << none.out;
  EXPECT_TRUE(none.out.empty());
  CliResult ran_out = RunCli({"build", dct, "--board", "19", "--draws", f.Write("d.txt", MiddleRuleDraws())});
  EXPECT_EQ(ran_out.exit_code, 4);
}

}  // namespace
}  // namespace gx::test
