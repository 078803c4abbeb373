#pragma once
// Invariants every puzzle in memory keeps, whatever file or grid it came from.

#include <string>

#include "core/Puzzle.h"

namespace gx::fuzz {

// Slots 1..SlotCount lie on the board (within columns and rows 0..62, and within `cols` x `rows`
// when given), have their cells set in CellMask, and the across slots come first.
void CheckSlotTable(const Puzzle& puzzle, int cols = MaxBoardInUse, int rows = MaxBoardInUse);
// Everything a load may change, to tell whether a refused file changed anything.
std::string Snapshot(const Puzzle& puzzle);

}  // namespace gx::fuzz
