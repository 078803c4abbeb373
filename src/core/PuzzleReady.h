#pragma once
// Whether the puzzle is a finished crossword. A stopped build, a lattice, a hand-drawn grid or a
// grid whose fill was refused has slots without answers or clues: it is not solved, rewarded or
// saved, since a file of it would not read back as a crossword.

#include "core/Puzzle.h"

namespace gx {

// Slots, clues, and an answer in every slot.
bool PuzzleReady(const Puzzle& puzzle);

}  // namespace gx
