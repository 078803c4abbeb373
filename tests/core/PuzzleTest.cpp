#include <gtest/gtest.h>

#include "core/Puzzle.h"

namespace gx {
namespace {

TEST(PuzzleModel, CountAcrossSlotsStopsAtTheFirstDownSlot) {
  Puzzle p;
  p.SlotCount = 3;
  p.SlotVertical[1] = 0;
  p.SlotVertical[2] = 1;
  p.SlotVertical[3] = 0;
  p.CountAcrossSlots();
  EXPECT_EQ(p.AcrossCount, 1);
  p.SlotVertical[2] = 0;
  p.CountAcrossSlots();
  EXPECT_EQ(p.AcrossCount, 3);
}

TEST(PuzzleModel, ResetEmptiesBoardSlotsAndClueList) {
  Puzzle p;
  p.SetMask(3, 4, CrossingCell);
  p.SetLetter(3, 4, '\xE0');
  p.SlotCount = 2;
  p.SlotAnswer[3] = "abc";
  p.Clues.SetCell(1, 2, " clue");
  p.PlayActive = 1;
  p.ResetBoard();
  EXPECT_EQ(p.Mask(3, 4), Background);
  EXPECT_EQ(p.Letter(3, 4), NoLetter);
  EXPECT_TRUE(p.SlotAnswer[3].empty());
  EXPECT_TRUE(p.Clues.Clue(2).empty());
  EXPECT_EQ(p.Clues.RowCount(), 256);
  EXPECT_EQ(p.SlotCount, 0);
  EXPECT_EQ(p.PlayActive, 0);
}

TEST(PuzzleModel, CellsOffTheStorageReadAsBackgroundAndIgnoreWrites) {
  Puzzle p;
  p.SetMask(64, 0, GridCell);
  p.SetMask(-1, 5, GridCell);
  EXPECT_EQ(p.Mask(64, 0), Background);
  EXPECT_EQ(p.Letter(-1, 5), NoLetter);
  p.MarkAcross(9, 60, 2);  // runs off the right edge
  EXPECT_EQ(p.Mask(63, 2), GridCell);
}

TEST(FixedStrings, LongTextsAreCutToTheirMaximum) {
  AnswerText a(std::string(30, 'x'));
  EXPECT_EQ(a.size(), 24u);
  a.Append('y');
  EXPECT_EQ(a.size(), 24u);
}

}  // namespace
}  // namespace gx
