#pragma once
// Turning the cells of the board into the numbered table of word slots. Callers run
// ClassifyCells and then ExtractSlots, except the generator's final re-extraction.

#include "core/Puzzle.h"

namespace gx {

// Decides which cells belong to the grid and which are crossing cells; empties the clue list.
void ClassifyCells(Puzzle& puzzle);
// Finds the runs, keeps those that qualify as slots, numbers and orders them, counts crossings.
void ExtractSlots(Puzzle& puzzle);

}  // namespace gx
