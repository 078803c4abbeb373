#pragma once
// What the program keeps about the solving of the puzzle on screen besides the typed letters
// (which live in the puzzle's entries): the cells whose letter the solver had revealed, the time
// spent solving and whether a tally has found every word right. It lies outside the puzzle on
// purpose: stepping back through the puzzle's history takes a revealed letter away again, but
// not the fact that it was revealed.

#include <bitset>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/Puzzle.h"

namespace gx {

class RevealedCells {
 public:
  bool Has(int x, int y) const { return Puzzle::OnStorage(x, y) && cells_.test(Puzzle::Index(x, y)); }
  void Add(int x, int y) {
    if (Puzzle::OnStorage(x, y)) cells_.set(Puzzle::Index(x, y));
  }
  void Clear() { cells_.reset(); }
  bool Empty() const { return cells_.none(); }
  std::size_t Count() const { return cells_.count(); }
  // The revealed cells as (x, y), column by column.
  std::vector<std::pair<int, int>> Cells() const;
  bool operator==(const RevealedCells&) const = default;

 private:
  std::bitset<BoardStorage * BoardStorage> cells_;
};

struct SolvingRecord {
  RevealedCells Revealed;
  std::int64_t ElapsedMs = 0;  // solving time counted so far
  bool Solved = false;         // a tally found every word right

  void Clear() { *this = SolvingRecord{}; }
};

// A word that passes through a revealed cell was helped, whichever of the crossing words the
// letter was revealed in: the letter shows on the board for both.
bool HoldsRevealedCell(const Puzzle& puzzle, const RevealedCells& revealed, int slot);
int HelpedWordCount(const Puzzle& puzzle, const RevealedCells& revealed);
// The points a solved puzzle earns: one for every ten words that hold no revealed letter.
int SolvedPuzzlePoints(const Puzzle& puzzle, const RevealedCells& revealed);

// The positions (0-based) of the letters typed into `slot` that differ from its answer; cells
// still empty are not letters and are not counted.
std::vector<int> WrongLetterPositions(const Puzzle& puzzle, int slot);

// The solving time as the status strip shows it: M:SS, or H:MM:SS from an hour on.
std::string SolvingTimeText(std::int64_t milliseconds);

}  // namespace gx
