// Crosswords as ipuz: the writer checked rule by rule by a reader of the test's own, the reader
// against what a puzzle file cannot hold, and the way there and back.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "DeliveredFolder.h"
#include "base/Cp1251.h"
#include "files/IpuzReader.h"
#include "files/IpuzWriter.h"
#include "files/Json.h"
#include "files/PuzzleFile.h"

namespace gx {
namespace {

std::string W(std::string_view utf8) { return Utf8ToCp1251(utf8); }

// Adds a slot with its number, answer and clue (UTF-8) as a puzzle file load leaves them.
void AddSlot(Puzzle& p, int x, int y, int length, bool down, int number, std::string_view answer,
             std::string_view clue) {
  const int k = ++p.SlotCount;
  p.SlotX[k] = static_cast<std::uint8_t>(x);
  p.SlotY[k] = static_cast<std::uint8_t>(y);
  p.SlotLength[k] = static_cast<std::uint8_t>(length);
  p.SlotVertical[k] = down ? 1 : 0;
  p.SlotAnswer[k] = W(answer);
  p.Clues.SetCell(0, k - 1, FormatClueNumber(number));
  p.Clues.SetCell(1, k - 1, " " + W(clue));
  p.Clues.SetRowCount(p.SlotCount);
  p.CountAcrossSlots();
}

// The ring of words off the board's corner: across 1 and 4, down 2 and 3, crossing at the corners.
void Ring(Puzzle& p) {
  p.ResetBoard();
  AddSlot(p, 3, 2, 3, false, 1, "ток", "Электричество, \"ток\"");
  AddSlot(p, 3, 4, 3, false, 4, "кот", "Домашний зверь / кошка");
  AddSlot(p, 3, 2, 3, true, 1, "тик", "Подергивание");
  AddSlot(p, 5, 2, 3, true, 2, "кит", "Морское животное");
}

std::string Capital(char cp1251) {
  const auto byte = static_cast<unsigned char>(cp1251);
  return Cp1251ToUtf8(std::string(1, static_cast<char>(byte >= 224 ? byte - 32 : byte)));
}

// Every rule of the exchanged file, checked against the puzzle it was made from.
void ExpectIpuzRules(const std::string& text, const Puzzle& p, const std::string& title) {
  const json::ParseResult parsed = json::Parse(text);
  ASSERT_TRUE(parsed.value) << parsed.error;
  const json::Value& root = *parsed.value;
  ASSERT_TRUE(root.IsObject());
  std::set<std::string> keys;
  for (const auto& member : root.members) keys.insert(member.first);
  EXPECT_EQ(keys, (std::set<std::string>{"version", "kind", "dimensions", "block", "empty", "puzzle", "solution",
                                         "clues", "title"}))
      << "no fields beyond the format's";
  EXPECT_EQ(root.Find("version")->text, "http://ipuz.org/v2");
  ASSERT_TRUE(root.Find("kind")->IsArray());
  ASSERT_EQ(root.Find("kind")->items.size(), 1u);
  EXPECT_EQ(root.Find("kind")->items[0].text, "http://ipuz.org/crossword#1");
  EXPECT_EQ(root.Find("block")->text, "#");
  ASSERT_TRUE(root.Find("empty")->IsInteger());
  EXPECT_EQ(*root.Find("empty")->integer, 0);
  EXPECT_EQ(root.Find("title")->text, title);

  // The cells of the puzzle, worked out here from the slot table.
  std::map<std::pair<int, int>, char> letters;
  std::map<std::pair<int, int>, int> numbers;
  int width = 0, height = 0;
  for (int k = 1; k <= p.SlotCount; ++k) {
    const int number = std::stoi(std::string(p.Clues.Number(k - 1)));
    numbers[{p.SlotX[k], p.SlotY[k]}] = number;
    for (int t = 0; t < p.SlotLength[k]; ++t) {
      const int x = p.SlotVertical[k] ? p.SlotX[k] : p.SlotX[k] + t;
      const int y = p.SlotVertical[k] ? p.SlotY[k] + t : p.SlotY[k];
      letters[{x, y}] = p.SlotAnswer[k][t];
      width = std::max(width, x + 1);
      height = std::max(height, y + 1);
    }
  }
  const json::Value* dimensions = root.Find("dimensions");
  EXPECT_EQ(dimensions->Find("width")->integer, width);
  EXPECT_EQ(dimensions->Find("height")->integer, height);

  const json::Value& puzzle = *root.Find("puzzle");
  const json::Value& solution = *root.Find("solution");
  ASSERT_EQ(puzzle.items.size(), static_cast<std::size_t>(height));
  ASSERT_EQ(solution.items.size(), static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    ASSERT_EQ(puzzle.items[y].items.size(), static_cast<std::size_t>(width));
    ASSERT_EQ(solution.items[y].items.size(), static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
      const json::Value& cell = puzzle.items[y].items[x];
      const json::Value& letter = solution.items[y].items[x];
      const auto at = letters.find({x, y});
      if (at == letters.end()) {
        EXPECT_EQ(cell.text, "#") << x << "," << y;
        EXPECT_EQ(letter.text, "#") << x << "," << y;
        continue;
      }
      const auto number = numbers.find({x, y});
      ASSERT_TRUE(cell.IsInteger()) << x << "," << y;
      EXPECT_EQ(*cell.integer, number == numbers.end() ? 0 : number->second) << x << "," << y;
      EXPECT_EQ(letter.text, Capital(at->second)) << x << "," << y;
    }
  }

  const json::Value& clues = *root.Find("clues");
  ASSERT_EQ(clues.members.size(), 2u);
  for (const bool down : {false, true}) {
    const json::Value* list = clues.Find(down ? "Down" : "Across");
    ASSERT_NE(list, nullptr);
    std::vector<std::pair<std::int64_t, std::string>> expected, written;
    for (int k = 1; k <= p.SlotCount; ++k) {
      if ((p.SlotVertical[k] != 0) != down) continue;
      expected.emplace_back(std::stoi(std::string(p.Clues.Number(k - 1))),
                            Cp1251ToUtf8(p.Clues.Clue(k - 1).substr(1)));
    }
    for (const json::Value& clue : list->items) {
      ASSERT_EQ(clue.items.size(), 2u);
      ASSERT_TRUE(clue.items[0].IsInteger());
      ASSERT_TRUE(clue.items[1].IsString());
      written.emplace_back(*clue.items[0].integer, clue.items[1].text);
    }
    EXPECT_EQ(written, expected) << (down ? "Down" : "Across");
  }
}

Puzzle& Delivered(Puzzle& p) {
  const PuzzleLoadResult loaded = LoadPuzzleFile(p, (test::DeliveredFolder() / "data" / "1.gx").string());
  EXPECT_EQ(loaded.status, PuzzleLoadResult::Status::Loaded);
  return p;
}

TEST(IpuzWriter, WritesEveryRuleOfTheFormat) {
  auto delivered = std::make_unique<Puzzle>();
  Delivered(*delivered);
  const IpuzText written = WriteIpuz(*delivered, "1.gx");
  ASSERT_TRUE(written.faults.empty()) << written.faults[0];
  ExpectIpuzRules(written.json, *delivered, "1.gx");

  // Off the corner, with quotes and slashes in clue and title: the rectangle starts at the corner.
  auto ring = std::make_unique<Puzzle>();
  Ring(*ring);
  const std::string title = "кольцо \"№1\" \\ a/b.gx";
  const IpuzText ring_written = WriteIpuz(*ring, title);
  ASSERT_TRUE(ring_written.faults.empty()) << ring_written.faults[0];
  ExpectIpuzRules(ring_written.json, *ring, title);
  EXPECT_NE(ring_written.json.find("\"width\": 6, \"height\": 5"), std::string::npos);
}

TEST(IpuzWriter, RefusesPuzzlesWhoseAnswersOrNumbersDoNotHold) {
  auto p = std::make_unique<Puzzle>();
  EXPECT_EQ(WriteIpuz(*p, "x").faults, std::vector<std::string>{"the puzzle has no words"});

  Ring(*p);
  p->SlotAnswer[2] = W("ко");                  // short
  p->SlotAnswer[4] = W("бит");                 // the first letter is also the last of across 1
  p->Clues.SetCell(0, 2, FormatClueNumber(7));  // down 1 numbered 7 where across 1 says 1
  const IpuzText refused = WriteIpuz(*p, "x");
  EXPECT_TRUE(refused.json.empty());
  const std::vector<std::string> expected = {
      "slot 2 (4 across): an answer of 2 letters in 3 cells",
      "row 3, column 4: numbered 1 and 7",
      "row 3, column 6: crossing answers disagree (\"к\" and \"б\")",
  };
  EXPECT_EQ(refused.faults, expected);

  Ring(*p);
  p->Clues.SetCell(0, 1, FormatClueNumber(1));  // two across words numbered 1
  p->Clues.SetCell(0, 3, "   ");
  const std::vector<std::string> numbers = {"slot 4 (0 down): no clue number",
                                            "slot 2 (1 across): a second word with that number and direction"};
  EXPECT_EQ(WriteIpuz(*p, "x").faults, numbers);
}

TEST(Ipuz, ThereAndBackGivesTheSamePuzzleFile) {
  auto original = std::make_unique<Puzzle>();
  auto back = std::make_unique<Puzzle>();
  for (bool delivered : {true, false}) {
    if (delivered) {
      Delivered(*original);
    } else {
      Ring(*original);
    }
    const IpuzText written = WriteIpuz(*original, "t.gx");
    ASSERT_TRUE(written.faults.empty());
    const IpuzReading reading = ReadIpuz(written.json, *back);
    ASSERT_TRUE(reading.faults.empty()) << reading.faults[0];
    EXPECT_EQ(reading.warnings, std::vector<std::string>{"not kept (a puzzle file has no place for them): title"});
    EXPECT_EQ(SerializePuzzle(*back), SerializePuzzle(*original));
  }
}

// A small crossword as another program writes it: numbers by cell, one clue form per list.
const char kRing[] = R"({
  "version": "http://ipuz.org/v1",
  "kind": ["http://ipuz.org/crossword#1"],
  "author": "А. Автор",
  "dimensions": {"width": 3, "height": 3},
  "puzzle": [[1, 0, "2"], [0, null, 0], [{"cell": 3, "style": {}}, 0, 0]],
  "solution": [["Т", "О", "К"], ["И", "#", "и"], ["К", "О", "Т"]],
  "clues": {"Across:По горизонтали": [[1, "Электричество"], {"number": "3", "clue": "Зверь", "enumeration": "3"}],
            "Down": [[1, "Подергивание"], [2, "Морское животное"]]}
})";

