// The batch tool's grid text reader on any bytes, and the slot extraction on what it read. A grid
// it takes fits 1..63 rows and columns with cells only inside them, and gives slots of at least
// two cells on the grid, across slots first; a grid it refuses leaves the puzzle as it was.

#include <memory>

#include "FuzzSupport.h"
#include "PuzzleChecks.h"
#include "cli/CliGrid.h"
#include "cli/CliSupport.h"
#include "core/Extraction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gx;
  using namespace gx::fuzz;
  // Every input starts from the same puzzle: one marked cell.
  auto puzzle = std::make_unique<Puzzle>();
  puzzle->SetMask(5, 5, GridCell);
  puzzle->SetLetter(5, 5, 'x');
  const std::string before = Snapshot(*puzzle);
  const std::string path = Scratch().Write("grid.txt", data, size);
  try {
    cli::LoadGridText(path, *puzzle);
  } catch (const cli::UsageError&) {
    FUZZ_CHECK(Snapshot(*puzzle) == before);
    return 0;
  } catch (const cli::IoFailure&) {
    FUZZ_CHECK(Snapshot(*puzzle) == before);
    return 0;
  }
  const int rows = puzzle->BoardRows, cols = puzzle->BoardCols;
  FUZZ_CHECK(rows >= 1 && rows <= MaxBoardInUse && cols >= 1 && cols <= MaxBoardInUse);
  for (int x = 0; x < BoardStorage; ++x) {
    for (int y = 0; y < BoardStorage; ++y) {
      if (x >= cols || y >= rows) FUZZ_CHECK(puzzle->Mask(x, y) == Background);
    }
  }
  ClassifyCells(*puzzle);
  ExtractSlots(*puzzle);
  CheckSlotTable(*puzzle, cols, rows);
  for (int k = 1; k <= puzzle->SlotCount; ++k) FUZZ_CHECK(puzzle->SlotLength[k] >= 2);
  return 0;
}
