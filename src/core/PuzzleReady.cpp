#include "core/PuzzleReady.h"

namespace gx {

bool CluesWritten(const Puzzle& puzzle) { return !puzzle.Clues.Clue(0).empty(); }

bool PuzzleReady(const Puzzle& puzzle) {
  if (puzzle.SlotCount == 0 || !CluesWritten(puzzle)) return false;
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    if (puzzle.SlotAnswer[static_cast<std::size_t>(k)].empty()) return false;
  }
  return true;
}

}  // namespace gx
