#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliRunner.h"
#include "TestBytes.h"
#include "TestFolder.h"

namespace gx::test {
namespace {

TEST(CliExtract, CrossOfTwoRunsNumbersTheDownStartFirst) {
  TestFolder in;
  CliResult r = RunCli({"extract", in.Write("g.txt", ".#.\n###\n.#.\n")});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "slots 2 across 1 maxcrossings 0\n1 2 A 0 1 3 0\n2 1 D 1 0 3 0\n");
}

TEST(CliExtract, LettersByteOrderMarkAndCarriageReturns) {
  TestFolder in;
  CliResult r = RunCli({"extract", in.Write("g.txt", "\xEF\xBB\xBF" "кот\r\n###..#\r\n..#..#\r\n..####\r\n\r\n")});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "slots 5 across 3 maxcrossings 3\n"
            "1 1 A 0 0 3 3\n2 3 A 0 1 3 3\n3 5 A 2 3 4 2\n4 2 D 2 0 4 3\n5 4 D 5 1 3 1\n");
}

TEST(CliExtract, ShortLinesArePaddedAndTheLastColumnClosesRuns) {
  TestFolder in;
  std::string grid = std::string(62, '.') + "#\n" + std::string(60, '.') + "###\n" + std::string(62, '.') + "#\n";
  CliResult r = RunCli({"extract", in.Write("g.txt", grid + ".\n")});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "slots 2 across 1 maxcrossings 0\n1 2 A 60 1 3 0\n2 1 D 62 0 3 0\n");
}

TEST(CliExtract, BadGridsAreBadUsage) {
  TestFolder in;
  CliResult r = RunCli({"extract", in.Write("a.txt", "...\n.x.\n")});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("line 2, column 2"), std::string::npos) << r.err;
  EXPECT_TRUE(r.out.empty());
  r = RunCli({"extract", in.Write("b.txt", "..\n.Ы\n")});  // a capital the letter code lacks
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("line 2, column 2"), std::string::npos) << r.err;
  r = RunCli({"extract", in.Write("o.txt", "#\xC0\xAE#\n")});  // an overlong "." is no background
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("line 1, column 2"), std::string::npos) << r.err;
  r = RunCli({"extract", in.Write("s.txt", "##\n#\xED\xA0\x80\n")});  // a lone surrogate
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("line 2, column 2"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("\xED\xA0\x80"), std::string::npos) << "messages are UTF-8";
  std::string tall;
  for (int i = 0; i < 64; ++i) tall += "#\n";
  EXPECT_EQ(RunCli({"extract", in.Write("c.txt", tall)}).exit_code, 2);
  EXPECT_EQ(RunCli({"extract", in.Write("d.txt", std::string(64, '#') + "\n")}).exit_code, 2);
  EXPECT_EQ(RunCli({"extract", in.Write("e.txt", "")}).exit_code, 2);
  EXPECT_EQ(RunCli({"extract", in.Write("f.txt", "\n\n")}).exit_code, 2);
}

TEST(CliUsageRules, OptionsAndArguments) {
  TestFolder in;
  std::string grid = in.Write("g.txt", "###\n");
  EXPECT_EQ(RunCli({"extract", grid, "--verbose"}).exit_code, 2);
  EXPECT_EQ(RunCli({"extract", grid, grid}).exit_code, 2);
  EXPECT_EQ(RunCli({"extract"}).exit_code, 2);
  EXPECT_EQ(RunCli({"nonsense"}).exit_code, 2);
  EXPECT_EQ(RunCli({"dict"}).exit_code, 2);
  EXPECT_EQ(RunCli({"dict", "merge", grid}).exit_code, 2);
  CliResult r = RunCli({"generate", "--board", "8", "--seed", "1"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("Usage: gridlex-cli generate --board N"), std::string::npos);
  EXPECT_EQ(RunCli({"generate", "--board", "21", "--seed", "1", "--draws", grid}).exit_code, 2);
  EXPECT_EQ(RunCli({"generate", "--board", "21"}).exit_code, 2);
  EXPECT_EQ(RunCli({"fill", grid, grid, "--attempts", "65536"}).exit_code, 2);
  EXPECT_EQ(RunCli({"fill", grid, grid, "--attempts"}).exit_code, 2);
  EXPECT_EQ(RunCli({"build", grid, "--board", "20", "--seed", "3"}).exit_code, 2);
  EXPECT_EQ(RunCli({"build", grid, "--seed", "3", "--min-slots", "3"}).exit_code, 2);
  EXPECT_EQ(RunCli({"build", grid, "--seed", "x"}).exit_code, 2);
}

TEST(CliUsageRules, MissingFilesAreInputOutputErrors) {
  TestFolder in;
  CliResult r = RunCli({"extract", in.Path("none.txt")});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("File not found"), std::string::npos);
  EXPECT_EQ(RunCli({"dict", "export", in.Path("none.dct")}).exit_code, 1);
  EXPECT_EQ(RunCli({"dict", "stats", in.Path("none.dct")}).exit_code, 1);
  EXPECT_EQ(RunCli({"show", in.Path("none.gx")}).exit_code, 1);
  EXPECT_EQ(RunCli({"dict", "import", in.Path("none.txt"), in.Path("x.dct")}).exit_code, 1);
}

