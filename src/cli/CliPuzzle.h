#pragma once
// A puzzle file as the batch tool reads and shows it.

#include <string>

#include "core/Puzzle.h"

namespace gx::cli {

// Loads the puzzle file; what the load cut or refused goes to stderr. A missing or unreadable
// file is an input/output failure.
void LoadPuzzleOrFail(const std::string& path, Puzzle& puzzle);

// What `show` prints: the slot count, the board's letters and the two clue lists.
void PrintPuzzleText(const Puzzle& puzzle);

}  // namespace gx::cli