std::string With(std::string text, std::string_view from, std::string_view to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(IpuzReader, ReadsAnotherProgramsCrosswordAsAPuzzleFileLoadWould) {
  auto p = std::make_unique<Puzzle>();
  IpuzReading reading = ReadIpuz(kRing, *p);
  ASSERT_TRUE(reading.faults.empty()) << reading.faults[0];
  EXPECT_EQ(reading.warnings,
            std::vector<std::string>{"not kept (a puzzle file has no place for them): author, enumeration"});
  ASSERT_EQ(p->SlotCount, 4);
  EXPECT_EQ(p->AcrossCount, 2);
  const struct {
    int x, y, length, down;
    const char* number;
    const char* answer;
    const char* clue;
  } expected[] = {{0, 0, 3, 0, "  1", "ток", " Электричество"},
                  {0, 2, 3, 0, "  3", "кот", " Зверь"},
                  {0, 0, 3, 1, "  1", "тик", " Подергивание"},
                  {2, 0, 3, 1, "  2", "кит", " Морское животное"}};
  for (int k = 1; k <= 4; ++k) {
    const auto& e = expected[k - 1];
    EXPECT_EQ(p->SlotX[k], e.x) << k;
    EXPECT_EQ(p->SlotY[k], e.y) << k;
    EXPECT_EQ(p->SlotLength[k], e.length) << k;
    EXPECT_EQ(p->SlotVertical[k], e.down) << k;
    EXPECT_EQ(p->Clues.Number(k - 1), e.number) << k;
    EXPECT_EQ(p->SlotAnswer[k].str(), W(e.answer)) << k;
    EXPECT_EQ(p->Clues.Clue(k - 1), W(e.clue)) << k;
  }
  EXPECT_EQ(p->Letter(2, 1), W("и")[0]);
  EXPECT_EQ(p->Mask(1, 1), Background);

  // ё becomes е, with a warning naming where.
  reading = ReadIpuz(With(With(kRing, "\"О\", \"К\"]", "\"Ё\", \"К\"]"), "Зверь", "Ёж"), *p);
  ASSERT_TRUE(reading.faults.empty()) << reading.faults[0];
  EXPECT_EQ(p->SlotAnswer[1].str(), W("тек"));
  EXPECT_EQ(p->Clues.Clue(1), W(" Еж"));
  EXPECT_EQ(reading.warnings[1], "ё written as е in row 1, column 2");
  EXPECT_EQ(reading.warnings[2], "ё written as е in the clues of Across 3");
}

// Ordinary Russian punctuation that the puzzle file's letters lack is written with the nearest of
// them, and said in one warning.
TEST(IpuzReader, WritesPunctuationWithTheNearestCharacters) {
  auto p = std::make_unique<Puzzle>();
  const std::string text = With(With(kRing, "\"Электричество\"", "\"«Ток» —\u00A0это… ток; № 5, №6 и д’Артаньян\""),
                                "\"Морское животное\"", "\"„Кит“ – [морское] ‘животное’\"");
  const IpuzReading reading = ReadIpuz(text, *p);
  ASSERT_TRUE(reading.faults.empty()) << reading.faults[0];
  EXPECT_EQ(p->Clues.Clue(0), W(" \"Ток\" - это... ток, номер 5, номер 6 и д-Артаньян"));
  EXPECT_EQ(p->Clues.Clue(3), W(" \"Кит\" - (морское) \"животное\""));
  ASSERT_EQ(reading.warnings.size(), 2u);
  EXPECT_EQ(reading.warnings[1],
            "punctuation the puzzle file lacks written with its characters (« » „ “ ‘ ’ → \", — ’ – → -, "
            "no-break space → space, … → ..., ; → ,, № → номер, [ → (, ] → )) in the clues of Across 1; Down 2");

  // Spelled out, a clue may outgrow the file's 128 characters; what has no near character is refused.
  const IpuzReading long_clue = ReadIpuz(With(kRing, "\"Электричество\"", "\"" + std::string(126, '.') + "…\""), *p);
  ASSERT_EQ(long_clue.faults.size(), 1u);
  EXPECT_EQ(long_clue.faults[0], "Across 1: a clue of 129 characters with its punctuation spelled out, a puzzle file holds 128");
}

std::string Lattice(int starts_per_side) {
  // Words of three letters across and down from every fourth cell: 2 per numbered cell.
  const int side = 4 * starts_per_side - 1;
  std::string puzzle, solution, across, down;
  int number = 0;
  for (int y = 0; y < side; ++y) {
    puzzle += y ? ",[" : "[";
    solution += y ? ",[" : "[";
    for (int x = 0; x < side; ++x) {
      const bool start = x % 4 == 0 && y % 4 == 0;
      const bool open = (y % 4 == 0 && x % 4 < 3) || (x % 4 == 0 && y % 4 < 3);
      if (start) {
        ++number;
        across += (number > 1 ? "," : "") + ("[" + std::to_string(number) + ", \"а\"]");
        down += (number > 1 ? "," : "") + ("[" + std::to_string(number) + ", \"б\"]");
      }
      puzzle += (x ? "," : "") + (start ? std::to_string(number) : open ? "0" : "\"#\"");
      solution += (x ? "," : "") + std::string(open ? "\"а\"" : "\"#\"");
    }
    puzzle += "]";
    solution += "]";
  }
  return R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"], "dimensions": {"width": )" +
         std::to_string(side) + ", \"height\": " + std::to_string(side) + "}, \"puzzle\": [" + puzzle +
         "], \"solution\": [" + solution + "], \"clues\": {\"Across\": [" + across + "], \"Down\": [" + down + "]}}";
}

TEST(IpuzReader, RefusesWhatAPuzzleFileCannotHoldNamingWhere) {
  std::string wide_puzzle = "[1", wide_solution = "[\"а\"";
  for (int i = 1; i < 25; ++i) {
    wide_puzzle += ", 0";
    wide_solution += ", \"а\"";
  }
  const std::string twenty_five =
      R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
          "dimensions": {"width": 25, "height": 1}, "puzzle": [)" +
      wide_puzzle + "]], \"solution\": [" + wide_solution + "]], \"clues\": {\"Across\": [[1, \"Длинное\"]]}}";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"{", "not JSON: line 1, column 2: expected a key in quotes"},
      {"[1]", "the file is not a JSON object"},
      {With(kRing, "crossword#1", "sudoku#1"), "\"kind\" does not name a crossword"},
      {With(kRing, "\"width\": 3", "\"width\": 64"), "a grid of 64 x 3: the board holds at most 63 x 63"},
      {With(kRing, "\"width\": 3", "\"width\": 4"), "\"puzzle\" is not 3 rows of 4 cells, as \"dimensions\" says"},
      {With(kRing, "\"solution\"", "\"answers\""), "no \"solution\": a puzzle file needs every answer"},
      {With(kRing, "[\"И\", \"#\", \"и\"]", "[\"И\", \"#\", null]"), "row 2, column 3: no letter in the solution"},
      {With(kRing, "\"О\", \"К\"]", "\"ОК\", \"К\"]"),
       "row 1, column 2: \"ОК\" is several letters in one cell (a rebus), which cannot be kept"},
      {With(kRing, "\"О\", \"К\"]", "\"O\", \"К\"]"), "row 1, column 2: \"O\" is a Latin letter; the answers are "},
      {With(kRing, "\"О\", \"К\"]", "\"5\", \"К\"]"), "row 1, column 2: \"5\" is not a Russian letter"},
      {With(kRing, "[\"И\", \"#\"", "[\"И\", \"А\""), "row 2, column 2: a letter in a block"},
      {With(kRing, "[[1, 0", "[[{\"cell\": 1, \"style\": {\"barred\": \"L\"}}, 0"),
       "row 1, column 1: a barred grid (bars between cells) cannot be kept"},
      {With(kRing, "{\"cell\": 3, \"style\": {}}", "{\"cell\": 3, \"style\": {\"shapebg\": \"circle\"}}"),
       "row 3, column 1: a cell style (shape, colour, mark) cannot be kept"},
      {With(kRing, "[[1, 0", "[[1, {\"cell\": 0, \"value\": \"О\"}"),
       "row 1, column 2: a letter given in the grid cannot be kept"},
      {With(kRing, "[0, null, 0]", "[0, null, \"x\"]"), "row 2, column 3: a cell is a clue number, 0 or the block"},
      {With(kRing, "\"Электричество\"", "\"" + std::string(129, '.') + "\""),
       "Across 1: a clue of 129 characters, a puzzle file holds 128"},
      {With(kRing, "\"Электричество\"", "\"Вольт, V\""),
       "Across 1, character 8: \"V\" is a Latin letter, which has no place in the puzzle file's letters"},
      {With(kRing, "\"Электричество\"", "\"Ток*\""),
       "Across 1, character 4: \"*\" has no place in the puzzle file's letters"},
      {With(kRing, "\"Down\"", "\"Diagonal\""), "clues \"Diagonal\": only Across and Down words can be kept"},
      {With(kRing, "[2, \"Морское", "[7, \"Морское"), "Down 7: no cell carries the number 7"},
      {With(kRing, "[2, \"Морское", "[1, \"Морское"), "Down 1: a second clue with that number"},
      {With(kRing, "[2, \"Морское", "[300, \"Морское"), "Down 300: clue numbers above 255 do not fit a puzzle file"},
      {With(kRing, "[[1, \"Электричество\"]", "[[2, \"Электричество\"]"),
       "Across 2 (row 1, column 3): the word does not start there"},
      {With(kRing, ", [2, \"Морское животное\"]", ""), "row 2, column 3: the cell belongs to no word with a clue"},
      {With(kRing, "[1, \"Подергивание\"]", "\"Подергивание\""),
       "clues \"Down\", item 1: a clue is [number, \"text\"] or {\"number\": n, \"clue\": \"text\"}"},
      {With(kRing, "\"enumeration\": \"3\"", "\"cells\": [[1, 3]]"),
       "clues \"Across:По горизонтали\", item 2: \"cells\" in a clue cannot be kept"},
      {With(kRing, "\"clues\"", "\"hints\""), "no \"clues\" with the Across and Down lists"},
      {twenty_five, "Across 1: a word of 25 letters, a puzzle holds at most 24"},
      {Lattice(12), "288 words: a puzzle file holds at most 255"},
      {std::string(MaxIpuzBytes + 1, ' '), "larger than 2 MiB"},
  };
  auto p = std::make_unique<Puzzle>();
  Delivered(*p);
  const std::string before = SerializePuzzle(*p);
  for (const auto& [text, fault] : cases) {
    const IpuzReading reading = ReadIpuz(text, *p);
    ASSERT_FALSE(reading.faults.empty()) << fault;
    EXPECT_EQ(reading.faults[0].substr(0, fault.size()), fault);
    EXPECT_EQ(SerializePuzzle(*p), before) << "the puzzle was changed by a refused file: " << fault;
  }
  // A lattice that fits is read whole.
  ASSERT_TRUE(ReadIpuz(Lattice(11), *p).faults.empty());
  EXPECT_EQ(p->SlotCount, 242);
}

