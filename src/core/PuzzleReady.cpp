#include "core/PuzzleReady.h"

namespace gx {

bool PuzzleReady(const Puzzle& puzzle) {
  // Every fill writes the clue of slot 1 with the rest; a fill that stops clears them all.
  if (puzzle.SlotCount == 0 || puzzle.Clues.Clue(0).empty()) return false;
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    if (puzzle.SlotAnswer[static_cast<std::size_t>(k)].empty()) return false;
  }
  return true;
}

}  // namespace gx
