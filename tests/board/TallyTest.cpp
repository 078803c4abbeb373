#include "board/Tally.h"

#include <gtest/gtest.h>

#include "PlayTestSupport.h"

namespace gx {
namespace {

using test::PlayBench;
using test::W;

// A puzzle of `words` three-letter across words on separate rows, being solved.
struct Solving : ::testing::Test {
  void Make(int words) {
    for (int k = 0; k < words; ++k) b.AddSlot(1 + (k / 18) * 5, k % 18, 3, false, W("кот"), W(" зверь"));
    b.state.puzzle.PlayActive = 1;
  }
  void Guess(int k) { b.state.puzzle.SlotEntry[k] = b.state.puzzle.SlotAnswer[k]; }
  void GuessAll() {
    for (int k = 1; k <= b.state.puzzle.SlotCount; ++k) Guess(k);
  }
  void Enter() { b.commands.KeyPress(kEnter); }
  PlayBench b;
};

TEST_F(Solving, WrongWordsAreCountedMarkedAndDismissedByTheNextTally) {
  Make(4);
  Guess(1);
  b.state.puzzle.SlotEntry[2] = W("ком");  // right but for its last letter
  b.state.window.ClueLineVisible = true;
  Enter();
  EXPECT_EQ(b.state.window.TallyText, W("Не угадано 3 сл."));
  EXPECT_TRUE(b.state.window.TallyVisible);
  EXPECT_FALSE(b.state.window.ClueLineVisible);
  EXPECT_EQ(b.host.pauses, std::vector<int>{1000});
  EXPECT_EQ(b.host.played.back(), "/prog/snd/e5.wav");
  const Color wrong = b.state.settings.Colors.WrongWordColor;
  EXPECT_EQ(b.canvas.CellInside(3, 1), wrong);    // typed cells of the wrong word
  EXPECT_NE(b.canvas.CellInside(1, 0), wrong);    // the guessed word
  EXPECT_NE(b.canvas.CellInside(1, 2), wrong);    // an untouched word paints nothing

  Enter();
  EXPECT_FALSE(b.state.window.TallyVisible);
  EXPECT_TRUE(b.state.window.ClueLineVisible);
  EXPECT_EQ(b.host.pauses.size(), 1u);
}

TEST_F(Solving, ASolvedPuzzleIsRewardedOnce) {
  Make(37);
  GuessAll();
  b.state.settings.Score = 10;
  b.state.settings.RewardPictureNo = 4;
  Enter();
  EXPECT_EQ(b.state.settings.Score, 13);
  EXPECT_EQ(b.state.window.ScoreText, " 13");
  EXPECT_EQ(b.state.settings.RewardPictureNo, 5);
  EXPECT_EQ(b.host.pictures.back().second, "/prog/pic/s5.jpg");
  EXPECT_TRUE(b.state.window.RewardVisible);
  EXPECT_EQ(b.host.played.back(), "/prog/snd/e6.wav");

  Enter();  // dismisses the picture
  EXPECT_FALSE(b.state.window.RewardVisible);
  Enter();  // already rewarded: nothing
  EXPECT_EQ(b.state.settings.Score, 13);
  EXPECT_FALSE(b.state.window.RewardVisible);
  EXPECT_EQ(b.host.pictures.size(), 1u);
}

TEST_F(Solving, ScoreStopsAt999AndPicturesCycleAfter17) {
  Make(50);
  GuessAll();
  b.state.settings.Score = 998;
  b.state.settings.RewardPictureNo = 17;
  Enter();
  EXPECT_EQ(b.state.settings.Score, 999);
  EXPECT_EQ(b.state.settings.RewardPictureNo, 1);
  EXPECT_EQ(b.host.pictures.back().second, "/prog/pic/s1.jpg");
}

TEST_F(Solving, AMissingPictureKeepsThePointsButShowsNothing) {
  Make(20);
  GuessAll();
  b.host.picture_loads = false;
  Enter();
  EXPECT_EQ(b.state.settings.Score, 2);
  EXPECT_TRUE(b.state.puzzle.RewardShown);
  EXPECT_FALSE(b.state.window.RewardVisible);
  EXPECT_TRUE(b.host.played.empty());
}

TEST_F(Solving, F12ThenEnterGivesTheReward) {
  Make(9);
  b.commands.KeyDown(Key::F12);
  Enter();
  EXPECT_EQ(b.state.settings.Score, 0);  // 9 words give no points but the picture
  EXPECT_TRUE(b.state.window.RewardVisible);
}

// Without clues, or with a slot that has no answer, every empty entry would equal its empty answer:
// such a grid is not a crossword to reward.
TEST_F(Solving, OnlyAFinishedCrosswordIsTallied) {
  b.state.settings.Score = 50;
  b.state.puzzle.PlayActive = 0;
  Enter();  // Enter is a letter key: not taken outside the solving state
  EXPECT_TRUE(b.host.informations.empty());
  b.commands.ButtonClick(Button::Tally);  // no puzzle at all

  for (int k = 0; k < 20; ++k) b.AddSlot(1, k, 3, false);  // a drawn grid: no answers, no clues
  b.state.puzzle.PlayActive = 1;
  Enter();
  Enter();

  for (int k = 1; k <= 20; ++k) {
    b.state.puzzle.SlotAnswer[k] = W("кот");
    b.state.puzzle.Clues.SetCell(1, k - 1, W(" зверь"));
    Guess(k);
  }
  b.state.puzzle.SlotAnswer[7].Clear();
  b.state.puzzle.SlotEntry[7].Clear();
  Enter();

  EXPECT_EQ(b.host.informations, std::vector<std::string>(4, W("Кроссворд не готов")));
  EXPECT_EQ(b.state.settings.Score, 50);
  EXPECT_FALSE(b.state.puzzle.RewardShown);
  EXPECT_TRUE(b.host.pictures.empty());
  EXPECT_FALSE(b.state.window.RewardVisible);
  EXPECT_FALSE(b.state.window.TallyVisible);
  EXPECT_TRUE(b.host.pauses.empty());

  b.state.puzzle.SlotAnswer[7] = W("кот");
  Guess(7);
  Enter();
  EXPECT_EQ(b.state.settings.Score, 52);
  EXPECT_TRUE(b.state.window.RewardVisible);
}

TEST_F(Solving, AnswersCostAPointBelowNineTenthsGuessed) {
  Make(10);
  b.state.settings.Score = 5;
  for (int k = 1; k <= 9; ++k) Guess(k);
  b.commands.KeyDown(Key::F9);
  EXPECT_TRUE(b.state.puzzle.AnswersShown);
  EXPECT_EQ(b.state.puzzle.PlayActive, 0);
  EXPECT_EQ(b.state.settings.Score, 5);  // 90 % is free
  EXPECT_EQ(b.canvas.TextAtCell(1, 9)->text, W(" к"));

  b.commands.KeyDown(Key::F9);  // hiding costs nothing
  EXPECT_FALSE(b.state.puzzle.AnswersShown);
  EXPECT_EQ(b.state.puzzle.PlayActive, 1);

  b.state.puzzle.SlotEntry[9].Clear();
  b.commands.ButtonClick(Button::ShowAnswers);
  EXPECT_TRUE(b.state.puzzle.AnswersShown);
  EXPECT_EQ(b.state.settings.Score, 4);
  EXPECT_EQ(b.state.window.ScoreText, "  4");
}

TEST_F(Solving, WithoutPointsTheAnswersStayHidden) {
  Make(10);
  b.state.settings.Score = 0;
  b.commands.KeyDown(Key::F9);
  EXPECT_FALSE(b.state.puzzle.AnswersShown);
  EXPECT_EQ(b.state.puzzle.PlayActive, 1);
  EXPECT_TRUE(b.host.informations.empty());
}

TEST_F(Solving, AnUnfinishedCrosswordHasNoAnswersToShow) {
  Make(4);
  b.state.puzzle.Clues.SetCell(1, 0, "");
  b.commands.KeyDown(Key::F9);
  EXPECT_EQ(b.host.informations, std::vector<std::string>{W("Кроссворд не готов")});
  EXPECT_FALSE(b.state.puzzle.AnswersShown);
}

}  // namespace
}  // namespace gx
