// Builds crosswords on a 21 x 21 board from a synthesized 16,384-entry dictionary over fixed seeds,
// once with the plain linear word search and once with the program's indexed one, checks that both
// produce the same crosswords and dictionary order, and prints both times and their ratio.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "core/BuildLogic.h"
#include "core/Extraction.h"
#include "core/LinearWordSearch.h"
#include "core/RandomSource.h"
#include "core/WordIndex.h"
#include "core/DictionaryStore.h"

namespace {

using gx::DictionaryStore;

// Windows-1251 Russian letters weighted roughly by how often they occur, so that crossings
// can be met as in a real dictionary.
std::string WeightedLetters() {
  const struct {
    unsigned char letter;
    int weight;
  } kLetters[] = {{0xEE, 11}, {0xE5, 8}, {0xE0, 8}, {0xE8, 7}, {0xED, 7}, {0xF2, 6}, {0xF1, 5}, {0xF0, 5},
                  {0xE2, 4},  {0xEB, 4}, {0xEA, 3}, {0xEC, 3}, {0xE4, 3}, {0xEF, 3}, {0xF3, 3}, {0xFF, 2},
                  {0xFB, 2},  {0xFC, 2}, {0xE3, 2}, {0xE7, 2}, {0xE1, 2}, {0xF7, 1}, {0xE9, 1}, {0xF5, 1},
                  {0xE6, 1},  {0xF8, 1}, {0xFE, 1}, {0xF6, 1}, {0xF9, 1}, {0xFD, 1}, {0xF4, 1}};
  std::string letters;
  for (const auto& l : kLetters) letters.append(static_cast<std::size_t>(l.weight), static_cast<char>(l.letter));
  return letters;
}

std::vector<std::string> SynthesizedDictionary() {
  const std::string letters = WeightedLetters();
  gx::SeededRandom random(20240601);
  std::vector<std::string> entries;
  for (int e = 0; e < DictionaryStore::Capacity; ++e) {
    std::string word;
    const int length = 3 + random.Random(7);
    for (int t = 0; t < length; ++t) word += letters[static_cast<std::size_t>(random.Random(static_cast<int>(letters.size())))];
    entries.push_back(word + " \xEF\xEE\xE4\xF1\xEA\xE0\xE7\xEA\xE0 " + std::to_string(e));  // " подсказка N"
  }
  return entries;
}

// What a build leaves behind, to compare the two searches.
struct BuildRecord {
  unsigned generations = 0;
  int slots = 0, placed = 0, attempts = 0;
  bool complete = false;
  bool grid = false;
  std::string answers;  // every slot's entry and dictionary position, then the store order
  double seconds = 0;       // the whole build, the fastest of the repetitions
  double fill_seconds = 0;  // the fill and requeue alone (the build minus the grid generation)
};

// Processor time of this thread: the machine is shared, and time spent waiting for a core
// would otherwise count against whichever search ran longer.
double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The copy keeps the store's stamp, so a copy of the word index made for the original describes it.
void CopyStore(const DictionaryStore& from, DictionaryStore& to) { to.CopyRecordsFrom(from); }

// One build from the given store state, timed; the store is left as the build leaves it.
BuildRecord TimedBuild(gx::WordSearch& search, DictionaryStore& dictionary, std::uint64_t seed, int min_slots) {
  auto puzzle = std::make_unique<gx::Puzzle>();
  puzzle->BoardRows = puzzle->BoardCols = 21;
  gx::Progress progress;
  gx::NullHost host;
  gx::NullSlotPainter painter;
  gx::FillRun run{*puzzle, dictionary, progress, host, painter, gx::Palette{}, 256, &search};
  gx::SeededRandom random(seed);
  const double start = CpuSeconds();
  double fill_start = start;
  bool grid_found = false;
  // The engine's steps of a build in the command's order, without the board and the window.
  const gx::GridSearch search_result = gx::GenerateAcceptableGrid(
      *puzzle, random, host, gx::BoundedMinSlotCount(min_slots), gx::kDefaultMaxGenerations);
  gx::FillOutcome fill;
  if (search_result.outcome == gx::GridSearchOutcome::Accepted) {
    gx::PruneUnusedCells(*puzzle);
    gx::ClearLettersAndAnswers(*puzzle, host);
    gx::ClassifyCells(*puzzle);
    gx::ExtractSlots(*puzzle);
    if (puzzle->SlotCount <= gx::kMaxGeneratedSlots) {
      grid_found = true;
      fill_start = CpuSeconds();
      if (puzzle->SlotCount >= gx::kMinAcceptedSlots) fill = gx::FillAndRequeue(run);
    }
  }
  const double end = CpuSeconds();
  if (!grid_found) fill_start = end;  // no grid, no fill
  BuildRecord record;
  record.seconds = end - start;
  record.fill_seconds = end - fill_start;
  record.generations = search_result.generations;
  record.slots = puzzle->SlotCount;
  record.placed = puzzle->PlacedCount;
  record.attempts = fill.attempts;
  record.complete = fill.complete;
  record.grid = grid_found;
  for (int k = 1; k <= puzzle->SlotCount; ++k) {
    record.answers += gx::ReconstructedEntry(*puzzle, k) + "@" + std::to_string(puzzle->SlotDictPos[k]) + "\n";
  }
  for (int e = 1; e <= dictionary.DictionaryCount; ++e) record.answers += std::string(dictionary.Entry(e)) + "\n";
  return record;
}

// Each build runs several times from the same state and the fastest time counts. The state is
// the store and the search as the build before left them: the program keeps its word index from
// one build to the next, so every repetition starts from copies of both, made outside the timed
// part.
template <class Search>
BuildRecord BestOf(int repetitions, const Search& search_before, Search& search, const DictionaryStore& before,
                   DictionaryStore& work, std::uint64_t seed, int min_slots) {
  BuildRecord best;
  for (int r = 0; r < repetitions; ++r) {
    CopyStore(before, work);
    search = search_before;
    BuildRecord record = TimedBuild(search, work, seed, min_slots);
    const double fastest_fill = r == 0 ? record.fill_seconds : std::min(best.fill_seconds, record.fill_seconds);
    if (r == 0 || record.seconds < best.seconds) best = record;
    best.fill_seconds = fastest_fill;
  }
  return best;
}

struct Totals {
  double plain = 0, engine = 0, plain_fill = 0, engine_fill = 0;
  bool identical = true;
};

// The builds follow one another as in the program: each starts from the store order the one
// before left behind.
Totals RunSeries(const std::vector<std::string>& entries, int min_slots, int repetitions) {
  const std::vector<std::uint64_t> seeds = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  auto state = std::make_unique<DictionaryStore>();
  auto work = std::make_unique<DictionaryStore>();
  state->DictionaryCount = static_cast<std::uint16_t>(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) state->SetEntry(static_cast<int>(i + 1), entries[i]);
  gx::LinearWordSearch plain;
  gx::IndexedWordSearch indexed, indexed_before;
  Totals totals;
  std::printf("\nbuilds with MinSlotCount %d (build ms: whole build; fill ms: fill and requeue)\n", min_slots);
  std::printf("%5s %5s %6s %8s %10s %10s %10s %7s %10s %10s %7s\n", "seed", "slots", "placed", "attempts", "result",
              "plain", "engine", "ratio", "plain", "engine", "ratio");
  std::printf("%46s %28s\n", "build ms", "fill ms");
  for (std::uint64_t seed : seeds) {
    const BuildRecord a = BestOf(repetitions, plain, plain, *state, *work, seed, min_slots);
    const BuildRecord b = BestOf(repetitions, indexed_before, indexed, *state, *work, seed, min_slots);
    const bool same = a.answers == b.answers && a.attempts == b.attempts && a.placed == b.placed &&
                      a.complete == b.complete && a.generations == b.generations;
    totals.identical = totals.identical && same;
    totals.plain += a.seconds;
    totals.engine += b.seconds;
    totals.plain_fill += a.fill_seconds;
    totals.engine_fill += b.fill_seconds;
    std::printf("%5llu %5d %6d %8d %10s %10.3f %10.3f %7.1f %10.3f %10.3f %7.1f%s\n",
                static_cast<unsigned long long>(seed), a.slots, a.placed, a.attempts,
                !a.grid ? "no grid" : a.complete ? "complete" : "incomplete", a.seconds * 1000, b.seconds * 1000, a.seconds / b.seconds,
                a.fill_seconds * 1000, b.fill_seconds * 1000, a.grid ? a.fill_seconds / b.fill_seconds : 0.0,
                same ? "" : "  DIFFERENT");
    CopyStore(*work, *state);
    indexed_before = indexed;
  }
  std::printf("total build: plain %.1f ms, engine %.1f ms, ratio %.1fx\n", totals.plain * 1000, totals.engine * 1000,
              totals.plain / totals.engine);
  std::printf("total fill:  plain %.1f ms, engine %.1f ms, ratio %.1fx\n", totals.plain_fill * 1000,
              totals.engine_fill * 1000, totals.plain_fill / totals.engine_fill);
  std::printf("output %s\n", totals.identical ? "identical" : "DIFFERENT");
  return totals;
}

// A refill of a drawn lattice: full lines every second row and column of a size x size board, each
// slot crossed by every line of the other direction. Fills like these run into repairs and use
// up their attempts, the case where a fill keeps the user waiting.
struct RefillRecord {
  int placed = 0, attempts = 0;
  std::string answers;
  double seconds = 0;
};

RefillRecord TimedRefill(gx::WordSearch& search, DictionaryStore& dictionary, int size, std::uint16_t attempts) {
  auto puzzle = std::make_unique<gx::Puzzle>();
  puzzle->BoardRows = puzzle->BoardCols = static_cast<std::uint16_t>(size);
  for (int line = 0; line < size; line += 2) {
    puzzle->MarkAcross(static_cast<std::int8_t>(size), 0, static_cast<std::int8_t>(line));
    puzzle->MarkDown(static_cast<std::int8_t>(size), static_cast<std::int8_t>(line), 0);
  }
  gx::ClassifyCells(*puzzle);
  gx::ExtractSlots(*puzzle);
  gx::Progress progress;
  gx::NullHost host;
  gx::NullSlotPainter painter;
  gx::FillRun run{*puzzle, dictionary, progress, host, painter, gx::Palette{}, attempts, &search};
  const double start = CpuSeconds();
  gx::ClearLettersAndAnswers(*puzzle, host);
  const gx::FillOutcome fill = gx::FillAndRequeue(run);
  RefillRecord record;
  record.seconds = CpuSeconds() - start;
  record.placed = puzzle->PlacedCount;
  record.attempts = fill.attempts;
  for (int k = 1; k <= puzzle->SlotCount; ++k) record.answers += gx::ReconstructedEntry(*puzzle, k) + "\n";
  for (int e = 1; e <= dictionary.DictionaryCount; ++e) record.answers += std::string(dictionary.Entry(e)) + "\n";
  return record;
}

bool RunRefills(const std::vector<std::string>& entries, int repetitions) {
  auto state = std::make_unique<DictionaryStore>();
  auto work = std::make_unique<DictionaryStore>();
  state->DictionaryCount = static_cast<std::uint16_t>(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) state->SetEntry(static_cast<int>(i + 1), entries[i]);
  bool identical = true;
  // The plain search needs seconds for a few attempts here: the attempts are few and each refill
  // runs once.
  constexpr std::uint16_t kAttempts = 4;
  std::printf("\nrefills of drawn lattices, MaxFillAttempts %d (fill and requeue, ms)\n", kAttempts);
  std::printf("%7s %6s %6s %8s %10s %10s %7s\n", "board", "slots", "placed", "attempts", "plain", "engine", "ratio");
  for (int size : {5, 9}) {
    RefillRecord best[2];
    for (int which = 0; which < 2; ++which) {
      for (int r = 0; r < repetitions; ++r) {
        gx::LinearWordSearch plain;
        gx::IndexedWordSearch indexed;
        CopyStore(*state, *work);
        const RefillRecord record =
            TimedRefill(which == 0 ? static_cast<gx::WordSearch&>(plain) : indexed, *work, size, kAttempts);
        if (r == 0 || record.seconds < best[which].seconds) best[which] = record;
      }
    }
    const bool same = best[0].answers == best[1].answers && best[0].attempts == best[1].attempts &&
                      best[0].placed == best[1].placed;
    identical = identical && same;
    const int lines = (size + 1) / 2;
    std::printf("%4dx%-2d %6d %6d %8d %10.3f %10.3f %7.1f%s\n", size, size, 2 * lines, best[0].placed,
                best[0].attempts, best[0].seconds * 1000, best[1].seconds * 1000, best[0].seconds / best[1].seconds,
                same ? "" : "  DIFFERENT");
  }
  std::printf("output %s\n", identical ? "identical" : "DIFFERENT");
  return identical;
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const std::vector<std::string> entries = SynthesizedDictionary();
  std::printf("fill bench: 21 x 21 board, %zu-entry dictionary, MaxFillAttempts 256, best of %d runs\n",
              entries.size(), repetitions);
  bool identical = true;
  for (int min_slots : {4, 40}) identical = RunSeries(entries, min_slots, repetitions).identical && identical;
  identical = RunRefills(entries, 1) && identical;
  return identical ? 0 : 1;
}
