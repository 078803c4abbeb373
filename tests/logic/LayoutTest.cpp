#include "board/Layout.h"

#include <gtest/gtest.h>

namespace gx {
namespace {

TEST(LayoutWindow, DesignSizeGivesTwentyOneCellsAndPlacesTheNeighbours) {
  const auto l = LayoutWindow(528, 451);
  ASSERT_TRUE(l);
  EXPECT_EQ(l->cells, 21);
  EXPECT_EQ(l->paint, (Box{8, 8, 336, 336}));
  EXPECT_EQ(l->bevel1, (Box{6, 6, 340, 340}));
  EXPECT_EQ(l->grid1.left, 352);
  EXPECT_EQ(l->grid1.width, 168);
  EXPECT_EQ(l->grid1.height, 336);
  EXPECT_EQ(l->grid1_column1, 128);
  EXPECT_EQ(l->bevel4, (Box{350, 6, 172, 340}));
  EXPECT_EQ(l->image2_left, 39);
  EXPECT_EQ(l->image2_top, 39);
  EXPECT_EQ(l->panels_top, 385);
  EXPECT_EQ(l->panel1_left, 358);
  EXPECT_EQ(l->panel2_left, 174);
  EXPECT_EQ(l->image1_left, 175);
  EXPECT_EQ(l->label8_top, 431);
  EXPECT_EQ(l->bevel5.top, 353);
  EXPECT_EQ(l->bevel5.width, 516);
  EXPECT_EQ(l->progress_bar1.top, 359);
  EXPECT_EQ(l->progress_bar1.width, 496);
  EXPECT_EQ(l->label1_top, 357);
  EXPECT_EQ(l->label2_top, 355);
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
  EXPECT_EQ(wide->grid1.width, narrow->grid1.width + 272);
  EXPECT_EQ(wide->grid1_column1, narrow->grid1_column1 + 272);
  EXPECT_EQ(wide->bevel5.width, 788);
  EXPECT_EQ(wide->progress_bar1.width, narrow->progress_bar1.width + 272);
  EXPECT_EQ(wide->panel1_left, narrow->panel1_left + 272);
  EXPECT_EQ(wide->panel2_left, narrow->panel2_left + 272);
  EXPECT_EQ(wide->image1_left, narrow->image1_left);
}

TEST(LayoutWindow, HugeWindowsKeepTheBoardAtSixtyThreeCells) {
  const auto l = LayoutWindow(3000, 2000);
  ASSERT_TRUE(l);
  EXPECT_EQ(l->cells, 63);
  EXPECT_EQ(l->paint.width, 1008);
  EXPECT_EQ(l->grid1.left, 8 + 1008 + 8);
  EXPECT_EQ(l->grid1.width, 3000 - 1016 - 16);
  EXPECT_EQ(l->image2_left, 8 + (1008 - 273) / 2);
}

}  // namespace
}  // namespace gx
