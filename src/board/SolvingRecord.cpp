#include "board/SolvingRecord.h"

#include <cstdio>
#include <string>

namespace gx {

std::vector<std::pair<int, int>> RevealedCells::Cells() const {
  std::vector<std::pair<int, int>> cells;
  for (int x = 0; x < BoardStorage; ++x)
    for (int y = 0; y < BoardStorage; ++y)
      if (Has(x, y)) cells.emplace_back(x, y);
  return cells;
}

bool HoldsRevealedCell(const Puzzle& puzzle, const RevealedCells& revealed, int slot) {
  if (slot < 1 || slot > puzzle.SlotCount) return false;
  for (int t = 0; t < puzzle.SlotLength[static_cast<std::size_t>(slot)]; ++t)
    if (revealed.Has(puzzle.SlotCellX(slot, t), puzzle.SlotCellY(slot, t))) return true;
  return false;
}

int HelpedWordCount(const Puzzle& puzzle, const RevealedCells& revealed) {
  if (revealed.Empty()) return 0;
  int helped = 0;
  for (int k = 1; k <= puzzle.SlotCount; ++k) helped += HoldsRevealedCell(puzzle, revealed, k) ? 1 : 0;
  return helped;
}

int SolvedPuzzlePoints(const Puzzle& puzzle, const RevealedCells& revealed) {
  return (puzzle.SlotCount - HelpedWordCount(puzzle, revealed)) / 10;
}

std::vector<int> WrongLetterPositions(const Puzzle& puzzle, int slot) {
  std::vector<int> wrong;
  if (slot < 1 || slot > puzzle.SlotCount) return wrong;
  const AnswerText& entry = puzzle.SlotEntry[static_cast<std::size_t>(slot)];
  const AnswerText& answer = puzzle.SlotAnswer[static_cast<std::size_t>(slot)];
  for (std::size_t t = 0; t < entry.size(); ++t)
    if (t >= answer.size() || entry[t] != answer[t]) wrong.push_back(static_cast<int>(t));
  return wrong;
}

std::string SolvingTimeText(std::int64_t milliseconds) {
  const std::int64_t seconds = milliseconds < 0 ? 0 : milliseconds / 1000;
  char text[32];
  if (seconds >= 3600) {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  } else {
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
  }
  return text;
}

}  // namespace gx
