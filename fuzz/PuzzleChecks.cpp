#include "PuzzleChecks.h"

#include "FuzzSupport.h"
#include "files/PuzzleFile.h"

namespace gx::fuzz {

void CheckSlotTable(const Puzzle& puzzle, int cols, int rows) {
  FUZZ_CHECK(puzzle.AcrossCount <= puzzle.SlotCount);
  if (puzzle.AcrossCount < puzzle.SlotCount) FUZZ_CHECK(puzzle.SlotVertical[puzzle.AcrossCount + 1] == 1);
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    const int length = puzzle.SlotLength[k];
    FUZZ_CHECK(puzzle.SlotVertical[k] <= 1);
    if (k <= puzzle.AcrossCount) FUZZ_CHECK(puzzle.SlotVertical[k] == 0);
    for (int t = 0; t < length; ++t) {
      const int x = puzzle.SlotCellX(k, t);
      const int y = puzzle.SlotCellY(k, t);
      FUZZ_CHECK(x >= 0 && y >= 0 && x < cols && y < rows);
      FUZZ_CHECK(puzzle.Mask(x, y) != Background);
    }
  }
}

std::string Snapshot(const Puzzle& puzzle) {
  std::string bytes = SerializePuzzle(puzzle);
  bytes.append(reinterpret_cast<const char*>(puzzle.CellMask.data()), puzzle.CellMask.size());
  bytes.append(puzzle.CellLetter.data(), puzzle.CellLetter.size());
  bytes.push_back(static_cast<char>(puzzle.SlotCount));
  bytes.push_back(static_cast<char>(puzzle.AcrossCount));
  bytes += std::to_string(puzzle.Clues.RowCount());
  return bytes;
}

}  // namespace gx::fuzz
