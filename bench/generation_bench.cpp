// Times the part of a build before the fill: drawing grids until one is acceptable, pruning,
// clearing and extracting its slots, on a 21 x 21 board (or the size given) over the fill
// benchmark's seeds. Prints
// the time per series and a checksum of every grid and slot table, so that two builds of the
// program can be compared for both speed and output.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "core/BuildLogic.h"
#include "core/Extraction.h"
#include "core/RandomSource.h"

namespace {

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// FNV-1a over the board, the slot table and the clue numbers.
struct Checksum {
  std::uint64_t value = 1469598103934665603ull;
  void Add(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) value = (value ^ bytes[i]) * 1099511628211ull;
  }
};

void AddPuzzle(Checksum& sum, const gx::Puzzle& p, unsigned generations) {
  sum.Add(&generations, sizeof generations);
  sum.Add(p.CellMask.data(), p.CellMask.size());
  sum.Add(p.CellLetter.data(), p.CellLetter.size());
  const int n = p.SlotCount;
  sum.Add(&p.SlotCount, 1);
  sum.Add(&p.AcrossCount, 1);
  sum.Add(&p.MaxCrossings, 1);
  for (int k = 1; k <= n; ++k) {
    const std::uint8_t fields[] = {p.SlotX[k], p.SlotY[k], p.SlotLength[k], p.SlotVertical[k], p.SlotCrossings[k]};
    sum.Add(fields, sizeof fields);
  }
  for (int row = 0; row < gx::ClueList::MaxRows; ++row) {
    const std::string_view number = p.Clues.Number(row);
    sum.Add(number.data(), number.size());
    sum.Add("|", 1);
  }
  const int rows = p.Clues.RowCount();
  sum.Add(&rows, sizeof rows);
}

struct SeriesResult {
  double seconds = 0;
  unsigned generations = 0;
  std::uint64_t checksum = 0;
};

// The steps fill_bench times before the fill, each seed's best of the repetitions.
SeriesResult RunSeries(int board, int min_slots, int repetitions, int seeds) {
  SeriesResult result;
  Checksum sum;
  auto puzzle = std::make_unique<gx::Puzzle>();
  gx::NullHost host;
  for (int seed = 1; seed <= seeds; ++seed) {
    double best = 0;
    for (int r = 0; r < repetitions; ++r) {
      *puzzle = gx::Puzzle{};
      puzzle->BoardRows = puzzle->BoardCols = static_cast<std::uint16_t>(board);
      gx::SeededRandom random(static_cast<std::uint64_t>(seed));
      const double start = CpuSeconds();
      const gx::GridSearch search = gx::GenerateAcceptableGrid(
          *puzzle, random, host, gx::BoundedMinSlotCount(min_slots), gx::kDefaultMaxGenerations);
      if (search.outcome == gx::GridSearchOutcome::Accepted) {
        gx::PruneUnusedCells(*puzzle);
        gx::ClearLettersAndAnswers(*puzzle, host);
        gx::ClassifyCells(*puzzle);
        gx::ExtractSlots(*puzzle);
      }
      const double seconds = CpuSeconds() - start;
      best = r == 0 ? seconds : std::min(best, seconds);
      if (r == 0) {
        AddPuzzle(sum, *puzzle, search.generations);
        result.generations += search.generations;
      }
    }
    result.seconds += best;
  }
  result.checksum = sum.value;
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const int seeds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 12;
  const int board = argc > 3 ? std::clamp(std::atoi(argv[3]), 5, gx::MaxBoardInUse) : 21;
  std::printf("generation bench: %d x %d board, seeds 1..%d, best of %d runs\n", board, board, seeds, repetitions);
  for (int min_slots : {4, 40}) {
    const SeriesResult r = RunSeries(board, min_slots, repetitions, seeds);
    std::printf("MinSlotCount %2d: %8.3f ms, %5u grids drawn, %6.1f us per grid, checksum %016llx\n", min_slots,
                r.seconds * 1000, r.generations, r.seconds * 1e6 / r.generations,
                static_cast<unsigned long long>(r.checksum));
  }
  return 0;
}
