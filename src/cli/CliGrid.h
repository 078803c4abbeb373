#pragma once
// Grid text files: one line per board row, "." background, "#" a painted grid cell, a Russian
// letter (either case) a grid cell holding it. A plain fill ignores the letters; a fill that
// keeps them takes them, in small letters, as the letters the user placed.

#include <string>

#include "core/Puzzle.h"

namespace gx::cli {

// Loads the grid into a fresh board and sets BoardRows and BoardCols. Bad contents are bad usage
// naming line and column; a file that cannot be read is an input/output failure.
void LoadGridText(const std::string& path, Puzzle& puzzle);

// The letters of the grid's cells become placed letters, in small letters.
void PlaceGridLetters(Puzzle& puzzle);

// The board as grid text (UTF-8, one line per row): a cell's letter where it holds one.
std::string GridText(const Puzzle& puzzle);

// The slot table as `extract` prints it: "slots S across A maxcrossings M", then one line per slot.
void PrintSlotTable(const Puzzle& puzzle);

// The clue number text of slot k without its blanks.
std::string ClueNumberOf(const Puzzle& puzzle, int k);

}  // namespace gx::cli
