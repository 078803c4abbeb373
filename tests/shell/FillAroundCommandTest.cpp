// Shift+F7 as the window runs it: letters typed into a drawn grid, kept by the fill around them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "PlayTestSupport.h"
#include "board/BoardColors.h"
#include "core/EngineTexts.h"
#include "core/Extraction.h"
#include "core/PlacedLetters.h"
#include "shell/CommandCore.h"
#include "CommandCoreTestDoor.h"

namespace gx {
namespace {

using test::W;

// Every five-letter word over а, б, в but ввввв, which stays the user's own.
std::vector<std::string> ThreeLetterDictionary() {
  const std::string letters = W("абв");
  std::vector<std::string> entries;
  for (int n = 0; n < 243; ++n) {
    std::string word;
    for (int t = 0, rest = n; t < 5; ++t, rest /= 3) word += letters[static_cast<std::size_t>(rest % 3)];
    if (word != W("ввввв")) entries.push_back(word + W(" ключ ") + std::to_string(n));
  }
  return entries;
}

// Rows 0, 2, 4 across and columns 0, 2, 4 down, five cells each, on a board being drawn.
struct PlacingBench : test::PlayBench {
  PlacingBench() {
    test::DrawGrid(state.puzzle, {"#####", "#.#.#", "#####", "#.#.#", "#####"});
    ClassifyCells(state.puzzle);
    ExtractSlots(state.puzzle);
    test::FillDictionary(state.dictionary, ThreeLetterDictionary());
    state.dictionary.DictionaryLoaded = true;
    state.settings.MaxFillAttempts = 256;
  }
  int SlotAt(int x, int y, bool down) const {
    const Puzzle& p = state.puzzle;
    for (int k = 1; k <= p.SlotCount; ++k) {
      if (p.SlotX[k] == x && p.SlotY[k] == y && (p.SlotVertical[k] == 1) == down) return k;
    }
    return 0;
  }
  void Type(std::string_view utf8) {
    for (char c : W(utf8)) commands.KeyPress(c);
  }
  std::string Placed(int k) const { return PlacedPattern(state.puzzle, k); }
};

TEST(FillAroundCommand, LettersTypedIntoChosenWordsAreShownAndKeptByTheFillAroundThem) {
  PlacingBench b;
  Puzzle& p = b.state.puzzle;
  ASSERT_EQ(p.SlotCount, 6);
  const int top = b.SlotAt(0, 0, false), middle = b.SlotAt(0, 2, false), bottom = b.SlotAt(0, 4, false);
  const int centre_down = b.SlotAt(2, 0, true);

  // A word chosen on the board takes a whole word; one chosen in the list a space, a letter and
  // one taken back; Delete empties a word.
  b.commands.BoardMouseDown(4, 4, MouseButton::Left);
  b.Type("абвба");
  b.commands.ClueChosen(centre_down - 1);
  b.commands.KeyPress(' ');
  b.Type("аб");
  b.commands.KeyPress(kBackspace);
  EXPECT_EQ(b.Placed(top), W("абвба"));
  EXPECT_EQ(b.Placed(centre_down), W("ва..."));
  b.commands.ClueChosen(middle - 1);
  b.Type("ббб");
  b.commands.KeyDown(Key::Delete);
  EXPECT_EQ(b.Placed(middle), ".....");
  b.commands.ClueChosen(bottom - 1);
  b.Type("ввввв");
  // Placed letters show on their own colour, away from the word being typed into.
  const auto shown = b.canvas.TextAtCell(1, 0);
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(shown->text, " " + W("б"));
  EXPECT_EQ(shown->brush, PlacedCell);
  EXPECT_EQ(b.canvas.CellInside(1, 0), PlacedCell);
  EXPECT_EQ(p.PlayActive, 0);
  EXPECT_TRUE(p.SlotEntry[top].empty());

  b.commands.KeyDown(Key::ShiftF7);
  ASSERT_EQ(p.PlayActive, 1);
  EXPECT_EQ(b.state.window.Caption, W("Новый кроссворд 6 сл"));
  EXPECT_EQ(p.SlotAnswer[top], W("абвба"));
  EXPECT_EQ(p.Clues.Clue(top - 1).substr(0, 6), W(" ключ "));
  EXPECT_EQ(p.SlotAnswer[bottom], W("ввввв"));
  EXPECT_EQ(p.Clues.Clue(bottom - 1), "");
  EXPECT_EQ(p.Letter(2, 1), W("а")[0]);
  for (int k = 1; k <= p.SlotCount; ++k) {
    for (int t = 0; t < 5; ++t) EXPECT_EQ(p.Letter(p.SlotCellX(k, t), p.SlotCellY(k, t)), p.SlotAnswer[k][t]);
  }
  // The word the dictionary lacks is asked for a clue and becomes the current word; the
  // dictionary neither gains it nor loses an entry.
  ASSERT_FALSE(b.host.informations.empty());
  EXPECT_EQ(b.host.informations.back(), W("Своих слов нет в словаре: 1. Впишите к ним вопросы в списке"));
  EXPECT_EQ(p.Clues.CurrentRow(), bottom - 1);
  EXPECT_EQ(b.state.dictionary.DictionaryCount, 242);
  for (int e = 1; e <= 242; ++e) EXPECT_NE(EntryWord(b.state.dictionary.Entry(e)), W("ввввв"));

  // On the finished puzzle Shift+F7 gives the grid back with the letters; the clue written for the
  // own word meanwhile survives the next fill around them.
  p.Clues.SetCell(1, bottom - 1, W(" своя"));
  const std::size_t asked = b.host.informations.size();
  b.commands.KeyDown(Key::ShiftF7);
  EXPECT_EQ(p.PlayActive, 0);
  EXPECT_EQ(b.state.window.Caption, W("Впишите свои слова и нажмите Shift+F7"));
  EXPECT_TRUE(p.SlotAnswer[middle].empty());
  EXPECT_EQ(b.Placed(top), W("абвба"));
  // A fill stopped half way drops the clues it found, not that one.
  const long events = b.host.process_calls;
  b.host.on_events = [&](long calls) {
    if (calls == events + 40) p.FillRunning = false;
  };
  b.commands.KeyDown(Key::ShiftF7);
  ASSERT_EQ(p.PlayActive, 0);
  EXPECT_EQ(p.Clues.Clue(bottom - 1), W(" своя"));
  b.host.on_events = nullptr;
  b.commands.KeyDown(Key::ShiftF7);
  ASSERT_EQ(p.PlayActive, 1);
  EXPECT_EQ(p.SlotAnswer[top], W("абвба"));
  EXPECT_EQ(p.Clues.Clue(bottom - 1), W(" своя"));
  EXPECT_EQ(b.host.informations.size(), asked);
}

// The parts of the puzzle and dictionary a refused fill might touch.
struct Snapshot {
  explicit Snapshot(const Gridlex& s)
      : mask(s.puzzle.CellMask), letters(s.puzzle.CellLetter), placed(s.puzzle.PlacedLetter),
        slots(s.puzzle.SlotCount), play(s.puzzle.PlayActive), entries(test::Entries(s.dictionary)),
        modified(s.dictionary.DictionaryModified) {
    for (int k = 1; k <= s.puzzle.SlotCount; ++k) {
      answers.push_back(s.puzzle.SlotAnswer[k].str());
      clues.push_back(s.puzzle.Clues.Cell(0, k - 1) + "|" + s.puzzle.Clues.Cell(1, k - 1));
    }
  }
  bool operator==(const Snapshot&) const = default;
  std::array<std::uint8_t, BoardStorage * BoardStorage> mask;
  std::array<char, BoardStorage * BoardStorage> letters, placed;
  int slots, play;
  std::vector<std::string> entries, answers, clues;
  int modified;
};

TEST(FillAroundCommand, APatternNoWordCompletesIsNamedAndNothingChanges) {
  EXPECT_EQ(texts::NoWordsOfPattern(" 12", true, W("к.т.")), W("Слово 12 по вертикали: нет слов вида К_Т_"));
  PlacingBench b;
  b.commands.BoardMouseDown(4, 4, MouseButton::Left);
  b.Type("кошка");
  const Snapshot before(b.state);
  const FillReport report = CommandCoreTestDoor::Builds(b.commands).FillAround();
  EXPECT_EQ(report.check, RefillCheck::NoWordFitsPattern);
  EXPECT_FALSE(report.reached_fill);
  ASSERT_EQ(b.host.informations.size(), 1u);
  // The down word from the first cell shares its number with the across word there.
  EXPECT_EQ(b.host.informations[0], W("Слово 1 по вертикали: нет слов вида К____"));
  EXPECT_TRUE(Snapshot(b.state) == before);
}

}  // namespace
}  // namespace gx