// A refusal starts with the reason that matters most, not with the first of many lesser faults.
TEST(IpuzReader, ARefusalNamesItsMainReasonFirst) {
  auto p = std::make_unique<Puzzle>();
  std::string latin = With(With(kRing, "[[\"Т\", \"О\", \"К\"]", "[[\"T\", \"O\", \"K\"]"),
                           "[[1, 0, \"2\"]", "[[{\"cell\": 1, \"style\": {\"shapebg\": \"circle\"}}, 0, \"2\"]");
  IpuzReading reading = ReadIpuz(latin, *p);
  ASSERT_EQ(reading.faults.size(), 5u);
  EXPECT_EQ(reading.faults[0], "answers hold Latin letters: the puzzle is not Russian");
  EXPECT_EQ(reading.faults[1], "row 1, column 1: \"T\" is a Latin letter; the answers are Russian words");
  EXPECT_EQ(reading.faults[4], "row 1, column 1: a cell style (shape, colour, mark) cannot be kept");
  // The faults of the main reason come first, 20 of them at most, then the rest are counted.
  std::string all_latin = Lattice(6);
  for (std::size_t at = all_latin.find("\"а\""); at != std::string::npos; at = all_latin.find("\"а\"", at)) {
    all_latin.replace(at, 4, "\"q\"");
  }
  reading = ReadIpuz(all_latin, *p);
  ASSERT_EQ(reading.faults.size(), 22u);
  EXPECT_EQ(reading.faults[0], "answers hold Latin letters: the puzzle is not Russian");
  for (int i = 1; i <= 20; ++i) EXPECT_EQ(reading.faults[i].substr(0, 4), "row ") << reading.faults[i];
  EXPECT_EQ(reading.faults[21].substr(0, 4), "and ");

  reading = ReadIpuz(With(kRing, "\"О\", \"К\"]", "\"O\", \"К\"]"), *p);
  EXPECT_EQ(reading.faults.size(), 1u) << "one fault needs no headline";
}

}  // namespace
}  // namespace gx
