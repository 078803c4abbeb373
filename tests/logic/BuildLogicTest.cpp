#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "core/BuildLogic.h"
#include "core/EngineTexts.h"
#include "core/Extraction.h"
#include "core/Generator.h"
#include "base/Cp1251.h"

namespace gx {
namespace {

Puzzle Board(int size) {
  Puzzle p;
  p.BoardRows = p.BoardCols = static_cast<std::uint16_t>(size);
  return p;
}

// Words over six letters: dense enough for generated grids to fill completely.
std::vector<std::string> SmallAlphabetDictionary(std::uint64_t seed, int count) {
  SeededRandom random(seed);
  std::vector<std::string> entries;
  for (int e = 0; e < count; ++e) {
    std::string word;
    const int length = 3 + random.Random(7);
    for (int t = 0; t < length; ++t) word += static_cast<char>('A' + random.Random(6));
    entries.push_back(word + " clue " + std::to_string(e));
  }
  return entries;
}

bool InSomeSlot(const Puzzle& p, int x, int y) {
  for (int k = 1; k <= p.SlotCount; ++k) {
    for (int t = 0; t < p.SlotLength[k]; ++t) {
      if (p.SlotCellX(k, t) == x && p.SlotCellY(k, t) == y) return true;
    }
  }
  return false;
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

TEST(BuildCommand, BuildsAFilledPrunedGridAndRequeuesItsWords) {
  test::FillBench b;
  b.puzzle.BoardRows = b.puzzle.BoardCols = 19;
  test::FillDictionary(b.dictionary, SmallAlphabetDictionary(11, 3000));
  b.puzzle.SlotEntry[3] = "TYPED";
  b.puzzle.AnswersShown = 1;
  SeededRandom random(2);
  int ready_calls = 0;
  FillRun run = b.Run(256);
  const BuildResult build = RunBuild(run, random, 4, 10000, [&] {
    ++ready_calls;
    EXPECT_EQ(b.puzzle.PlacedCount, 0);
    EXPECT_EQ(b.puzzle.Letter(0, 0), NoLetter);
  });
  const Puzzle& p = b.puzzle;
  ASSERT_EQ(build.search.outcome, GridSearchOutcome::Accepted);
  EXPECT_EQ(ready_calls, 1);
  ASSERT_TRUE(build.result.fill.complete);
  EXPECT_EQ(build.result.fill.placed, p.SlotCount);
  EXPECT_EQ(build.result.caption, texts::NewCrossword(p.SlotCount));
  EXPECT_EQ(build.result.caption, Utf8ToCp1251("Новый кроссворд ") + std::to_string(p.SlotCount) + Utf8ToCp1251(" сл"));
  EXPECT_EQ(p.AnswersShown, 0);
  EXPECT_TRUE(p.SlotEntry[3].empty());
  // Every grid cell lies in a slot, and every slot reads its answer from the board.
  for (int x = 0; x < 19; ++x) {
    for (int y = 0; y < 19; ++y) {
      if (p.Mask(x, y) != Background) {
        EXPECT_TRUE(InSomeSlot(p, x, y)) << x << "," << y;
      }
    }
  }
  for (int k = 1; k <= p.SlotCount; ++k) {
    for (int t = 0; t < p.SlotLength[k]; ++t) {
      ASSERT_EQ(p.Letter(p.SlotCellX(k, t), p.SlotCellY(k, t)), p.SlotAnswer[k][t]) << k;
    }
  }
  // The puzzle's entries end the dictionary in slot order.
  const int first = b.dictionary.DictionaryCount - p.SlotCount + 1;
  for (int k = 1; k <= p.SlotCount; ++k) {
    EXPECT_EQ(b.dictionary.Entry(first + k - 1), ReconstructedEntry(p, k));
  }
  EXPECT_EQ(b.dictionary.DictionaryModified, 1);
}

TEST(BuildCommand, AStoppedFillIsReportedAsAborted) {
  test::FillBench b;
  b.puzzle.BoardRows = b.puzzle.BoardCols = 19;
  test::FillDictionary(b.dictionary, SmallAlphabetDictionary(11, 3000));
  SeededRandom random(2);
  // A stop pressed during the fill: the 60th event processed while it runs.
  struct StopDuringFill : NullHost {
    Puzzle* p = nullptr;
    int left = 60;
    void ProcessEvents() override {
      if (p->FillRunning == 1 && --left == 0) p->FillRunning = 0;
    }
  } host;
  host.p = &b.puzzle;
  FillRun run = b.Run(256, &host);
  const BuildResult build = RunBuild(run, random, 4, 10000);
  ASSERT_EQ(build.search.outcome, GridSearchOutcome::Accepted);
  EXPECT_FALSE(build.result.fill.complete);
  EXPECT_LT(b.puzzle.PlacedCount, b.puzzle.SlotCount);
  EXPECT_GT(b.puzzle.PlacedCount, 0);
  EXPECT_EQ(b.puzzle.FillRunning, 0);
  EXPECT_EQ(build.result.caption, Utf8ToCp1251("Построение прервано"));
}

TEST(BuildCommand, AFillOutOfAttemptsClearsFillRunningForTheFinish) {
  test::FillBench b;
  b.puzzle.BoardRows = b.puzzle.BoardCols = 19;
  test::FillDictionary(b.dictionary, {"ABCD x", "ABCE y"});
  SeededRandom random(2);
  FillRun run = b.Run(3);
  const BuildResult build = RunBuild(run, random, 4, 10000);
  EXPECT_FALSE(build.result.fill.complete);
  EXPECT_EQ(build.result.fill.attempts, 3);
  EXPECT_EQ(b.puzzle.FillRunning, 0);
  EXPECT_EQ(build.result.caption, texts::BuildAborted());
}

TEST(RefillCommand, RefusesAnEmptyBoardWithoutTouchingIt) {
  Puzzle p;
  WindowState window;
  p.SlotEntry[1] = "AB";
  const RefillSlots slots = PrepareRefill(p, window);
  EXPECT_EQ(slots.check, RefillCheck::TooFewSlots);
  EXPECT_EQ(window.Caption, Utf8ToCp1251("Мало ячеек"));
  EXPECT_EQ(p.SlotEntry[1], std::string_view("AB"));
}

TEST(RefillCommand, ListsEverySlotLongerThan19Cells) {
  Puzzle p;
  p.BoardRows = p.BoardCols = 21;
  ScriptedRandom random({0});
  WindowState window;
  LatticeTemplate(p, random, window);
  const RefillSlots slots = PrepareRefill(p, window);
  EXPECT_EQ(slots.check, RefillCheck::SlotsTooLong);
  EXPECT_EQ(slots.long_slots.size(), 22u);
  EXPECT_EQ(window.Caption, Utf8ToCp1251("Ячейки более 19 клеток"));
  // A slot of exactly 19 cells is accepted.
  test::DrawGrid(p, {"###################", "#.................#", "###################"});
  ClassifyCells(p);
  ExtractSlots(p);
  EXPECT_EQ(PrepareRefill(p, window).check, RefillCheck::Ready);
}

TEST(RefillCommand, MoreThan250SlotsEndSilently) {
  Puzzle p;
  p.BoardRows = p.BoardCols = 63;
  // Small plus signs every 4 cells: 15 x 15 of them, two slots each.
  for (int cx = 1; cx < 61; cx += 4) {
    for (int cy = 1; cy < 61; cy += 4) {
      p.MarkAcross(3, static_cast<std::int8_t>(cx - 1), static_cast<std::int8_t>(cy));
      p.MarkDown(3, static_cast<std::int8_t>(cx), static_cast<std::int8_t>(cy - 1));
    }
  }
  ClassifyCells(p);
  ExtractSlots(p);
  ASSERT_GT(p.SlotCount, 250);
  WindowState window;
  EXPECT_EQ(PrepareRefill(p, window).check, RefillCheck::TooManySlots);
  EXPECT_EQ(window.Caption, texts::Filling());
}

TEST(RefillCommand, RefillsTheRingWithNewWords) {
  test::FillBench b;
  test::DrawGrid(b.puzzle, {"###", "#.#", "###"});
  ClassifyCells(b.puzzle);
  ExtractSlots(b.puzzle);
  b.puzzle.SetLetter(1, 0, 'Q');
  b.puzzle.SlotAnswer[1] = "QQQ";
  ASSERT_EQ(PrepareRefill(b.puzzle, b.window).check, RefillCheck::Ready);
  EXPECT_EQ(b.window.Caption, Utf8ToCp1251("Сетка 4 слов"));
  test::FillDictionary(b.dictionary, {"ABA one", "AXA three", "AYA four", "AZA five"});
  FillRun run = b.Run(16);
  const CommandResult result = RunRefill(run);
  EXPECT_TRUE(result.fill.complete);
  EXPECT_EQ(b.puzzle.Letter(1, 0), 'B');
  EXPECT_EQ(result.caption, Utf8ToCp1251("Новый кроссворд 4 сл"));
  EXPECT_EQ(b.dictionary.Entry(1), "ABA one");  // all four were used: same order back
}

}  // namespace
}  // namespace gx
