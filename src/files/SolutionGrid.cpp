#include "files/SolutionGrid.h"

#include <algorithm>
#include <set>
#include <utility>

#include "base/Cp1251.h"
#include "base/NumberParsing.h"

namespace gx {

namespace {

std::string SlotName(const Puzzle& p, int k) {
  return "slot " + std::to_string(k) + " (" + std::to_string(SlotNumber(p, k)) +
         (p.SlotVertical[k] ? " down)" : " across)");
}

std::string CellName(int x, int y) { return "row " + std::to_string(y + 1) + ", column " + std::to_string(x + 1); }

SolutionGrid Rectangle(const Puzzle& p) {
  SolutionGrid grid;
  for (int k = 1; k <= p.SlotCount; ++k) {
    const int last = std::max(p.SlotLength[k] - 1, 0);
    grid.width = std::max(grid.width, p.SlotCellX(k, last) + 1);
    grid.height = std::max(grid.height, p.SlotCellY(k, last) + 1);
  }
  grid.numbers.assign(static_cast<std::size_t>(grid.width * grid.height), 0);
  grid.letters.assign(grid.numbers.size(), 0);
  return grid;
}

void PlaceNumber(const Puzzle& p, int k, SolutionGrid& grid, std::vector<std::string>& faults) {
  const int number = SlotNumber(p, k);
  if (number == 0) {
    faults.push_back(SlotName(p, k) + ": no clue number");
    return;
  }
  int& cell = grid.numbers[static_cast<std::size_t>(grid.At(p.SlotX[k], p.SlotY[k]))];
  if (cell != 0 && cell != number) {
    faults.push_back(CellName(p.SlotX[k], p.SlotY[k]) + ": numbered " + std::to_string(cell) + " and " +
                     std::to_string(number));
  }
  cell = number;
}

void PlaceAnswer(const Puzzle& p, int k, SolutionGrid& grid, std::vector<std::string>& faults) {
  const AnswerText& answer = p.SlotAnswer[k];
  if (answer.size() != p.SlotLength[k]) {
    faults.push_back(SlotName(p, k) + ": an answer of " + std::to_string(answer.size()) + " letters in " +
                     std::to_string(p.SlotLength[k]) + " cells");
    return;
  }
  for (int t = 0; t < p.SlotLength[k]; ++t) {
    const int x = p.SlotCellX(k, t), y = p.SlotCellY(k, t);
    char& cell = grid.letters[static_cast<std::size_t>(grid.At(x, y))];
    if (cell != 0 && cell != answer[t]) {
      faults.push_back(CellName(x, y) + ": crossing answers disagree (\"" + Cp1251ToUtf8(std::string(1, cell)) +
                       "\" and \"" + Cp1251ToUtf8(std::string(1, answer[t])) + "\")");
    }
    cell = answer[t];
  }
}

void CheckNumbersOnce(const Puzzle& p, std::vector<std::string>& faults) {
  std::set<std::pair<int, int>> seen;
  for (int k = 1; k <= p.SlotCount; ++k) {
    const int number = SlotNumber(p, k);
    if (number != 0 && !seen.insert({p.SlotVertical[k] ? 1 : 0, number}).second) {
      faults.push_back(SlotName(p, k) + ": a second word with that number and direction");
    }
  }
}

}  // namespace

int SlotNumber(const Puzzle& puzzle, int k) { return ParseNumber8(puzzle.Clues.Number(k - 1).substr(0, 3)); }

std::string_view SlotClue(const Puzzle& puzzle, int k) {
  std::string_view clue = puzzle.Clues.Clue(k - 1);
  if (!clue.empty() && clue[0] == ' ') clue.remove_prefix(1);
  return clue;
}

SolutionGrid LayOutSolution(const Puzzle& p, std::vector<std::string>& faults) {
  if (p.SlotCount == 0) {
    faults.push_back("the puzzle has no words");
    return {};
  }
  SolutionGrid grid = Rectangle(p);
  for (int k = 1; k <= p.SlotCount; ++k) {
    PlaceNumber(p, k, grid, faults);
    PlaceAnswer(p, k, grid, faults);
  }
  CheckNumbersOnce(p, faults);
  return grid;
}

}  // namespace gx
