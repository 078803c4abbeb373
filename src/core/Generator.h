#pragma once
// The two generators that draw a grid without the user: a random grid with the symmetries of the
// square, and a regular lattice of full lines for the user to cut with the eraser.

#include "base/Host.h"
#include "core/Puzzle.h"
#include "core/RandomSource.h"
#include "base/Progress.h"

namespace gx {

// Extracted: the slot table was built from the drawing. RunsOutOfRange: the drawing had fewer than
// 4 or more than 128 runs and SlotCount holds that count. DrawsExhausted: scripted draws ran out.
enum class GenerateStatus { Extracted, RunsOutOfRange, DrawsExhausted };

// Draws a new random grid into CellMask (all letters "."). When the drawing has 4..128 runs the
// slot table is extracted; otherwise SlotCount holds the number of runs drawn (8-bit, so it
// wraps on large boards). Stops early, leaving a partial drawing, when scripted draws run out.
GenerateStatus GenerateGrid(Puzzle& puzzle, RandomSource& random, Host& host);

// Draws full rows and columns on every second line, extracts the slots and sets the caption.
// The window draws the empty board before and the words and numbers after this call.
// Done is reported as Extracted.
GenerateStatus LatticeTemplate(Puzzle& puzzle, RandomSource& random, Progress& progress);

}  // namespace gx