TEST(CliDictionary, ImportExportRoundTrip) {
  TestFolder in;
  std::string text = "КОТ Домашнее животное\n\nДОМ Жилище, 2 этажа\r\nЯК \"бык\"?\n";
  CliResult r = RunCli({"dict", "import", in.Write("t.txt", text), in.Path("d.dct")});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  std::string dct = in.Read("d.dct");
  EXPECT_EQ(dct.substr(0, 4), Bytes({42, 46, 50, 61}));
  EXPECT_EQ(dct.substr(dct.size() - 2), Bytes({86, 86}));
  r = RunCli({"dict", "export", in.Path("d.dct")});
  ASSERT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, "КОТ Домашнее животное\nДОМ Жилище, 2 этажа\nЯК \"бык\"?\n");
}

TEST(CliDictionary, CharactersOutsideTheCodeAreReportedByLine) {
  TestFolder in;
  std::string text = "ЁЖ колючий\nЁЛКА дерево\nЖУК насекомое 😀\n";
  std::string source = in.Write("t.txt", "ДОМ жилище\n" + text);
  CliResult r = RunCli({"dict", "import", source, in.Path("a.dct")});
  ASSERT_EQ(r.exit_code, 0);
  EXPECT_NE(r.err.find("line 2"), std::string::npos);
  EXPECT_NE(r.err.find("line 3"), std::string::npos);
  EXPECT_NE(r.err.find("line 4"), std::string::npos);
  EXPECT_EQ(RunCli({"dict", "export", in.Path("a.dct")}).out, "ДОМ жилище\n");

  r = RunCli({"dict", "import", source, in.Path("b.dct"), "--lossy"});
  ASSERT_EQ(r.exit_code, 0);
  EXPECT_NE(r.err.find("line 4"), std::string::npos);
  // Each character without a code comes back as a copy of the one decoded before it.
  EXPECT_EQ(RunCli({"dict", "export", in.Path("b.dct")}).out,
            "ДОМ жилище\nеЖ колючий\nйЛКА дерево\nЖУК насекомое  \n");
}

