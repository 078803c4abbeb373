#include "board/WordSelection.h"

#include <gtest/gtest.h>

#include "PlayTestSupport.h"

namespace gx {
namespace {

using test::PlayBench;
using test::W;

// An across word and a down word starting at the same cell (2, 2), and an across word below.
struct CrossingWords : ::testing::Test {
  CrossingWords() {
    b.AddSlot(2, 2, 5, false, W("пирог"), W(" Печёное изделие"));
    b.AddSlot(2, 6, 3, false, W("кот"), W(" Домашний зверь"));
    b.AddSlot(2, 2, 5, true, W("посок"), W(" Вертикальное слово"));
    b.state.puzzle.AcrossCount = 2;
  }
  void Click(int x, int y) {
    b.commands.BoardMouseDown(x * 16 + 4, y * 16 + 4, MouseButton::Left);
    b.commands.BoardMouseUp(x * 16 + 4, y * 16 + 4, MouseButton::Left);
  }
  int Row() const { return b.state.puzzle.Clues.CurrentRow(); }
  PlayBench b;
};

TEST(ClueCaptionLength, FollowsTheWidthOfTheStatusStrip) {
  EXPECT_EQ(ClueCaptionLength(515), 67);
  EXPECT_EQ(ClueCaptionLength(500), 65);
  EXPECT_EQ(ClueCaptionLength(0), 0);
}

TEST_F(CrossingWords, SingleClickSelectsTheAcrossWordAndDoubleClickTheDownWord) {
  b.state.puzzle.PlayActive = 1;
  b.state.puzzle.Clues.SetCurrentRow(1);
  Click(2, 2);
  EXPECT_EQ(Row(), 0);
  EXPECT_EQ(b.state.puzzle.CurrentWordVertical, 0);

  b.commands.BoardDoubleClick();
  Click(2, 2);
  EXPECT_EQ(Row(), 2);
  EXPECT_EQ(b.state.puzzle.CurrentWordVertical, 1);
  EXPECT_EQ(b.state.puzzle.CurrentWordLength, 5);
  EXPECT_EQ(b.state.puzzle.SelectMode, 1);
  EXPECT_EQ(b.state.window.ClueLineText, W(" Вертикальное слово"));
  // The highlight of the down word: its cells are XOR-ed with purple over the word colour.
  EXPECT_EQ(b.canvas.CellInside(2, 5), b.state.settings.Colors.WordCellColor ^ Rgb(128, 0, 128));

  Click(2, 2);
  EXPECT_EQ(Row(), 0);
}

TEST_F(CrossingWords, DoubleClickOnAnAcrossOnlyStartSelectsThatWordBothTimes) {
  b.commands.BoardDoubleClick();
  Click(2, 6);
  EXPECT_EQ(Row(), 1);
  Click(2, 6);
  EXPECT_EQ(Row(), 1);
}

TEST_F(CrossingWords, DoubleClickOffAStartKeepsTheSecondSlotArmedForTheNextStart) {
  b.commands.BoardDoubleClick();
  Click(10, 10);  // no word starts here: the press begins a stroke instead
  EXPECT_EQ(b.state.puzzle.SelectMode, 2);
  Click(2, 2);
  EXPECT_EQ(Row(), 2);
}

TEST_F(CrossingWords, ClickInsideAWordStartsAStrokeInsteadOfSelecting) {
  b.state.puzzle.Clues.SetCurrentRow(1);
  b.commands.BoardMouseDown(4 * 16 + 2, 2 * 16 + 2, MouseButton::Left);
  EXPECT_TRUE(b.state.puzzle.DragActive);
  EXPECT_EQ(Row(), 1);
}

TEST_F(CrossingWords, SelectionRestartsTypingAndShowsTheClueCutToTheStrip) {
  b.state.puzzle.Clues.SetCell(1, 1, std::string(80, 'x'));
  b.StartSolving(1);
  b.state.puzzle.TypedCount = 3;
  b.state.puzzle.TypedText = "abc";
  b.commands.ClueChosen(1);
  EXPECT_EQ(b.state.window.ClueLineText, std::string(67, 'x'));
  EXPECT_EQ(b.state.window.ClueLineLeft, 16);
  EXPECT_EQ(b.state.puzzle.TypedCount, 0);
  EXPECT_TRUE(b.state.puzzle.TypedText.empty());
  EXPECT_EQ(b.state.puzzle.CurrentWordX, 2);
  EXPECT_EQ(b.state.puzzle.CurrentWordY, 6);
  EXPECT_EQ(b.state.puzzle.CurrentWordLength, 3);
}

TEST_F(CrossingWords, SettingTheRowItAlreadyHasDoesNotSelectAgain) {
  b.StartSolving(1);
  b.state.puzzle.TypedCount = 2;
  b.commands.ClueChosen(0);
  EXPECT_EQ(b.state.puzzle.TypedCount, 2);
}

TEST_F(CrossingWords, WhileTheAnswersAreShownTheListChangesOnlyTheClueLine) {
  b.StartSolving(1);
  b.state.puzzle.AnswersShown = true;
  b.state.puzzle.PlayActive = 0;
  b.state.puzzle.TypedCount = 2;
  b.commands.ClueChosen(1);
  EXPECT_EQ(b.state.window.ClueLineText, W(" Домашний зверь"));
  EXPECT_EQ(b.state.puzzle.TypedCount, 2);
  EXPECT_EQ(b.state.puzzle.CurrentWordLength, 5);
}

TEST_F(CrossingWords, DeleteErasesTheCurrentWordsEntryAtOnce) {
  b.StartSolving(1);
  b.state.puzzle.SlotEntry[1] = W("пир");
  b.state.puzzle.SlotEntry[2] = W("ко");
  b.commands.KeyDown(Key::Delete);
  EXPECT_TRUE(b.state.puzzle.SlotEntry[1].empty());
  EXPECT_EQ(b.state.puzzle.SlotEntry[2], W("ко"));
  // Repainted at once: the first cell is a plain (highlighted) word cell again.
  EXPECT_EQ(b.canvas.CellInside(3, 2), b.state.settings.Colors.WordCellColor ^ Rgb(128, 0, 128));
}

TEST_F(CrossingWords, F12CopiesEveryAnswerIntoItsEntryAndHidesTheMessage) {
  b.state.window.TallyVisible = true;
  b.commands.KeyDown(Key::F12);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(b.state.puzzle.SlotEntry[k], b.state.puzzle.SlotAnswer[k]);
  EXPECT_FALSE(b.state.window.TallyVisible);
}

TEST_F(CrossingWords, FunctionKeysDoNothingWhileTheMinimumFieldHasTheFocus) {
  b.commands.MinCellsFocusChanged(true);
  b.commands.KeyDown(Key::F12);
  b.commands.KeyDown(Key::F8);
  EXPECT_TRUE(b.state.puzzle.SlotEntry[1].empty());
  EXPECT_EQ(b.state.puzzle.SlotCount, 3);
}

TEST(EscapeKey, ClosesTheSettingsPanelCopyingTheKaleidoscopeBox) {
  PlayBench b;
  b.commands.ButtonClick(Button::OpenSettings);
  EXPECT_TRUE(b.state.window.SettingsPanelVisible);
  EXPECT_FALSE(b.state.window.RightBarVisible);
  EXPECT_EQ(b.state.settings.HelpContext, 1);
  b.state.settings.KaleidoscopeBox = true;
  EXPECT_FALSE(b.state.settings.KaleidoscopeOn);  // the box alone changes nothing
  b.commands.MinCellsFocusChanged(true);             // Escape acts whatever has the focus
  b.commands.KeyPress(kEscape);
  EXPECT_FALSE(b.state.window.SettingsPanelVisible);
  EXPECT_TRUE(b.state.window.RightBarVisible);
  EXPECT_EQ(b.state.settings.HelpContext, 0);
  EXPECT_TRUE(b.state.settings.KaleidoscopeOn);
}

TEST(EscapeKey, HidesTheAnswersTheRewardAndTheMessages) {
  PlayBench b;
  b.AddSlot(1, 1, 3, false, W("кот"), W(" a"));
  b.state.puzzle.AnswersShown = true;
  b.state.window.RewardVisible = true;
  b.state.window.TallyVisible = true;
  b.state.window.AdvertVisible = true;
  b.commands.KeyPress(kEscape);
  EXPECT_FALSE(b.state.puzzle.AnswersShown);
  EXPECT_EQ(b.state.puzzle.PlayActive, 1);
  EXPECT_FALSE(b.state.window.RewardVisible);
  EXPECT_FALSE(b.state.window.TallyVisible);
  EXPECT_FALSE(b.state.window.AdvertVisible);
  EXPECT_TRUE(b.state.window.ClueLineVisible);
}

}  // namespace
}  // namespace gx
