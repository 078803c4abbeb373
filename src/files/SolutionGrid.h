#pragma once
// A finished puzzle laid out as the solver sees it: the smallest rectangle from the board's corner
// that holds every slot, each cell with its clue number and answer letter. Every writer of a
// solvable puzzle starts from it, so that they all refuse the same puzzles for the same reasons.

#include <string>
#include <string_view>
#include <vector>

#include "core/Puzzle.h"

namespace gx {

struct SolutionGrid {
  int width = 0;
  int height = 0;
  std::vector<int> numbers;   // the clue number a cell carries, 0 for none
  std::vector<char> letters;  // the answer letter (Windows-1251), 0 outside every slot

  int At(int x, int y) const { return y * width + x; }
};

// The grid of the puzzle's slots, numbers and answers. `faults` (UTF-8, naming slot or cell) gets
// why the puzzle cannot be solved as laid out: no slots, a slot whose answer does not fill it,
// crossing answers that disagree, a slot without a number, or numbers that contradict each other.
SolutionGrid LayOutSolution(const Puzzle& puzzle, std::vector<std::string>& faults);

// The clue number of slot k (1-based) as the clue list gives it, 0 for none.
int SlotNumber(const Puzzle& puzzle, int k);

// The clue text of slot k without the space that separates it from the number in the list.
std::string_view SlotClue(const Puzzle& puzzle, int k);

}  // namespace gx
