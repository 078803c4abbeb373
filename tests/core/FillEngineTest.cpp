#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "core/Extraction.h"
#include "core/FillEngine.h"
#include "core/LinearWordSearch.h"
#include "base/Cp1251.h"

namespace gx {
namespace {

using test::Entries;
using test::DrawRing;
using test::FillDictionary;

std::string Answer(const Puzzle& p, int k) { return p.SlotAnswer[k].str(); }

TEST(FillEngine, FillsTheRingSkippingAWordAlreadyPlaced) {
  test::FillBench b;
  DrawRing(b.puzzle);
  ASSERT_EQ(b.puzzle.SlotCount, 4);
  ASSERT_EQ(b.puzzle.MaxCrossings, 2);
  // The second ABA is the same word: it may not go into the bottom slot even though it fits.
  FillDictionary(b.dictionary, {"ABA one", "ABA two", "AXA three", "AYA four", "AZA five"});
  FillRun run = b.Run(8);
  EXPECT_EQ(FillSlots(run), 0);
  const Puzzle& p = b.puzzle;
  EXPECT_EQ(p.PlacedCount, 4);
  EXPECT_TRUE(p.FillRunning);
  EXPECT_EQ(p.PlayActive, 0);
  EXPECT_EQ(Answer(p, 1), "ABA");
  EXPECT_EQ(Answer(p, 2), "AXA");
  EXPECT_EQ(Answer(p, 3), "AYA");
  EXPECT_EQ(Answer(p, 4), "AZA");
  EXPECT_EQ(p.Clues.Clue(1), " three");
  EXPECT_EQ(p.SlotDictPos[2], 3);
  EXPECT_EQ(p.Letter(1, 2), 'X');
  EXPECT_EQ(p.Letter(0, 1), 'Y');
  EXPECT_EQ(p.Letter(1, 1), NoLetter);
  EXPECT_EQ(b.window.ProgressPosition, 1000);
  // Each slot painted as tried, then as found.
  ASSERT_GE(b.painter.painted.size(), 2u);
  EXPECT_EQ(b.painter.painted[0], std::make_pair(1, test::TestPalette().TryingWordColor));
  EXPECT_EQ(b.painter.painted[1], std::make_pair(1, test::TestPalette().FoundWordColor));
}

TEST(FillEngine, ProgressIsRoundedHalfToEven) {
  // 1 of 8 slots is 125, 3 of 8 is 375; with 16 slots 1 of 16 is 62.5, which rounds to 62.
  test::FillBench b;
  b.puzzle.SlotCount = 16;
  b.puzzle.SlotLength[1] = 3;
  FillRun run = b.Run(4);
  PlaceEntry(run, 1, 1, "ABC", " c");
  EXPECT_EQ(b.window.ProgressPosition, 62);
  PlaceEntry(run, 2, 2, "ABD", " c");
  PlaceEntry(run, 3, 3, "ABE", " c");
  EXPECT_EQ(b.window.ProgressPosition, 188);  // 187.5 rounds to the even 188
}

TEST(FillEngine, OneWordOfTheLengthFillsOneSlotAndExhaustsTheAttempts) {
  test::FillBench b;
  DrawRing(b.puzzle);
  FillDictionary(b.dictionary, {"TW two", "ONE only", "FOURS long"});
  FillRun run = b.Run(4);
  EXPECT_EQ(FillSlots(run), 4);
  EXPECT_EQ(b.puzzle.PlacedCount, 1);
  EXPECT_TRUE(b.puzzle.FillRunning);  // not stopped; the caller judges by the count
  EXPECT_EQ(b.window.Caption, Utf8ToCp1251("Заполнение, 4 поп"));
}

TEST(FillEngine, SmallDictionaryTakesTheWrapPathAndRequeuesOnEveryLaterFailure) {
  // Fewer than 100 entries: every retry wraps to position 1, so every later failure of the first
  // lookup reorders the dictionary (the words of the puzzle move to its end) and counts.
  test::FillBench b;
  DrawRing(b.puzzle);
  FillDictionary(b.dictionary, {"ABC x", "CDE y", "QQQ z"});
  FillRun run = b.Run(6);
  EXPECT_EQ(FillSlots(run), 6);
  // Only the requeue marks the store modified: it ran inside the fill.
  EXPECT_TRUE(b.dictionary.DictionaryModified);
  EXPECT_EQ(b.window.Caption, Utf8ToCp1251("Заполнение, 6 поп"));
  const std::vector<std::string> entries = Entries(b.dictionary);
  // The same run with the plain search ends with the same store order and the same board.
  test::FillBench r;
  DrawRing(r.puzzle);
  FillDictionary(r.dictionary, {"ABC x", "CDE y", "QQQ z"});
  LinearWordSearch plain;
  FillRun plain_run = r.Run(6);
  EXPECT_EQ(FillSlots(plain_run, plain), 6);
  EXPECT_EQ(entries, Entries(r.dictionary));
  EXPECT_EQ(b.puzzle.CellLetter, r.puzzle.CellLetter);
}

TEST(FillEngine, FourAttemptsStopRightAfterTheCaptionShowsFour) {
  test::FillBench b;
  DrawRing(b.puzzle);
  FillDictionary(b.dictionary, {"AAA a", "BBB b"});
  FillRun run = b.Run(4);
  EXPECT_EQ(FillSlots(run), 4);
  EXPECT_EQ(b.window.Caption, Utf8ToCp1251("Заполнение, 4 поп"));
  EXPECT_LT(b.puzzle.PlacedCount, 4);
}

TEST(FillEngine, ZeroAttemptsEndAtTheFirstCountedFailure) {
  test::FillBench b;
  DrawRing(b.puzzle);
  FillDictionary(b.dictionary, {"AAA a"});
  FillRun run = b.Run(0);
  EXPECT_EQ(FillSlots(run), 1);
  EXPECT_EQ(b.puzzle.PlacedCount, 1);
}

TEST(FillEngine, StopInTheMiddleKeepsThePlacedWords) {
  test::FillBench b;
  DrawRing(b.puzzle);
  FillDictionary(b.dictionary, {"ABA one", "AXA three", "AYA four", "AZA five"});
  // The slot choice for slot 1 processes events once per slot scanned (1 call), then step 3
  // (2), then one per entry tried (3). The next choice (4, 5) is followed by step 3: the stop.
  test::StoppingHost host(b.puzzle, 6);
  FillRun run = b.Run(64, &host);
  FillSlots(run);
  EXPECT_FALSE(b.puzzle.FillRunning);
  EXPECT_EQ(b.puzzle.PlacedCount, 1);
  EXPECT_EQ(Answer(b.puzzle, 1), "ABA");
  EXPECT_EQ(b.puzzle.Letter(0, 0), 'A');
  EXPECT_TRUE(b.puzzle.SlotAnswer[2].empty());
}

TEST(FillEngine, StopDuringRepairEndsBeforeFreeingMoreSlots) {
  test::FillBench b;
  DrawRing(b.puzzle);
  FillDictionary(b.dictionary, {"ABA one", "AXA three"});
  struct StopOnPaint : SlotPainter {
    Puzzle* p = nullptr;
    void PaintSlot(std::uint8_t, Color color) override {
      if (color == test::TestPalette().WordCellColor) p->FillRunning = false;
    }
  } painter;
  painter.p = &b.puzzle;
  FillRun run{b.puzzle, b.dictionary, b.progress, b.host, painter, test::TestPalette(), 64};
  FillSlots(run);
  EXPECT_FALSE(b.puzzle.FillRunning);
  // One crossing slot was freed and painted; the check at the next cell ended the fill.
  EXPECT_LT(b.puzzle.PlacedCount, 2);
}

TEST(UnfillSlot, ClearsOwnCellsAndCrossingsOnlyWhereNoOtherWordStands) {
  // A plus: across row 1 and down column 1 share the centre (1, 1).
  Puzzle p;
  test::DrawGrid(p, {".#.", "###", ".#."});
  ClassifyCells(p);
  ExtractSlots(p);
  p.SlotCount = 2;  // extraction keeps the table of fewer than 4 slots without crossings counted
  p.SlotAnswer[1] = "ABC";
  p.SlotAnswer[2] = "XBY";
  const char* across = "ABC";
  for (int t = 0; t < 3; ++t) p.SetLetter(t, 1, across[t]);
  p.SetLetter(1, 0, 'X');
  p.SetLetter(1, 2, 'Y');
  p.PlacedCount = 2;
  p.Clues.SetCell(1, 0, " clue");

  // Removing the across word because of an unrelated slot: the centre stays for the down word.
  Puzzle q = p;
  q.SlotX[3] = 5;
  q.SlotY[3] = 5;
  UnfillSlot(q, 1, 3);
  EXPECT_EQ(q.Letter(0, 1), NoLetter);
  EXPECT_EQ(q.Letter(1, 1), 'B');
  EXPECT_EQ(q.Letter(2, 1), NoLetter);
  EXPECT_TRUE(q.SlotAnswer[1].empty());
  EXPECT_TRUE(q.Clues.Clue(0).empty());
  EXPECT_EQ(q.PlacedCount, 1);

  // Removed because of the down slot itself (its start column is the centre's column): cleared.
  q = p;
  UnfillSlot(q, 1, 2);
  EXPECT_EQ(q.Letter(1, 1), NoLetter);

  // With the down word's other letters gone the centre is no longer held by it.
  q = p;
  q.SetLetter(1, 0, NoLetter);
  q.SetLetter(1, 2, NoLetter);
  q.SlotX[3] = 5;
  UnfillSlot(q, 1, 3);
  EXPECT_EQ(q.Letter(1, 1), NoLetter);
}

TEST(UnfillSlot, ADownWordLosesTheCellOnTheCauseRowOnly) {
  // The same plus, the down word removed: the cause's line is its start row, not its column.
  Puzzle p;
  test::DrawGrid(p, {".#.", "###", ".#."});
  ClassifyCells(p);
  ExtractSlots(p);
  p.SlotCount = 2;
  p.SlotAnswer[1] = "ABC";
  p.SlotAnswer[2] = "XBY";
  const char* across = "ABC";
  for (int t = 0; t < 3; ++t) p.SetLetter(t, 1, across[t]);
  p.SetLetter(1, 0, 'X');
  p.SetLetter(1, 2, 'Y');
  p.PlacedCount = 2;

  // A cause starting in the down word's column but on row 5: the centre stays for the across word.
  Puzzle q = p;
  q.SlotX[3] = 1;
  q.SlotY[3] = 5;
  UnfillSlot(q, 2, 3);
  EXPECT_EQ(q.Letter(1, 0), NoLetter);
  EXPECT_EQ(q.Letter(1, 1), 'B');
  EXPECT_EQ(q.Letter(1, 2), NoLetter);
  EXPECT_EQ(q.Letter(0, 1), 'A');

  // Removed because of the across slot, whose row runs through the centre: cleared.
  q = p;
  UnfillSlot(q, 2, 1);
  EXPECT_EQ(q.Letter(1, 1), NoLetter);
  EXPECT_EQ(q.Letter(0, 1), 'A');
  EXPECT_EQ(q.PlacedCount, 1);
}

TEST(RequeueUsedWords, MovesThePuzzleEntriesToTheEndInSlotOrder) {
  Puzzle p;
  DictionaryStore d;
  FillDictionary(d, {"CAT feline", "DOG canine", "", "OWL bird", "CAT feline", "EMU bird"});
  p.SlotCount = 3;
  p.SlotAnswer[1] = "OWL";
  p.Clues.SetCell(1, 0, " bird");
  p.SlotAnswer[2] = "CAT";
  p.Clues.SetCell(1, 1, " feline");
  // Slot 3 is empty.
  RequeueUsedWords(p, d);
  EXPECT_TRUE(d.DictionaryModified);
  EXPECT_EQ(d.DictionaryCount, 6);
  // Both copies of CAT and the empty entry are dropped, one CAT comes back: the last position
  // keeps what it held.
  EXPECT_EQ(Entries(d), (std::vector<std::string>{"DOG canine", "EMU bird", "OWL bird", "CAT feline", "CAT feline",
                                                  "EMU bird"}));
}

TEST(RequeueUsedWords, AnEntryNotInTheStoreNeverWritesPastIt) {
  Puzzle p;
  DictionaryStore d;
  std::vector<std::string> entries;
  for (int e = 1; e <= DictionaryStore::Capacity; ++e) entries.push_back("W" + std::to_string(e) + " c");
  FillDictionary(d, entries);
  p.SlotCount = 2;
  p.SlotAnswer[1] = "W1";
  p.Clues.SetCell(1, 0, " c");
  p.SlotAnswer[2] = "ZZ";  // not in the store: nothing is dropped for it
  p.Clues.SetCell(1, 1, " new");
  RequeueUsedWords(p, d);
  EXPECT_EQ(d.DictionaryCount, DictionaryStore::Capacity);
  EXPECT_EQ(d.Entry(1), "W2 c");
  EXPECT_EQ(d.Entry(DictionaryStore::Capacity), "W1 c");
  // The plain requeue agrees.
  DictionaryStore d2;
  FillDictionary(d2, entries);
  LinearWordSearch plain;
  plain.RequeueUsedWords(p, d2);
  EXPECT_EQ(Entries(d), Entries(d2));
}

TEST(RequeueUsedWords, WithoutSlotsEmptyEntriesStay) {
  Puzzle p;
  DictionaryStore d;
  FillDictionary(d, {"A a", "", "B b"});
  RequeueUsedWords(p, d);
  EXPECT_EQ(Entries(d), (std::vector<std::string>{"A a", "", "B b"}));
  EXPECT_TRUE(d.DictionaryModified);
}

}  // namespace
}  // namespace gx
