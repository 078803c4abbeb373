#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Generator.h"
#include "core/RandomSource.h"
#include "base/Cp1251.h"

namespace gx {
namespace {

using Draws = std::vector<std::uint64_t>;

// Placement draws for words given as raw draw values (length draw, x draw, y draw).
void Append(Draws& draws, std::initializer_list<std::uint64_t> values, int times = 1) {
  for (int i = 0; i < times; ++i) draws.insert(draws.end(), values);
}

// Ends the placement phase after `counted` tries by repeating a candidate the spacing rule rejects.
void EndPlacement(Draws& draws, int counted, std::initializer_list<std::uint64_t> rejected) {
  Append(draws, rejected, 200 - counted);
  draws.push_back(0);  // the length draw of the try that exceeds 200
}

bool Set(const Puzzle& p, int x, int y) { return p.Mask(x, y) != Background; }

std::string Row(const Puzzle& p, int y) {
  std::string row;
  for (int x = 0; x < p.BoardCols; ++x) row += Set(p, x, y) ? '#' : '.';
  return row;
}

int FindSlot(const Puzzle& p, int x, int y, int vertical) {
  for (int k = 1; k <= p.SlotCount; ++k) {
    if (p.SlotX[k] == x && p.SlotY[k] == y && p.SlotVertical[k] == vertical) return k;
  }
  return 0;
}

Puzzle Board(int size) {
  Puzzle p;
  p.BoardRows = p.BoardCols = static_cast<std::uint16_t>(size);
  return p;
}

TEST(GridGenerator, MiddleRuleJoinsAWordWithItsMirrorThroughTheMiddleColumn) {
  // Length 9 on a 19 x 19 board leaves room 0, so x = 0 and x + len reaches the middle: the word
  // becomes 4 cells at columns 6..9 and its mirror continues it to 6..12.
  Puzzle p = Board(19);
  Draws draws;
  Append(draws, {5, 0, 2});
  EndPlacement(draws, 1, {5, 0, 2});
  ScriptedRandom random(draws);
  NullHost host;
  ASSERT_EQ(GenerateGrid(p, random, host), GenerateStatus::Extracted);
  EXPECT_FALSE(random.Exhausted());
  EXPECT_EQ(random.Used(), draws.size());
  EXPECT_EQ(Row(p, 2), "......#######......");
  EXPECT_EQ(Row(p, 16), "......#######......");
  for (int y = 6; y <= 12; ++y) EXPECT_TRUE(Set(p, 2, y) && Set(p, 16, y)) << y;
  EXPECT_FALSE(Set(p, 2, 5));
  EXPECT_FALSE(Set(p, 2, 13));
  // Four straight 7-cell runs without a crossing give no slot.
  EXPECT_EQ(p.SlotCount, 0);
}

TEST(GridGenerator, RunsAreMirroredAndTransposedBeforeTheCut) {
  // One word (1..4, 2) crossing its own transpose at (2, 2), on a 19 x 19 board.
  Puzzle p = Board(19);
  Draws draws;
  Append(draws, {0, 1, 2});
  EndPlacement(draws, 1, {0, 1, 2});
  ScriptedRandom random(draws);
  NullHost host;
  ASSERT_EQ(GenerateGrid(p, random, host), GenerateStatus::Extracted);
  for (int x = 0; x < 19; ++x) {
    for (int y = 0; y < 19; ++y) {
      EXPECT_EQ(Set(p, x, y), Set(p, y, x)) << x << "," << y;
      EXPECT_EQ(Set(p, x, y), Set(p, 18 - x, y)) << x << "," << y;
      EXPECT_EQ(Set(p, x, y), Set(p, x, 18 - y)) << x << "," << y;
    }
  }
  EXPECT_EQ(Row(p, 2), ".####.........####.");
  EXPECT_EQ(p.SlotCount, 8);
  EXPECT_EQ(p.AcrossCount, 4);
  const int k = FindSlot(p, 1, 2, 0);
  ASSERT_NE(k, 0);
  EXPECT_EQ(p.SlotLength[k], 4);
  EXPECT_EQ(p.SlotCrossings[k], 1);
  EXPECT_NE(FindSlot(p, 14, 2, 0), 0);  // the left-right mirror: 19 - 1 - 4
  EXPECT_NE(FindSlot(p, 2, 14, 1), 0);  // the transpose mirrored top-bottom: 19 - 1 - 4
}

TEST(GridGenerator, SpacingRuleRejectsNeighboursButCountsTheirTries) {
  // Word (1..4, 2); the candidate (1..4, 3) touches it and is rejected, (1..4, 4) is two rows away
  // and is taken.
  Puzzle p = Board(19);
  Draws draws;
  Append(draws, {0, 1, 2});
  Append(draws, {0, 1, 3});
  Append(draws, {0, 1, 4});
  EndPlacement(draws, 3, {0, 1, 2});
  ScriptedRandom random(draws);
  NullHost host;
  ASSERT_EQ(GenerateGrid(p, random, host), GenerateStatus::Extracted);
  EXPECT_EQ(random.Used(), draws.size());
  EXPECT_EQ(Row(p, 1).substr(0, 8), "..#.#...");
  EXPECT_EQ(Row(p, 2).substr(0, 8), ".####...");
  EXPECT_EQ(Row(p, 3).substr(0, 8), "..#.#...");  // only the transposes pass row 3
  EXPECT_EQ(Row(p, 4).substr(0, 8), ".####...");
  EXPECT_EQ(Row(p, 5).substr(0, 8), "........");
}

TEST(GridGenerator, SlotsWithMoreThanThreeCrossingsLoseTheirMiddleCell) {
  // On a 21 x 21 board (half 10): (0..8, 4) is crossed by the transposes of itself and of words in
  // rows 2, 6 and 8, four crossings: its cell 0 + 9 div 2 = 4 goes, and the mirror image loses
  // 12 + 8 - 4 = 16. The down slot in column 4 then has only 3 crossings left and keeps its cells.
  Puzzle p = Board(21);
  Draws draws;
  Append(draws, {5, 0, 4});  // length 9, room 1
  Append(draws, {0, 1, 2});  // (1..4, 2)
  Append(draws, {0, 3, 6});  // (3..6, 6)
  Append(draws, {0, 2, 8});  // (2..5, 8)
  EndPlacement(draws, 4, {5, 0, 4});
  ScriptedRandom random(draws);
  NullHost host;
  ASSERT_EQ(GenerateGrid(p, random, host), GenerateStatus::Extracted);
  EXPECT_EQ(Row(p, 4), "####.####...####.####");
  EXPECT_TRUE(Set(p, 4, 3) && Set(p, 4, 5));
  const int left = FindSlot(p, 0, 4, 0), right = FindSlot(p, 5, 4, 0);
  ASSERT_NE(left, 0);
  ASSERT_NE(right, 0);
  EXPECT_EQ(p.SlotLength[left], 4);
  EXPECT_EQ(p.SlotLength[right], 4);
  EXPECT_NE(FindSlot(p, 12, 4, 0), 0);
  EXPECT_NE(FindSlot(p, 17, 4, 0), 0);
  // The column through the removed cell is cut by extraction only, not by the down cut.
  EXPECT_NE(FindSlot(p, 4, 0, 1), 0);
  EXPECT_NE(FindSlot(p, 4, 5, 1), 0);
  EXPECT_TRUE(Set(p, 4, 6) && Set(p, 4, 2));
  // Left-right and top-bottom symmetry survive the cut.
  for (int x = 0; x < 21; ++x) {
    for (int y = 0; y < 21; ++y) {
      EXPECT_EQ(Set(p, x, y), Set(p, 20 - x, y)) << x << "," << y;
      EXPECT_EQ(Set(p, x, y), Set(p, x, 20 - y)) << x << "," << y;
    }
  }
}

TEST(GridGenerator, SeededGridsKeepBothMirrorSymmetriesAndOnlyTheirSlotCells) {
  NullHost host;
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    Puzzle p = Board(seed % 2 ? 19 : 25);
    SeededRandom random(seed);
    ASSERT_NE(GenerateGrid(p, random, host), GenerateStatus::DrawsExhausted);
    const int n = p.BoardCols;
    for (int x = 0; x < n; ++x) {
      for (int y = 0; y < n; ++y) {
        ASSERT_EQ(Set(p, x, y), Set(p, n - 1 - x, y)) << "seed " << seed;
        ASSERT_EQ(Set(p, x, y), Set(p, x, n - 1 - y)) << "seed " << seed;
        ASSERT_EQ(p.Letter(x, y), NoLetter);
      }
    }
  }
}

TEST(GridGenerator, RunCountAbove128EndsTheCallBeforeExtraction) {
  // 17 word pairs on a 63 x 63 board (half 31): across words at columns 20 and 26 in rows
  // 0, 2, .., 16 never come too close. 34 runs mirrored three times make 136.
  Puzzle p = Board(63);
  Draws draws;
  for (int i = 0; i < 17; ++i) {
    Append(draws, {0, static_cast<std::uint64_t>(i % 2 ? 26 : 20), static_cast<std::uint64_t>(2 * (i / 2))});
  }
  EndPlacement(draws, 17, {0, 20, 0});
  ScriptedRandom random(draws);
  NullHost host;
  ASSERT_EQ(GenerateGrid(p, random, host), GenerateStatus::RunsOutOfRange);
  EXPECT_EQ(random.Used(), draws.size());
  EXPECT_EQ(p.SlotCount, 136);
  EXPECT_TRUE(p.Clues.Number(0).empty());  // no extraction numbered anything
  EXPECT_TRUE(Set(p, 20, 16) && Set(p, 62 - 20, 62 - 16));
}

// Word pairs of 4 cells on a 63 x 63 board spaced so that the spacing rule lets all of them in.
Draws SpacedPairs(int pairs) {
  static const int kStarts[][2] = {{0, 0},  {6, 0},   {12, 0},  {18, 0},  {24, 0},  {0, 2},   {6, 2},
                                   {12, 2}, {18, 2},  {24, 2},  {0, 4},   {6, 4},   {12, 4},  {18, 4},
                                   {24, 4}, {10, 6},  {16, 6},  {22, 6},  {0, 8},   {6, 8},   {12, 8},
                                   {18, 8}, {24, 8},  {0, 10},  {12, 10}, {18, 10}, {24, 10}, {16, 12},
                                   {22, 12}, {0, 14}, {6, 14},  {12, 14}, {18, 14}};
  Draws draws;
  for (int i = 0; i < pairs; ++i) {
    Append(draws, {0, static_cast<std::uint64_t>(kStarts[i][0]), static_cast<std::uint64_t>(kStarts[i][1])});
  }
  EndPlacement(draws, pairs, {0, 0, 0});
  return draws;
}

TEST(GridGenerator, RunCountWrapsAtEightBitsInTheMirrorPhase) {
  NullHost host;
  {
    // 32 pairs draw 256 runs, which the 8-bit count holds as 0: the call ends before extraction.
    Puzzle p = Board(63);
    const Draws draws = SpacedPairs(32);
    ScriptedRandom random(draws);
    ASSERT_EQ(GenerateGrid(p, random, host), GenerateStatus::RunsOutOfRange);
    EXPECT_EQ(random.Used(), draws.size());
    EXPECT_EQ(p.SlotCount, 0);
    EXPECT_TRUE(Set(p, 12, 14) && Set(p, 62 - 12, 62 - 14));  // the last pair and its image
  }
  {
    // 33 pairs draw 264 runs, held as 8: within 4..128, so the drawing is extracted.
    Puzzle p = Board(63);
    const Draws draws = SpacedPairs(33);
    ScriptedRandom random(draws);
    ASSERT_EQ(GenerateGrid(p, random, host), GenerateStatus::Extracted);
    EXPECT_EQ(random.Used(), draws.size());
    EXPECT_GT(p.SlotCount, 8);
    EXPECT_EQ(p.Clues.Number(0), FormatClueNumber(1));
  }
}

TEST(GridGenerator, ScriptedDrawsRunningOutStopTheCall) {
  Puzzle p = Board(19);
  ScriptedRandom random({0, 1});
  NullHost host;
  EXPECT_EQ(GenerateGrid(p, random, host), GenerateStatus::DrawsExhausted);
  EXPECT_TRUE(random.Exhausted());
}

TEST(GridGenerator, BoardTooSmallForAnyWordEndsWithoutDrawingForever) {
  Puzzle p = Board(7);
  SeededRandom random(3);
  NullHost host;
  EXPECT_EQ(GenerateGrid(p, random, host), GenerateStatus::RunsOutOfRange);
  EXPECT_EQ(p.SlotCount, 0);
}

TEST(GridGenerator, PlacementLoopLetsTheWindowBreathe) {
  Puzzle p = Board(19);
  Draws draws;
  Append(draws, {5, 0, 2});
  EndPlacement(draws, 1, {5, 0, 2});
  ScriptedRandom random(draws);
  struct CountingHost : NullHost {
    int calls = 0;
    void ProcessEvents() override { ++calls; }
  } host;
  GenerateGrid(p, random, host);
  EXPECT_EQ(host.calls, 201);
}

TEST(LatticeTemplate, EvenParityDrawsLinesZeroTwoToEighteen) {
  Puzzle p = Board(19);
  p.SetLetter(5, 5, 'A');
  ScriptedRandom random({4});  // 4 mod 2 = 0
  WindowState window;
  WindowProgress progress(window);
  ASSERT_EQ(LatticeTemplate(p, random, progress), GenerateStatus::Extracted);
  EXPECT_EQ(p.SlotCount, 20);
  EXPECT_EQ(p.AcrossCount, 10);
  for (int k = 1; k <= 20; ++k) {
    EXPECT_EQ(p.SlotLength[k], 19);
    EXPECT_EQ((p.SlotVertical[k] ? p.SlotX[k] : p.SlotY[k]) % 2, 0);
  }
  EXPECT_EQ(p.Letter(5, 5), NoLetter);
  EXPECT_TRUE(p.GridModified);
  EXPECT_FALSE(p.AnswersShown);
  EXPECT_EQ(window.Caption, Utf8ToCp1251("Решетчатая заготовка  нечетная"));
}

TEST(LatticeTemplate, OddParityDrawsLinesOneToSeventeenAndClearsTheMargin) {
  Puzzle p = Board(19);
  ScriptedRandom random({1});
  WindowState window;
  WindowProgress progress(window);
  ASSERT_EQ(LatticeTemplate(p, random, progress), GenerateStatus::Extracted);
  EXPECT_EQ(p.SlotCount, 18);
  EXPECT_EQ(p.AcrossCount, 9);
  for (int i = 0; i <= 19; ++i) {
    EXPECT_FALSE(Set(p, i, 19));
    EXPECT_FALSE(Set(p, 19, i));
  }
  EXPECT_EQ(window.Caption, Utf8ToCp1251("Решетчатая заготовка  четная"));
}

TEST(RandomSources, SeededSequencesRepeatAndScriptedOnesWrapModN) {
  SeededRandom a(42), b(42), c(43);
  bool differs = false;
  for (int i = 0; i < 100; ++i) {
    const int va = a.Random(10);
    ASSERT_EQ(va, b.Random(10));
    ASSERT_GE(va, 0);
    ASSERT_LT(va, 10);
    differs = differs || va != c.Random(10);
  }
  EXPECT_TRUE(differs);
  ScriptedRandom s({17, 3});
  EXPECT_EQ(s.Random(6), 5);
  EXPECT_EQ(s.Random(2), 1);
  EXPECT_FALSE(s.Exhausted());
  EXPECT_EQ(s.Random(5), 0);
  EXPECT_TRUE(s.Exhausted());
}

}  // namespace
}  // namespace gx
