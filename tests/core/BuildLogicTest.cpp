#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "core/BuildLogic.h"
#include "core/Extraction.h"
#include "core/Generator.h"

namespace gx {
namespace {

Puzzle Board(int size) {
  Puzzle p;
  p.BoardRows = p.BoardCols = static_cast<std::uint16_t>(size);
  return p;
}

TEST(BuildAcceptance, SlotCountsMustBeInRangeAndFollowTheCentreRule) {
  Puzzle p = Board(19);
  p.SlotCount = 8;
  EXPECT_TRUE(IsAcceptableGrid(p, 4));
  EXPECT_FALSE(IsAcceptableGrid(p, 9));
  p.SlotCount = 10;
  EXPECT_FALSE(IsAcceptableGrid(p, 4));
  p.SetMask(9, 9, GridCell);  // the centre of 19 x 19
  EXPECT_TRUE(IsAcceptableGrid(p, 4));
  p.SlotCount = 8;
  EXPECT_FALSE(IsAcceptableGrid(p, 4));
  p.SlotCount = 130;
  EXPECT_FALSE(IsAcceptableGrid(p, 4));
  p.SlotCount = 126;
  EXPECT_TRUE(IsAcceptableGrid(p, 4));
  p.SetMask(9, 9, Background);
  p.SlotCount = 128;
  EXPECT_TRUE(IsAcceptableGrid(p, 128));
  p.SlotCount = 132;
  EXPECT_FALSE(IsAcceptableGrid(p, 4));
}

TEST(BuildAcceptance, MinSlotCountIsHeldWithinFourTo128) {
  EXPECT_EQ(BoundedMinSlotCount(0), 4);
  EXPECT_EQ(BoundedMinSlotCount(60), 60);
  EXPECT_EQ(BoundedMinSlotCount(255), 128);
}

TEST(BuildAcceptance, EveryAcceptedGridMeetsTheRules) {
  NullHost host;
  for (std::uint64_t seed = 1; seed <= 30; ++seed) {
    Puzzle p = Board(19 + 2 * static_cast<int>(seed % 3));
    SeededRandom random(seed);
    const std::uint8_t min = seed % 2 ? 4 : 40;
    const GridSearch search = GenerateAcceptableGrid(p, random, host, min, 10000);
    ASSERT_EQ(search.outcome, GridSearchOutcome::Accepted) << seed;
    EXPECT_GE(search.generations, 1u);
    EXPECT_GE(p.SlotCount, min);
    EXPECT_LE(p.SlotCount, 128);
    const int centre = p.BoardCols / 2;
    EXPECT_EQ((p.SlotCount - (p.Mask(centre, centre) ? 2 : 0)) % 4, 0) << seed;
  }
}

TEST(BuildAcceptance, GenerationStopsAtTheBoundOrWhenDrawsRunOut) {
  // The middle-rule grid of four uncrossed runs has no slot: never acceptable.
  std::vector<std::uint64_t> one_grid;
  for (int i = 0; i < 200; ++i) one_grid.insert(one_grid.end(), {5, 0, 2});
  one_grid.push_back(0);
  std::vector<std::uint64_t> draws;
  for (int g = 0; g < 3; ++g) draws.insert(draws.end(), one_grid.begin(), one_grid.end());
  NullHost host;
  {
    Puzzle p = Board(19);
    ScriptedRandom random(draws);
    const GridSearch search = GenerateAcceptableGrid(p, random, host, 4, 3);
    EXPECT_EQ(search.outcome, GridSearchOutcome::NoAcceptableGrid);
    EXPECT_EQ(search.generations, 3u);
  }
  {
    Puzzle p = Board(19);
    ScriptedRandom random(draws);
    const GridSearch search = GenerateAcceptableGrid(p, random, host, 4, 10);
    EXPECT_EQ(search.outcome, GridSearchOutcome::DrawsExhausted);
    EXPECT_EQ(search.generations, 4u);
  }
}

TEST(BuildPruning, CellsInNoSlotGoAndTheirCrossingNeighboursBecomePlain) {
  Puzzle p;
  test::DrawGrid(p, {"###.", "####", "###."});  // the ring with a stub at (3, 1)
  ClassifyCells(p);
  ExtractSlots(p);
  ASSERT_EQ(p.Mask(2, 1), CrossingCell);  // the stub made it one
  // Column 1 runs through the ring's hole now filled: give the model the ring's four slots only.
  Puzzle ring;
  test::DrawGrid(ring, {"###", "#.#", "###"});
  ClassifyCells(ring);
  ExtractSlots(ring);
  p.SlotCount = ring.SlotCount;
  for (int k = 1; k <= ring.SlotCount; ++k) {
    p.SlotX[k] = ring.SlotX[k];
    p.SlotY[k] = ring.SlotY[k];
    p.SlotLength[k] = ring.SlotLength[k];
    p.SlotVertical[k] = ring.SlotVertical[k];
  }
  p.SetMask(1, 1, Background);
  PruneUnusedCells(p);
  EXPECT_EQ(p.Mask(3, 1), Background);
  EXPECT_EQ(p.Mask(2, 1), GridCell);
  EXPECT_EQ(p.Mask(0, 0), CrossingCell);
  EXPECT_EQ(p.Mask(2, 2), CrossingCell);
}

}  // namespace
}  // namespace gx
