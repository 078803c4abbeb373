// A fill around letters the user placed: both word searches, the kept words, the requeue and the
// check that names a slot no word can complete.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "core/BuildLogic.h"
#include "core/Extraction.h"
#include "core/FillEngine.h"
#include "core/LinearWordSearch.h"
#include "core/PlacedLetters.h"
#include "core/WordIndex.h"

namespace gx {
namespace {

using test::Entries;
using test::DrawRing;
using test::FillDictionary;

void Place(Puzzle& p, int k, const std::string& letters) {
  for (int t = 0; t < static_cast<int>(letters.size()); ++t) {
    if (letters[t] != NoLetter) p.SetPlaced(p.SlotCellX(k, t), p.SlotCellY(k, t), letters[t]);
  }
}

std::string Answer(const Puzzle& p, int k) { return p.SlotAnswer[k].str(); }

// Runs the fill around the placed letters with the given search and its requeue, as the command does.
std::uint16_t FillAround(test::FillBench& b, WordSearch& search, std::uint16_t attempts) {
  KeepPlacedWords(b.puzzle, b.dictionary, {});
  FillRun run = b.Run(attempts);
  const std::uint16_t used = FillSlots(run, search);
  search.RequeueUsedWords(b.puzzle, b.dictionary);
  return used;
}

template <typename Check>
void WithBothSearches(Check check) {
  LinearWordSearch plain;
  IndexedWordSearch indexed(0);
  check(plain, "plain");
  check(indexed, "indexed");
}

TEST(FillAround, KeepsThePlacedWordAndLettersUsesNoWordTwiceAndRequeuesAsARefill) {
  WithBothSearches([](WordSearch& search, const char* name) {
    SCOPED_TRACE(name);
    test::FillBench b;
    DrawRing(b.puzzle);
    // ABA is the first fit of both down slots, but it stands in slot 1 already.
    FillDictionary(b.dictionary, {"ABA one", "AXA x", "AYA y", "AQA q", "BBB b"});
    Place(b.puzzle, 1, "ABA");
    Place(b.puzzle, 2, ".Q.");
    FillAround(b, search, 8);
    const Puzzle& p = b.puzzle;
    ASSERT_EQ(p.PlacedCount, 4);
    EXPECT_EQ(p.FillRunning, 1);
    EXPECT_EQ(Answer(p, 1), "ABA");
    EXPECT_EQ(p.Clues.Clue(0), " one");
    EXPECT_EQ(p.SlotPlaced[1], PlacedDictionaryWord);
    EXPECT_EQ(Answer(p, 2), "AQA");
    EXPECT_EQ(Answer(p, 3), "AXA");
    EXPECT_EQ(Answer(p, 4), "AYA");
    EXPECT_EQ(p.SlotPlaced[2], NotPlaced);
    // The user's word moves to the end with the others, in slot order, as after F7.
    EXPECT_EQ(Entries(b.dictionary), (std::vector<std::string>{"BBB b", "ABA one", "AQA q", "AXA x", "AYA y"}));
    EXPECT_TRUE(SlotsWantingClue(p).empty());
  });
}

TEST(FillAround, AWordTheDictionaryLacksGetsAnEmptyClueAndNeverEntersTheDictionary) {
  WithBothSearches([](WordSearch& search, const char* name) {
    SCOPED_TRACE(name);
    test::FillBench b;
    DrawRing(b.puzzle);
    FillDictionary(b.dictionary, {"ABA one", "AXA x", "AYA y", "BBB b"});
    Place(b.puzzle, 2, "AWA");
    FillAround(b, search, 8);
    const Puzzle& p = b.puzzle;
    ASSERT_EQ(p.PlacedCount, 4);
    EXPECT_EQ(Answer(p, 2), "AWA");
    EXPECT_EQ(p.Clues.Clue(1), "");
    EXPECT_EQ(p.SlotPlaced[2], PlacedOwnWord);
    EXPECT_EQ(SlotsWantingClue(p), std::vector<int>{2});
    // Written back, the word would have pushed the last used entry past the end of the store.
    EXPECT_EQ(Entries(b.dictionary), (std::vector<std::string>{"BBB b", "ABA one", "AXA x", "AYA y"}));
  });
}

TEST(FillAround, AFillThatCannotFinishNeverFreesThePlacedWordNorClearsAPlacedLetter) {
  WithBothSearches([](WordSearch& search, const char* name) {
    SCOPED_TRACE(name);
    test::FillBench b;
    DrawRing(b.puzzle);
    // Slot 4 finds no word: its repairs free slot 2, never slot 1, whose word no search would
    // find again.
    FillDictionary(b.dictionary, {"AXA x", "AQA q"});
    Place(b.puzzle, 1, "AWA");
    Place(b.puzzle, 2, ".Q.");
    FillAround(b, search, 6);
    const Puzzle& p = b.puzzle;
    EXPECT_LT(p.PlacedCount, 4);
    EXPECT_EQ(Answer(p, 1), "AWA");
    EXPECT_EQ(p.Letter(1, 0), 'W');
    EXPECT_EQ(p.Letter(1, 2), 'Q');
  });
}

TEST(FillAround, TheFirstSlotNoWordCompletesIsNamedWithItsPattern) {
  auto p = std::make_unique<Puzzle>();
  DictionaryStore d;
  DrawRing(*p);
  FillDictionary(d, {"KOT cat", "TAA t"});
  Place(*p, 1, "KOT");
  p->SetPlaced(0, 2, 'T');
  // Slot 2 (T..) takes TAA; slot 3 (K.T) only KOT, which slot 1 holds already.
  UnfillableSlot none = FindUnfillableSlot(*p, d);
  EXPECT_EQ(none.slot, 3);
  EXPECT_EQ(none.pattern, "K.T");
  FillDictionary(d, {"KOT cat", "TAA t", "KIT kit"});
  EXPECT_EQ(FindUnfillableSlot(*p, d).slot, 0);
  // Without placed letters a slot is unfillable only when no word has its length.
  p->PlacedLetter.fill(NoLetter);
  EXPECT_EQ(FindUnfillableSlot(*p, d).slot, 0);
  FillDictionary(d, {"KOTE cat"});
  EXPECT_EQ(FindUnfillableSlot(*p, d).slot, 1);
}

}  // namespace
}  // namespace gx
