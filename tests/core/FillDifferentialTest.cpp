// The indexed word search must choose exactly what the plain scan chooses: same answers, clues,
// positions, attempt counts, painting and dictionary order, on many random grids and dictionaries.

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "core/BuildLogic.h"
#include "core/Extraction.h"
#include "core/LinearWordSearch.h"
#include "core/PlacedLetters.h"
#include "core/RandomSource.h"
#include "core/WordIndex.h"

namespace gx {
namespace {

// A generated grid, pruned and extracted as the build leaves it before the fill.
bool GeneratedGrid(Puzzle& p, SeededRandom& random) {
  const int size = random.Random(2) ? 19 : 21;
  p.BoardRows = p.BoardCols = static_cast<std::uint16_t>(size);
  NullHost host;
  if (GenerateAcceptableGrid(p, random, host, 4, 200).outcome != GridSearchOutcome::Accepted) return false;
  PruneUnusedCells(p);
  ClearLettersAndAnswers(p, host);
  ClassifyCells(p);
  ExtractSlots(p);
  return p.SlotCount >= 4 && p.SlotCount <= 128;
}

// A random scatter of cells on a small board, as a user might draw it.
bool DrawnGrid(Puzzle& p, SeededRandom& random) {
  p.ResetBoard();
  const int size = 4 + random.Random(6);
  p.BoardRows = p.BoardCols = static_cast<std::uint16_t>(size);
  const int density = 45 + random.Random(40);
  for (int x = 0; x < size; ++x) {
    for (int y = 0; y < size; ++y) {
      if (random.Random(100) < density) p.SetMask(x, y, GridCell);
    }
  }
  ClassifyCells(p);
  ExtractSlots(p);
  return p.SlotCount >= 4 && CheckRefillSlots(p).check == RefillCheck::Ready;
}

// Words over a small alphabet so that many entries fit and some repeat; a few entries are empty
// or have no space, and the count often sits around the 100-entry wrap margin.
// Large dictionaries go with small grids only, to keep the plain scan's time in bounds.
std::vector<std::string> RandomDictionary(SeededRandom& random, bool small_grid) {
  static const int kSizes[] = {1, 20, 60, 99, 100, 101, 150, 300, 900, 5000};
  const int count = kSizes[random.Random(small_grid ? 10 : 7)];
  const int alphabet = 2 + random.Random(5);
  std::vector<std::string> entries;
  for (int e = 0; e < count; ++e) {
    const int roll = random.Random(100);
    if (roll == 0) {
      entries.emplace_back();
      continue;
    }
    std::string word;
    const int length = roll < 60 ? 3 + random.Random(3) : 3 + random.Random(8);
    for (int t = 0; t < length; ++t) word += static_cast<char>('A' + random.Random(alphabet));
    if (roll == 1) {
      entries.push_back(word);  // no space: no word
    } else {
      // Some clues hold spaces of their own, which a lookup must not take for the word's end.
      std::string clue = " c" + std::to_string(random.Random(5));
      if (roll < 10) clue += " d";
      entries.push_back(word + clue);
    }
  }
  return entries;
}

struct Outcome {
  std::uint16_t attempts = 0;
  Puzzle puzzle;
  std::vector<std::string> entries;
  WindowState window;
  WindowProgress progress{window};
  std::vector<std::pair<int, Color>> painted;
};

// The store is large; one is kept for all the cases.
std::unique_ptr<Outcome> Fill(const Puzzle& grid, const std::vector<std::string>& entries, std::uint16_t attempts,
                              WordSearch& search) {
  static const auto dictionary = std::make_unique<DictionaryStore>();
  auto outcome = std::make_unique<Outcome>();
  outcome->puzzle = grid;
  test::FillDictionary(*dictionary, entries);
  NullHost host;
  test::RecordingPainter painter;
  FillRun run{outcome->puzzle, *dictionary, outcome->progress, host, painter, test::TestPalette(), attempts};
  outcome->attempts = FillSlots(run, search);
  search.RequeueUsedWords(outcome->puzzle, *dictionary);
  outcome->entries = test::Entries(*dictionary);
  outcome->painted = painter.painted;
  return outcome;
}

void ExpectSame(const Outcome& plain, const Outcome& fast, int seed) {
  const Puzzle& a = plain.puzzle;
  const Puzzle& b = fast.puzzle;
  ASSERT_EQ(plain.attempts, fast.attempts) << "case " << seed;
  ASSERT_EQ(a.PlacedCount, b.PlacedCount) << "case " << seed;
  ASSERT_EQ(a.FillRunning, b.FillRunning) << "case " << seed;
  for (int k = 1; k <= a.SlotCount; ++k) {
    ASSERT_EQ(a.SlotAnswer[k], b.SlotAnswer[k]) << "case " << seed << " slot " << k;
    ASSERT_EQ(a.Clues.Clue(k - 1), b.Clues.Clue(k - 1)) << "case " << seed << " slot " << k;
    ASSERT_EQ(a.SlotDictPos[k], b.SlotDictPos[k]) << "case " << seed << " slot " << k;
  }
  ASSERT_EQ(a.CellLetter, b.CellLetter) << "case " << seed;
  ASSERT_EQ(plain.entries, fast.entries) << "case " << seed;
  ASSERT_EQ(plain.window.Caption, fast.window.Caption) << "case " << seed;
  ASSERT_EQ(plain.window.ProgressPosition, fast.window.ProgressPosition) << "case " << seed;
  ASSERT_EQ(plain.painted, fast.painted) << "case " << seed;
}

// A square ring of four slots of the given length; the corners are its crossings.
void DrawRing(Puzzle& p, int length) {
  p.ResetBoard();
  p.BoardRows = p.BoardCols = static_cast<std::uint16_t>(length);
  const auto l = static_cast<std::int8_t>(length);
  p.MarkAcross(l, 0, 0);
  p.MarkAcross(l, 0, static_cast<std::int8_t>(length - 1));
  p.MarkDown(l, 0, 0);
  p.MarkDown(l, static_cast<std::int8_t>(length - 1), 0);
  ClassifyCells(p);
  ExtractSlots(p);
}

// Long words, and entries whose first space comes late or never: the index reads the word
// length of such records differently from that of short words.
std::vector<std::string> LongWordDictionary(SeededRandom& random, int length) {
  std::vector<std::string> entries;
  for (int e = 0; e < 150; ++e) {
    const int roll = random.Random(10);
    const int size = roll < 6 ? length : roll < 8 ? length - 1 - random.Random(3) : 10 + random.Random(30);
    std::string word;
    for (int t = 0; t < size; ++t) word += static_cast<char>('A' + random.Random(2));
    entries.push_back(roll == 9 ? word : word + " c" + std::to_string(e));
  }
  return entries;
}

TEST(FillDifferential, LongWordsAndLateSpacesAreIndexedAsThePlainScanReadsThem) {
  int compared = 0;
  for (int length : {7, 8, 9, 15, 16, 17, 18, 19}) {
    for (int seed = 1; seed <= 6; ++seed) {
      SeededRandom random(static_cast<std::uint64_t>(length * 100 + seed));
      auto grid = std::make_unique<Puzzle>();
      DrawRing(*grid, length);
      ASSERT_EQ(grid->SlotCount, 4);
      const std::vector<std::string> entries = LongWordDictionary(random, length);
      LinearWordSearch plain;
      IndexedWordSearch fast(0);
      const auto a = Fill(*grid, entries, 6, plain);
      const auto b = Fill(*grid, entries, 6, fast);
      ExpectSame(*a, *b, length * 100 + seed);
      if (HasFatalFailure()) return;
      if (a->puzzle.PlacedCount > 0) ++compared;
    }
  }
  // Most cases must place words, or the comparison says little.
  EXPECT_GE(compared, 40);
}

TEST(FillDifferential, IndexedSearchMatchesThePlainScanOnRandomCases) {
  constexpr int kCases = 1200;
  int compared = 0, complete = 0, requeued = 0;
  for (int seed = 1; seed <= kCases; ++seed) {
    SeededRandom random(static_cast<std::uint64_t>(seed) * 7919);
    auto grid = std::make_unique<Puzzle>();
    const bool made = seed % 2 ? GeneratedGrid(*grid, random) : DrawnGrid(*grid, random);
    if (!made) continue;
    const std::vector<std::string> entries = RandomDictionary(random, seed % 2 == 0);
    const auto attempts = static_cast<std::uint16_t>(random.Random(24));
    LinearWordSearch plain;
    // Lookups switch from direct scans to the index after a budget: exercise both and the switch.
    static const int kBudgets[] = {0, 5, 60, IndexedWordSearch::kDirectScanBudget};
    IndexedWordSearch fast(kBudgets[random.Random(4)]);
    const auto a = Fill(*grid, entries, attempts, plain);
    const auto b = Fill(*grid, entries, attempts, fast);
    ExpectSame(*a, *b, seed);
    if (HasFatalFailure()) return;
    ++compared;
    if (a->puzzle.PlacedCount == a->puzzle.SlotCount) ++complete;
    if (a->attempts > 0) ++requeued;
  }
  std::printf("compared %d cases: %d complete, %d with counted attempts\n", compared, complete, requeued);
  EXPECT_GE(compared, 1000);
  // The cases must exercise both ends: complete fills and fills that ran into repairs.
  EXPECT_GE(complete, 50);
  EXPECT_GE(requeued, 200);
}

}  // namespace
}  // namespace gx

