#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Extraction.h"

namespace gx {
namespace {

// '#' is a painted grid cell, anything else background; the board is size x size.
Puzzle Drawn(const std::vector<std::string>& rows, int size = 19) {
  Puzzle p;
  p.BoardRows = p.BoardCols = static_cast<std::uint16_t>(size);
  for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
    for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
      if (rows[y][x] == '#') p.SetLetter(x, y, PaintedMark);
    }
  }
  ClassifyCells(p);
  ExtractSlots(p);
  return p;
}

TEST(Extraction, CrossOfThreeGivesAcrossFirstButDownNumberedFirst) {
  Puzzle p = Drawn({".#.", "###", ".#."});
  ASSERT_EQ(p.SlotCount, 2);
  EXPECT_EQ(p.AcrossCount, 1);
  EXPECT_EQ(p.SlotVertical[1], 0);
  EXPECT_EQ(p.SlotY[1], 1);
  EXPECT_EQ(p.SlotVertical[2], 1);
  EXPECT_EQ(p.Clues.Number(0), "  2");
  EXPECT_EQ(p.Clues.Number(1), "  1");
  // Fewer than 4 slots: the row count stays at 256.
  EXPECT_EQ(p.Clues.RowCount(), 256);
}

TEST(Extraction, RunsWithoutCrossingAndRunsOfTwoAreNotSlots) {
  Puzzle p = Drawn({"#####", ".....", "##...", "#....", "#...."});
  // The five-cell run has no crossing; the two-cell run crosses but is too short; the down run of 3
  // starting at (0,2) crosses the two-cell run and stays.
  ASSERT_EQ(p.SlotCount, 1);
  EXPECT_EQ(p.SlotVertical[1], 1);
  EXPECT_EQ(p.SlotLength[1], 3);
}

TEST(Extraction, SharedStartCellSharesItsNumberAndDownSlotsSortByNumber) {
  Puzzle p = Drawn({
      "###.###",
      "#.#.#.#",
      "#######",
      "#.#.#.#",
      "###.###",
  }, 7);
  // Across rows 0 (two runs), 2 (one), 4 (two); down columns 0, 2, 4, 6.
  ASSERT_EQ(p.AcrossCount, 5);
  ASSERT_EQ(p.SlotCount, 9);
  EXPECT_EQ(p.Clues.RowCount(), 9);
  // The across slot at (0,0) and the down slot at (0,0) share number 1.
  EXPECT_EQ(p.Clues.Number(0), "  1");
  EXPECT_EQ(p.SlotX[6], 0);
  EXPECT_EQ(p.Clues.Number(5), "  1");
  // Down slots are in ascending order of their numbers, left to right in row 0.
  for (int k = 6; k < 9; ++k) {
    EXPECT_LT(std::stoi(std::string(p.Clues.Number(k - 1))), std::stoi(std::string(p.Clues.Number(k))));
    EXPECT_LT(p.SlotX[k], p.SlotX[k + 1]);
  }
  EXPECT_EQ(p.SlotCrossings[3], 4);  // the middle row crosses all four columns
  EXPECT_EQ(p.MaxCrossings, 4);
}

TEST(Extraction, RunEndingAtTheLastColumnIsClosedByTheColumnBeyond) {
  Puzzle p = Drawn({"....#", "..###", "....#"}, 5);
  ASSERT_EQ(p.SlotCount, 2);
  EXPECT_EQ(p.SlotX[1], 2);
  EXPECT_EQ(p.SlotLength[1], 3);
  EXPECT_EQ(p.SlotX[2], 4);
  EXPECT_EQ(p.SlotLength[2], 3);
}

TEST(Extraction, UnletteredCellKeepsItsCrossingClassWhenOnlyVerticalNeighboursRemain) {
  // Generated grids hold classes without letters; a lettered cell is reset to class 1 first.
  Puzzle p;
  p.BoardRows = p.BoardCols = 19;
  p.MarkAcross(3, 0, 1);
  p.MarkDown(3, 1, 0);
  ClassifyCells(p);
  ASSERT_EQ(p.Mask(1, 1), CrossingCell);
  p.SetMask(0, 1, Background);
  p.SetMask(2, 1, Background);
  ClassifyCells(p);
  ExtractSlots(p);
  EXPECT_EQ(p.Mask(1, 1), CrossingCell);
  ASSERT_EQ(p.SlotCount, 1);  // the down run still counts as crossed
}

TEST(Extraction, MoreThan255QualifyingRunsKeepTheFirst255) {
  // A 63 x 63 lattice of every second line gives 32 + 32 long runs; a fine comb of short crossed
  // runs gives more than the table holds.
  Puzzle p;
  p.BoardRows = p.BoardCols = 63;
  for (int y = 0; y < 63; y += 2) {
    for (int x = 0; x < 63; ++x) p.SetLetter(x, y, PaintedMark);
  }
  for (int x = 0; x < 63; x += 2) {
    for (int y = 0; y < 63; ++y) p.SetLetter(x, y, PaintedMark);
  }
  // Cut every line into 3-cell pieces so that each piece still crosses.
  for (int y = 0; y < 63; y += 2) {
    for (int x = 3; x < 63; x += 4) p.SetLetter(x, y, NoLetter);
  }
  ClassifyCells(p);
  ExtractSlots(p);
  EXPECT_EQ(p.SlotCount, 255);
  for (int k = 1; k <= 255; ++k) {
    ASSERT_GE(p.SlotLength[k], 3);
    ASSERT_LE(p.SlotX[k], 62);
    ASSERT_LE(p.SlotY[k], 62);
  }
}

}  // namespace
}  // namespace gx
