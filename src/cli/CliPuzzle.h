#pragma once
// A puzzle file as the batch tool reads and shows it.

#include <string>

#include "core/Puzzle.h"

namespace gx::cli {

// Loads the puzzle file, or standard input for "-". A missing or unreadable file is an
// input/output failure; a file that holds no words, or that the load would have to cut or mend,
// is refused (exit 1) naming why.
void LoadPuzzleOrFail(const std::string& path, Puzzle& puzzle);

// What `show` prints: the slot count, the board's letters and the two clue lists.
void PrintPuzzleText(const Puzzle& puzzle);

}  // namespace gx::cli