TEST(CliDictionary, LossyEntryThatWouldReadBackEmptyIsLeftOut) {
  TestFolder in;
  // The first entry holds no character of the letter code: kept, it would end the dictionary.
  std::string source = in.Write("t.txt", "Ёё\nКОТ кот\nЁЁ\n");
  CliResult r = RunCli({"dict", "import", source, in.Path("d.dct"), "--lossy"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(r.err.find("line 1"), std::string::npos);
  EXPECT_NE(r.err.find("left out"), std::string::npos) << r.err;
  // After a character has been read, the same kind of entry repeats it and is kept.
  EXPECT_EQ(RunCli({"dict", "export", in.Path("d.dct")}).out, "КОТ кот\nтт\n");
}

TEST(CliDictionary, LongEntriesAreCutWithAWarning) {
  TestFolder in;
  std::string word = "СЛОН ";
  std::string clue;
  for (int i = 0; i < 150; ++i) clue += "ы";
  CliResult r = RunCli({"dict", "import", in.Write("t.txt", word + clue + "\n"), in.Path("d.dct")});
  ASSERT_EQ(r.exit_code, 0);
  EXPECT_NE(r.err.find("line 1"), std::string::npos);
  std::string expected = word;
  for (int i = 0; i < 123; ++i) expected += "ы";
  EXPECT_EQ(RunCli({"dict", "export", in.Path("d.dct")}).out, expected + "\n");
}

TEST(CliDictionary, MoreEntriesThanTheStoreWritesNothing) {
  TestFolder in;
  std::string text;
  for (int i = 0; i < 16385; ++i) text += "ЛЕС лес" + std::to_string(i) + "\n";
  CliResult r = RunCli({"dict", "import", in.Write("t.txt", text), in.Path("d.dct")});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_FALSE(std::filesystem::exists(in.Path("d.dct")));
  text.resize(text.rfind("ЛЕС"));
  EXPECT_EQ(RunCli({"dict", "import", in.Write("u.txt", text), in.Path("d.dct")}).exit_code, 0);
  EXPECT_EQ(RunCli({"dict", "stats", in.Path("d.dct")}).out.substr(0, 14), "entries 16384\n");
}

TEST(CliDictionary, StatsCountWordLengths) {
  TestFolder in;
  std::string long_word;
  for (int i = 0; i < 25; ++i) long_word += "а";
  std::string text = "КОТ а\nДОМ б\nЯ в\nСЛОВО г\n без слова\nбезпробела\n" + long_word + " д\n";
  ASSERT_EQ(RunCli({"dict", "import", in.Write("t.txt", text), in.Path("d.dct")}).exit_code, 0);
  CliResult r = RunCli({"dict", "stats", in.Path("d.dct")});
  ASSERT_EQ(r.exit_code, 0);
  std::string expected = "entries 7\n";
  for (int length = 1; length <= 24; ++length) {
    int count = length == 1 ? 1 : length == 3 ? 2 : length == 5 ? 1 : 0;
    expected += "length " + std::to_string(length) + " count " + std::to_string(count) + "\n";
  }
  EXPECT_EQ(r.out, expected + "other 3\n");
}

// A puzzle file: КОТ across, ТОК down from its last letter, with their clue numbers.
std::string SmallPuzzleFile() {
  return Bytes({1, 0, 3, 0, 1, 42, 46, 50, 61, 10, 14, 18, 86}) +  // «КОТ кот»
         Bytes({3, 0, 3, 1, 2, 50, 46, 42, 61, 18, 14, 10, 86});   // «ТОК ток»
}

TEST(CliShow, PuzzleAsText) {
  TestFolder in;
  CliResult r = RunCli({"show", in.Write("p.gx", SmallPuzzleFile())});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "slots 2 across 1\n"
            ".КОТ\n...О\n...К\n....\n"
            "По горизонтали:\n1. КОТ — кот\n"
            "По вертикали:\n2. ТОК — ток\n");
}

// A file that yields no words, or that the load would have to cut or mend, is refused naming the
// file and why; nothing is printed as if it were a puzzle.
TEST(CliShow, FilesThatAreNoSoundPuzzleAreRefused) {
  TestFolder in;
  std::string random;
  unsigned state = 7;
  for (int i = 0; i < 2000; ++i) {
    state = state * 1103515245u + 12345u;
    random.push_back(static_cast<char>(state >> 16));
  }
  const std::string ipuz = R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"]})";
  const struct {
    std::string name, bytes, reason;
  } cases[] = {
      {"empty.gx", "", "holds no words: an empty file, or not a puzzle file"},
      {"random.gx", random, "of the word texts are no character of a puzzle file"},
      {"p.ipuz", ipuz, "of the word texts are no character of a puzzle file"},
      {"off.gx", Bytes({62, 0, 3, 0, 1, 0, 86}) + SmallPuzzleFile(), "1 word lies beyond the 63 x 63 board"},
      {"short.gx", SmallPuzzleFile() + Bytes({0, 5, 4, 0, 3, 0, 61, 0, 86}), "1 answer is shorter than the word's"},
      {"long.gx", SmallPuzzleFile() + Bytes({0, 5, 2, 0, 3, 0, 0, 0, 61, 0, 86}), "1 answer is longer than the word's"},
      {"open.gx", SmallPuzzleFile() + Bytes({0, 5, 2, 0, 3, 0, 0}), "the file ends inside the text of a word"},
  };
  for (const auto& c : cases) {
    const CliResult r = RunCli({"show", in.Write(c.name, c.bytes)});
    EXPECT_EQ(r.exit_code, 1) << c.name;
    EXPECT_EQ(r.out, "") << c.name;
    EXPECT_EQ(r.err.rfind("gridlex-cli: " + in.Path(c.name) + ": ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.reason), std::string::npos) << c.name << ": " << r.err;
  }
  std::string table;
  for (int k = 0; k < 256; ++k) table += Bytes({0, k % 60, 2, 0, 1, 0, 0, 86});
  EXPECT_NE(RunCli({"show", in.Write("big.gx", table)}).err.find("more than 255 words"), std::string::npos);
  // A record cut inside its five bytes was refused before.
  const CliResult cut = RunCli({"show", in.Write("cut.gx", SmallPuzzleFile() + Bytes({1, 2}))});
  EXPECT_EQ(cut.exit_code, 1);
  EXPECT_NE(cut.err.find("Read beyond end of file"), std::string::npos);
}

// "-" reads standard input.
TEST(CliShow, StandardInput) {
  TestFolder in;
  const CliResult file = RunCli({"show", in.Write("p.gx", SmallPuzzleFile())});
  const CliResult piped = RunCli({"show", "-"}, SmallPuzzleFile());
  EXPECT_EQ(piped.exit_code, 0) << piped.err;
  EXPECT_EQ(piped.out, file.out);
  const CliResult empty = RunCli({"show", "-"});
  EXPECT_EQ(empty.exit_code, 1);
  EXPECT_EQ(empty.err, "gridlex-cli: standard input: holds no words: an empty file, or not a puzzle file\n");
}

}  // namespace
}  // namespace gx::test