namespace gx {
namespace {

// Letters placed from an earlier fill of the grid: some words whole, some single letters, and now
// and then a whole word of letters no entry has.
void PlaceFromFill(Puzzle& grid, const Puzzle& filled, SeededRandom& random) {
  for (int k = 1; k <= filled.SlotCount; ++k) {
    const int roll = random.Random(8);
    const AnswerText& answer = filled.SlotAnswer[k];
    for (int t = 0; t < grid.SlotLength[k]; ++t) {
      const int x = grid.SlotCellX(k, t), y = grid.SlotCellY(k, t);
      if (roll == 0 && static_cast<std::size_t>(t) < answer.size()) grid.SetPlaced(x, y, answer[t]);
      if (roll == 1 && t == 1 && static_cast<std::size_t>(t) < answer.size()) grid.SetPlaced(x, y, answer[t]);
      if (roll == 2 && k % 5 == 0) grid.SetPlaced(x, y, 'z');
    }
  }
}

std::unique_ptr<Outcome> FillAround(const Puzzle& grid, const std::vector<std::string>& entries,
                                    std::uint16_t attempts, WordSearch& search) {
  static const auto dictionary = std::make_unique<DictionaryStore>();
  auto outcome = std::make_unique<Outcome>();
  outcome->puzzle = grid;
  test::FillDictionary(*dictionary, entries);
  KeepPlacedWords(outcome->puzzle, *dictionary, {});
  NullHost host;
  test::RecordingPainter painter;
  FillRun run{outcome->puzzle, *dictionary, outcome->progress, host, painter, test::TestPalette(), attempts};
  outcome->attempts = FillSlots(run, search);
  search.RequeueUsedWords(outcome->puzzle, *dictionary);
  outcome->entries = test::Entries(*dictionary);
  outcome->painted = painter.painted;
  return outcome;
}

// Every placed letter stands, every answer lies in its cells, and no dictionary word is used twice.
void ExpectPlacedLettersKept(const Puzzle& p, int seed) {
  for (int i = 0; i < BoardStorage * BoardStorage; ++i) {
    if (p.PlacedLetter[i] != NoLetter && p.CellMask[i] != Background) {
      ASSERT_EQ(p.CellLetter[i], p.PlacedLetter[i]) << "case " << seed << " cell " << i;
    }
  }
  for (int k = 1; k <= p.SlotCount; ++k) {
    const AnswerText& answer = p.SlotAnswer[k];
    if (p.SlotPlaced[k] != NotPlaced) {
      ASSERT_EQ(answer, PlacedPattern(p, k)) << "case " << seed << " slot " << k;
    }
    if (answer.empty()) continue;
    for (int t = 0; t < p.SlotLength[k]; ++t) {
      ASSERT_EQ(p.Letter(p.SlotCellX(k, t), p.SlotCellY(k, t)), answer[t]) << "case " << seed << " slot " << k;
    }
    for (int j = 1; j < k; ++j) {
      if (p.SlotPlaced[k] == NotPlaced || p.SlotPlaced[j] == NotPlaced) {
        ASSERT_NE(p.SlotAnswer[j], answer) << "case " << seed << " slots " << j << " " << k;
      }
    }
  }
}

TEST(FillDifferential, AroundPlacedLettersBothSearchesChooseAlikeAndKeepTheLetters) {
  constexpr int kCases = 300;
  int compared = 0, complete = 0, kept_words = 0;
  for (int seed = 1; seed <= kCases; ++seed) {
    SeededRandom random(static_cast<std::uint64_t>(seed) * 104729);
    auto grid = std::make_unique<Puzzle>();
    const bool made = seed % 2 ? GeneratedGrid(*grid, random) : DrawnGrid(*grid, random);
    if (!made) continue;
    const std::vector<std::string> entries = RandomDictionary(random, seed % 2 == 0);
    IndexedWordSearch first;
    const auto earlier = Fill(*grid, entries, 20, first);
    PlaceFromFill(*grid, earlier->puzzle, random);
    const auto attempts = static_cast<std::uint16_t>(random.Random(24));
    LinearWordSearch plain;
    IndexedWordSearch fast(random.Random(2) ? 0 : IndexedWordSearch::kDirectScanBudget);
    const auto a = FillAround(*grid, entries, attempts, plain);
    const auto b = FillAround(*grid, entries, attempts, fast);
    ExpectSame(*a, *b, seed);
    ExpectPlacedLettersKept(a->puzzle, seed);
    if (HasFatalFailure()) return;
    ++compared;
    if (a->puzzle.PlacedCount == a->puzzle.SlotCount) ++complete;
    for (int k = 1; k <= a->puzzle.SlotCount; ++k) kept_words += a->puzzle.SlotPlaced[k] != NotPlaced;
  }
  std::printf("compared %d cases around placed letters: %d complete, %d kept words\n", compared, complete, kept_words);
  EXPECT_GE(compared, 250);
  EXPECT_GE(complete, 20);
  EXPECT_GE(kept_words, 200);
}

}  // namespace
}  // namespace gx
