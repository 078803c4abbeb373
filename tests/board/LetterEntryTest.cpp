#include "board/LetterEntry.h"

#include <gtest/gtest.h>

#include "PlayTestSupport.h"

namespace gx {
namespace {

using test::PlayBench;
using test::W;

struct Typing : ::testing::Test {
  Typing() {
    b.AddSlot(1, 1, 6, false, W("привет"), W(" Слово встречи"));
    b.AddSlot(1, 1, 3, true, W("пол"), W(" Низ комнаты"));
    b.state.puzzle.AcrossCount = 1;
    b.StartSolving(1);
  }
  void Type(std::string_view keys) {
    for (char c : keys) b.commands.KeyPress(c);
  }
  const AnswerText& Entry(int k) const { return b.state.puzzle.SlotEntry[k]; }
  PlayBench b;
};

TEST(LetterTable, MapsBothLayoutsAndCapitalsToSmallLetters) {
  EXPECT_EQ(LetterFor('G'), W("п")[0]);
  EXPECT_EQ(LetterFor('f'), W("а")[0]);
  EXPECT_EQ(LetterFor(','), W("б")[0]);
  EXPECT_EQ(LetterFor('"'), W("э")[0]);
  EXPECT_EQ(LetterFor('>'), W("ю")[0]);
  EXPECT_EQ(LetterFor('}'), W("ъ")[0]);
  EXPECT_EQ(LetterFor(W("Я")[0]), W("я")[0]);
  EXPECT_EQ(LetterFor(W("ж")[0]), W("ж")[0]);
  for (char other : {'\'', '1', ' ', '\t', W("ё")[0], W("Ё")[0]}) EXPECT_EQ(LetterFor(other), 0) << int(other);
}

TEST_F(Typing, LatinKeysGiveTheRussianWord) {
  Type("Ghbdtn");
  EXPECT_EQ(Entry(1), W("привет"));
  EXPECT_EQ(b.state.puzzle.TypedCount, 6);
  EXPECT_EQ(b.canvas.TextAtCell(6, 1)->text, W(" т"));
  EXPECT_EQ(b.canvas.CellInside(1, 1), b.state.settings.Colors.FoundWordColor);
}

TEST_F(Typing, CapitalsAreStoredSmallAndNonLettersChangeNothing) {
  Type(W("ПР") + "1' " + W("ё"));
  EXPECT_EQ(Entry(1), W("пр"));
  EXPECT_EQ(b.state.puzzle.TypedCount, 2);
}

TEST_F(Typing, AFullWordTakesNoMoreLetters) {
  Type("ghbdtn");
  Type("rr");
  EXPECT_EQ(Entry(1), W("привет"));
  EXPECT_EQ(b.state.puzzle.TypedCount, 6);
  EXPECT_TRUE(Entry(2).empty());
}

TEST_F(Typing, AWordLongerThanAnEntryIsFullAtTheEntrysSize) {
  b.state.puzzle.CurrentWordLength = 30;
  Type(std::string(30, 'g'));
  EXPECT_EQ(b.state.puzzle.TypedCount, 24);
  EXPECT_EQ(Entry(1).size(), 24u);
  b.commands.KeyPress(kBackspace);
  EXPECT_EQ(b.state.puzzle.TypedCount, 23);
  EXPECT_EQ(Entry(1).size(), 23u);
}

TEST_F(Typing, BackspaceRightAfterSelectionDoesNothing) {
  b.state.puzzle.SlotEntry[1] = W("при");
  b.commands.ClueChosen(1);
  b.commands.ClueChosen(0);
  b.commands.KeyPress(kBackspace);
  EXPECT_EQ(Entry(1), W("при"));
  EXPECT_EQ(b.state.puzzle.TypedCount, 0);
}

TEST_F(Typing, TypingAfterSelectionReplacesTheEarlierEntry) {
  b.state.puzzle.SlotEntry[1] = W("привет");
  b.commands.ClueChosen(1);
  b.commands.ClueChosen(0);
  Type("g");
  EXPECT_EQ(Entry(1), W("п"));
}

TEST_F(Typing, ThreeLettersTwoBackspacesAndOneLetterLeaveTwoLetters) {
  Type("ghb");
  b.commands.KeyPress(kBackspace);
  b.commands.KeyPress(kBackspace);
  Type("h");
  EXPECT_EQ(Entry(1), W("пр"));
  EXPECT_EQ(b.state.puzzle.TypedCount, 2);
  // The cursor cell is position 2, the cell after it plain again.
  EXPECT_EQ(b.canvas.CellInside(3, 1), b.state.settings.Colors.FoundWordColor);
  EXPECT_EQ(b.canvas.CellInside(4, 1), b.state.settings.Colors.WordCellColor);
}

TEST_F(Typing, CrossingWordsKeepTheirOwnEntries) {
  Type("g");
  b.commands.ClueChosen(1);
  Type("k");
  EXPECT_EQ(Entry(1), W("п"));
  EXPECT_EQ(Entry(2), W("л"));
  EXPECT_EQ(b.state.puzzle.CurrentWordVertical, 1);
  EXPECT_EQ(b.canvas.TextAtCell(1, 1)->text, W(" л"));
}

TEST_F(Typing, LettersAreNotTakenWhenTheyShouldNotBe) {
  b.state.window.SettingsPanelVisible = true;
  Type("g");
  b.state.window.SettingsPanelVisible = false;
  b.commands.MinCellsFocusChanged(true);
  Type("g");
  b.commands.MinCellsFocusChanged(false);
  b.state.puzzle.PlayActive = 0;
  Type("g");
  EXPECT_TRUE(Entry(1).empty());
}

}  // namespace
}  // namespace gx
