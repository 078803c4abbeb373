#pragma once
// The solving of a saved puzzle, kept between runs: the letters typed into each word, the cells
// whose letter was revealed, the solving time and whether it was solved. One small text file per
// puzzle in the program folder's progress/, named after a SHA-256 sum of the puzzle's grid and
// answers (not its file name, and not its clues, which may be edited), so that a renamed or
// copied puzzle file finds its letters again. The puzzle file itself never holds any of it.
//
//   gridlex solving 1
//   puzzle <sum>
//   time <milliseconds>
//   solved <0|1>
//   entry <slot> <letters as hex>     one line per word with letters typed
//   revealed <column> <row>           one line per revealed cell
//
// A file is trusted only whole: every line known, every number in range, every word and cell one
// of the puzzle's; anything else and it is set aside as damaged.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/FileError.h"
#include "base/FixedString.h"
#include "board/SolvingRecord.h"
#include "core/Puzzle.h"

namespace gx {

// The grid and the answers: the slots with their places, lengths, directions and words.
std::string PuzzleContent(const Puzzle& puzzle);
// The sum that names the puzzle's progress file.
std::string ProgressKey(const Puzzle& puzzle);
std::string ProgressFileName(std::string_view key);

// What a progress file holds, read and checked against the puzzle but not yet applied.
struct KeptSolving {
  std::vector<std::pair<int, AnswerText>> entries;  // slot and its typed letters
  SolvingRecord record;
};

// The puzzle's typed letters and its record as they stand.
KeptSolving TakeSolving(const Puzzle& puzzle, const SolvingRecord& record);
std::string SerializeProgress(const KeptSolving& kept, std::string_view key);
// False when the bytes are not a sound progress file of this puzzle (`key` its sum).
bool ParseProgress(std::string_view bytes, const Puzzle& puzzle, std::string_view key, KeptSolving& kept);
// Puts kept letters and record in place: every other word's letters are emptied.
void ApplyProgress(const KeptSolving& kept, Puzzle& puzzle, SolvingRecord& record);

enum class ProgressRead { None, Read, Damaged };
// Reads the progress file of the puzzle from `folder`; a missing file is None, one that cannot be
// read or does not check out is Damaged (`kept` then untouched).
ProgressRead ReadProgress(const std::string& folder, const Puzzle& puzzle, std::string_view key, KeptSolving& kept);
// Writes the progress file through a temporary file, making the folder when it is missing (never
// where its parent has no write permission). A failed write leaves the old file as it was.
FileError WriteProgress(const std::string& folder, std::string_view key, std::string_view bytes);

}  // namespace gx
