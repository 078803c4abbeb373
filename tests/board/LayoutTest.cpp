#include "board/Layout.h"

#include <gtest/gtest.h>

namespace gx {
namespace {

TEST(LayoutWindow, DesignSizeGivesTwentyOneCellsAndPlacesTheNeighbours) {
  const auto l = LayoutWindow(528, 451);
  ASSERT_TRUE(l);
  EXPECT_EQ(l->cells, 21);
  EXPECT_EQ(l->paint, (Box{8, 8, 336, 336}));
  EXPECT_EQ(l->board_frame, (Box{6, 6, 340, 340}));
  EXPECT_EQ(l->clue_list.left, 352);
  EXPECT_EQ(l->clue_list.width, 168);
  EXPECT_EQ(l->clue_list.height, 336);
  EXPECT_EQ(l->clue_text_width, 128);
  EXPECT_EQ(l->clue_list_frame, (Box{350, 6, 172, 340}));
  EXPECT_EQ(l->reward_left, 39);
  EXPECT_EQ(l->reward_top, 39);
  EXPECT_EQ(l->panels_top, 385);
  EXPECT_EQ(l->right_bar_left, 332);
  EXPECT_EQ(l->settings_panel_left, 174);
  EXPECT_EQ(l->logo_left, 175);
  EXPECT_EQ(l->version_top, 431);
  EXPECT_EQ(l->status_strip.top, 353);
  EXPECT_EQ(l->status_strip.width, 516);
  EXPECT_EQ(l->progress_bar.top, 359);
  EXPECT_EQ(l->progress_bar.width, 496);
  EXPECT_EQ(l->clue_line_top, 357);
  EXPECT_EQ(l->tally_top, 355);
}

TEST(LayoutWindow, EvenCellCountsAreMadeOddAndBelowNineteenNothingMoves) {
  // The side is limited by the height here: side = H - 113.
  EXPECT_EQ(LayoutWindow(1000, 320 + 113)->cells, 19);  // 20 made odd
  EXPECT_EQ(LayoutWindow(1000, 319 + 113)->cells, 19);
  EXPECT_EQ(LayoutWindow(1000, 319 + 113)->paint.width, 304);
  EXPECT_FALSE(LayoutWindow(1000, 303 + 113));           // 18 made 17
  EXPECT_FALSE(LayoutWindow(303 + 177, 1000));           // the width limits the same way
  EXPECT_FALSE(LayoutWindow(0, 0));
  EXPECT_FALSE(LayoutWindow(-50, 451));
}

TEST(LayoutWindow, WideningAHeightLimitedWindowWidensOnlyTheListStripAndPanels) {
  const auto narrow = LayoutWindow(528, 451);
  const auto wide = LayoutWindow(800, 451);
  ASSERT_TRUE(narrow && wide);
  EXPECT_EQ(wide->cells, narrow->cells);
  EXPECT_EQ(wide->clue_list.width, narrow->clue_list.width + 272);
  EXPECT_EQ(wide->clue_text_width, narrow->clue_text_width + 272);
  EXPECT_EQ(wide->status_strip.width, 788);
  EXPECT_EQ(wide->progress_bar.width, narrow->progress_bar.width + 272);
  EXPECT_EQ(wide->right_bar_left, narrow->right_bar_left + 272);
  EXPECT_EQ(wide->settings_panel_left, narrow->settings_panel_left + 272);
  EXPECT_EQ(wide->logo_left, narrow->logo_left);
}

TEST(LayoutWindow, TheBoardStopsWhereBuildsStayReliableAndGrowsOnlyForAPuzzle) {
  // A large window: the board stops at 55 cells and the clue list takes the rest of the width.
  const auto big = LayoutWindow(1900, 1150);
  ASSERT_TRUE(big);
  EXPECT_EQ(big->cells, 55);
  EXPECT_EQ(big->room_cells, 55);
  EXPECT_FALSE(big->scaled);
  EXPECT_EQ(big->paint.width, 880);
  EXPECT_EQ(big->clue_list.left, 8 + 880 + 8);
  EXPECT_EQ(big->clue_list.width, 1900 - 888 - 16);
  EXPECT_EQ(big->reward_left, 8 + (880 - 273) / 2);

  // A loaded puzzle of 61 cells gets its 61 cells at full size where the window has the space.
  const auto grown = LayoutWindow(1900, 1150, 61);
  ASSERT_TRUE(grown);
  EXPECT_EQ(grown->cells, 61);
  EXPECT_EQ(grown->room_cells, 55);
  EXPECT_FALSE(grown->scaled);
  EXPECT_EQ(grown->paint.width, 976);
  EXPECT_EQ(grown->clue_list.width, 1900 - 984 - 16);

  // In the design-size window the same puzzle is shown whole, scaled into the board's space.
  const auto small = LayoutWindow(527, 451, 61);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->cells, 61);
  EXPECT_EQ(small->room_cells, 21);
  EXPECT_TRUE(small->scaled);
  EXPECT_EQ(small->paint, (Box{8, 8, 338, 338}));
  EXPECT_EQ(small->clue_list.left, 8 + 338 + 8);
  // A puzzle no larger than the room changes nothing.
  EXPECT_EQ(LayoutWindow(527, 451, 15)->paint, LayoutWindow(527, 451)->paint);
  EXPECT_EQ(LayoutWindow(527, 451, 15)->cells, 21);

  // The client size that shows a board at 16 pixels a cell lays out exactly that board.
  EXPECT_EQ(LayoutWindow(ClientWidthFor(27), ClientHeightFor(27), 27)->paint.width, 16 * 27);
  EXPECT_FALSE(LayoutWindow(ClientWidthFor(27), ClientHeightFor(27), 27)->scaled);
}

TEST(PuzzleBoardCells, IsTheSmallestOddBoardHoldingEverySlotAndCell) {
  Puzzle p;
  EXPECT_EQ(PuzzleBoardCells(p), 0);
  p.SlotCount = 2;
  p.SlotX[1] = 50, p.SlotY[1] = 3, p.SlotLength[1] = 10, p.SlotVertical[1] = 0;  // ends in column 59
  p.SlotX[2] = 4, p.SlotY[2] = 40, p.SlotLength[2] = 5, p.SlotVertical[2] = 1;   // ends in row 44
  EXPECT_EQ(PuzzleBoardCells(p), 61);
  p.SlotLength[1] = 9;  // ends in column 58: 59 cells, odd already
  EXPECT_EQ(PuzzleBoardCells(p), 59);
  p.SlotCount = 0;
  p.SetMask(20, 2, GridCell);  // a drawn cell outside every slot
  EXPECT_EQ(PuzzleBoardCells(p), 21);
  p.SetLetter(62, 0, 'a');
  EXPECT_EQ(PuzzleBoardCells(p), 63);
  p.SetMask(63, 63, GridCell);  // the last storage cell is never in use: the board stays at 63
  EXPECT_EQ(PuzzleBoardCells(p), 63);
}

}  // namespace
}  // namespace gx
