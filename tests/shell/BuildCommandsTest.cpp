// F5 and F7 as the window and the batch tool run them: through the command core.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "PlayTestSupport.h"
#include "base/Cp1251.h"
#include "core/EngineTexts.h"
#include "core/Extraction.h"
#include "core/Generator.h"
#include "shell/CommandCore.h"
#include "CommandCoreTestDoor.h"

namespace gx {
namespace {

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

// A core on a board of 19 x 19 with a dictionary in memory, counting the fills it reports.
struct CoreBench {
  explicit CoreBench(Host& host, const std::vector<std::string>& entries = {}, std::uint16_t attempts = 256)
      : canvas(19 * 16, 19 * 16), core("/prog", host, canvas, random), state(CommandCoreTestDoor::State(core)) {
    core.SetBoardRoom(19 * 16, 19 * 16);
    test::FillDictionary(state.dictionary, entries);
    state.dictionary.DictionaryLoaded = true;
    state.settings.MinSlotCount = 4;
    state.settings.MaxFillAttempts = attempts;
    CommandCoreTestDoor::Builds(core).SetFillObserver([this](const FillReport& report) {
      ++reports;
      placed_when_reported = state.puzzle.PlacedCount;
      clue_when_reported = state.puzzle.Clues.Clue(0);
      (void)report;
    });
  }
  SeededRandom random{2};
  test::MemoryCanvas canvas;
  CommandCore core;
  Gridlex& state;
  int reports = 0;
  int placed_when_reported = -1;
  std::string clue_when_reported;
};

TEST(BuildCommand, BuildsAFilledPrunedGridAndRequeuesItsWords) {
  NullHost host;
  CoreBench b(host, SmallAlphabetDictionary(11, 3000));
  b.state.puzzle.SlotEntry[3] = "TYPED";
  b.state.puzzle.AnswersShown = true;
  const FillReport report = CommandCoreTestDoor::Builds(b.core).Build();
  const Puzzle& p = b.state.puzzle;
  ASSERT_EQ(report.search.outcome, GridSearchOutcome::Accepted);
  EXPECT_EQ(b.reports, 1);
  ASSERT_TRUE(report.fill.complete);
  EXPECT_EQ(report.fill.placed, p.SlotCount);
  EXPECT_EQ(b.placed_when_reported, p.SlotCount);
  EXPECT_EQ(b.state.window.Caption, Utf8ToCp1251("Новый кроссворд ") + std::to_string(p.SlotCount) + Utf8ToCp1251(" сл"));
  EXPECT_EQ(b.state.PuzzleTitle, b.state.window.Caption);
  EXPECT_EQ(p.PlayActive, 1);
  EXPECT_FALSE(p.AnswersShown);
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
  const DictionaryStore& d = b.state.dictionary;
  const int first = d.DictionaryCount - p.SlotCount + 1;
  for (int k = 1; k <= p.SlotCount; ++k) EXPECT_EQ(d.Entry(first + k - 1), ReconstructedEntry(p, k));
  EXPECT_TRUE(d.DictionaryModified);
}

TEST(BuildCommand, AStoppedOrExhaustedFillIsReportedAsAbortedWithItsCluesDropped) {
  // A stop pressed during the fill: the 60th event processed while it runs.
  struct StopDuringFill : NullHost {
    Puzzle* p = nullptr;
    int left = 60;
    void ProcessEvents() override {
      if (p->FillRunning && --left == 0) p->FillRunning = false;
    }
  } host;
  CoreBench stopped(host, SmallAlphabetDictionary(11, 3000));
  host.p = &stopped.state.puzzle;
  const FillReport report = CommandCoreTestDoor::Builds(stopped.core).Build();
  ASSERT_EQ(report.search.outcome, GridSearchOutcome::Accepted);
  EXPECT_FALSE(report.fill.complete);
  EXPECT_LT(stopped.state.puzzle.PlacedCount, stopped.state.puzzle.SlotCount);
  EXPECT_GT(stopped.state.puzzle.PlacedCount, 0);
  EXPECT_FALSE(stopped.state.puzzle.FillRunning);
  EXPECT_EQ(stopped.state.window.Caption, Utf8ToCp1251("Построение прервано"));
  // The batch tool takes the fill as reported, with the clues the finish then drops.
  EXPECT_FALSE(stopped.clue_when_reported.empty());
  EXPECT_TRUE(stopped.state.puzzle.Clues.Clue(0).empty());

  NullHost quiet;
  CoreBench exhausted(quiet, {"ABCD x", "ABCE y"}, 3);
  const FillReport out = CommandCoreTestDoor::Builds(exhausted.core).Build();
  EXPECT_FALSE(out.fill.complete);
  EXPECT_EQ(out.fill.attempts, 3);
  EXPECT_FALSE(exhausted.state.puzzle.FillRunning);
  // Two words of four letters cannot fill a generated grid: the caption says which length is short.
  EXPECT_TRUE(out.fill.shortfall.cause == FillShortfall::Cause::NoWordsOfLength ||
              out.fill.shortfall.cause == FillShortfall::Cause::TooFewWordsOfLength);
  EXPECT_EQ(exhausted.state.window.Caption, texts::BuildAborted(out.fill.shortfall));
  EXPECT_NE(exhausted.state.window.Caption, texts::BuildAborted());
}

// An unfinished fill of the ring of four 3-letter slots says why: no word of the length, fewer
// different words than slots (a repeated word counts once), or the attempts used up; a stop says
// nothing more.
TEST(RefillCommand, AnUnfinishedFillSaysWhy) {
  struct Case {
    std::vector<std::string> entries;
    const char* caption;
  };
  const std::vector<Case> cases = {
      {{"ABCD x", "ABCE y"}, "Построение прервано: в словаре нет слов длиной 3"},
      {{"ABA one", "ABA two", "AXA three", "ABCD four"}, "Построение прервано: слов длиной 3 в словаре 2, а в сетке 4"},
      {{"ABC one", "DEF two", "GHI three", "JKL four", "MNO five"},
       "Построение прервано: исчерпаны все попытки заполнения (3)"},
  };
  NullHost host;
  for (const Case& c : cases) {
    CoreBench b(host, c.entries, 3);
    test::DrawGrid(b.state.puzzle, {"###", "#.#", "###"});
    ClassifyCells(b.state.puzzle);
    ExtractSlots(b.state.puzzle);
    const FillReport report = CommandCoreTestDoor::Builds(b.core).Refill();
    EXPECT_FALSE(report.fill.complete);
    EXPECT_EQ(b.state.window.Caption, Utf8ToCp1251(c.caption));
  }
  FillShortfall stopped;
  stopped.cause = FillShortfall::Cause::Stopped;
  EXPECT_EQ(texts::BuildAborted(stopped), Utf8ToCp1251("Построение прервано"));

  // A build that finds no grid of the minimum count says so.
  CoreBench unreachable(host, {"ABA one"});
  unreachable.state.settings.MinSlotCount = 128;
  CommandCoreTestDoor::Builds(unreachable.core).SetMaxGenerations(3);
  CommandCoreTestDoor::Builds(unreachable.core).Build();
  EXPECT_EQ(unreachable.state.window.Caption,
            Utf8ToCp1251("Построение прервано: подходящей сетки не нашлось (попыток: 3, минимум слов: 128)"));
}

TEST(RefillCommand, RefusesTooFewTooManyAndTooLongSlotsWithTheirCaptions) {
  NullHost host;
  CoreBench empty(host, {"ABA one"});
  empty.state.puzzle.SlotEntry[1] = "AB";
  EXPECT_EQ(CommandCoreTestDoor::Builds(empty.core).Refill().check, RefillCheck::TooFewSlots);
  EXPECT_EQ(empty.state.window.Caption, Utf8ToCp1251("Мало ячеек"));
  EXPECT_EQ(empty.state.puzzle.SlotEntry[1], std::string_view("AB"));

  CoreBench lattice(host, {"ABA one"});
  Puzzle& p = lattice.state.puzzle;
  p.BoardRows = p.BoardCols = 21;
  ScriptedRandom random({0});
  WindowProgress progress(lattice.state.window);
  LatticeTemplate(p, random, progress);
  EXPECT_EQ(CheckRefillSlots(p).long_slots.size(), 22u);
  EXPECT_EQ(CommandCoreTestDoor::Builds(lattice.core).Refill().check, RefillCheck::SlotsTooLong);
  EXPECT_EQ(lattice.state.window.Caption, Utf8ToCp1251("Ячейки более 19 клеток"));
  EXPECT_EQ(lattice.reports, 0);
  // A slot of exactly 19 cells is accepted.
  Puzzle nineteen;
  test::DrawGrid(nineteen, {"###################", "#.................#", "###################"});
  ClassifyCells(nineteen);
  ExtractSlots(nineteen);
  EXPECT_EQ(CheckRefillSlots(nineteen).check, RefillCheck::Ready);

  CoreBench crowded(host, {"ABA one"});
  Puzzle& q = crowded.state.puzzle;
  q.BoardRows = q.BoardCols = 63;
  // Small plus signs every 4 cells: 15 x 15 of them, two slots each.
  for (int cx = 1; cx < 61; cx += 4) {
    for (int cy = 1; cy < 61; cy += 4) {
      q.MarkAcross(3, static_cast<std::int8_t>(cx - 1), static_cast<std::int8_t>(cy));
      q.MarkDown(3, static_cast<std::int8_t>(cx), static_cast<std::int8_t>(cy - 1));
    }
  }
  ClassifyCells(q);
  ExtractSlots(q);
  ASSERT_GT(q.SlotCount, 250);
  EXPECT_EQ(CommandCoreTestDoor::Builds(crowded.core).Refill().check, RefillCheck::TooManySlots);
  EXPECT_EQ(crowded.state.window.Caption, texts::Filling());
}

TEST(RefillCommand, RefillsTheRingWithNewWords) {
  NullHost host;
  CoreBench b(host, {"ABA one", "AXA three", "AYA four", "AZA five"}, 16);
  Puzzle& p = b.state.puzzle;
  test::DrawGrid(p, {"###", "#.#", "###"});
  ClassifyCells(p);
  ExtractSlots(p);
  p.SetLetter(1, 0, 'Q');
  p.SlotAnswer[1] = "QQQ";
  const FillReport report = CommandCoreTestDoor::Builds(b.core).Refill();
  EXPECT_TRUE(report.fill.complete);
  EXPECT_EQ(b.reports, 1);
  EXPECT_EQ(p.Letter(1, 0), 'B');
  EXPECT_EQ(b.state.window.Caption, Utf8ToCp1251("Новый кроссворд 4 сл"));
  EXPECT_EQ(b.state.dictionary.Entry(1), "ABA one");  // all four were used: same order back
}

}  // namespace
}  // namespace gx
