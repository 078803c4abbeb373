#include "board/WordSelection.h"

#include <algorithm>

#include "board/BoardColors.h"
#include "base/Rounding.h"

namespace gx {

namespace {

// The clue line sits at the left of the status strip in navy.
constexpr int kClueLineLeft = 16;

std::size_t At(int k) { return static_cast<std::size_t>(k); }

}  // namespace

int ClueCaptionLength(int strip_width) { return static_cast<int>(ScaledRound(strip_width, 500, 65)); }

void WordSelection::ShowClueLine(int row) {
  window_.ClueLineLeft = kClueLineLeft;
  window_.ClueLineColor = Navy;
  const std::string& clue = puzzle_.Clues.Cell(1, row);
  window_.ClueLineText = clue.substr(0, static_cast<std::size_t>(std::max(0, ClueCaptionLength(window_.StatusStripWidth))));
}

void WordSelection::ResetCursor(int slot) {
  puzzle_.TypedCount = 0;
  puzzle_.TypedText.Clear();
  puzzle_.CurrentWordLength = puzzle_.SlotLength[At(slot)];
  puzzle_.CurrentWordVertical = puzzle_.SlotVertical[At(slot)];
}

void WordSelection::SetRow(int row) {
  // The list keeps its row within its row count; only a real change selects.
  const int before = puzzle_.Clues.CurrentRow();
  puzzle_.Clues.SetCurrentRow(row);
  if (puzzle_.Clues.CurrentRow() != before) SelectFromList();
}

void WordSelection::SelectFromList() {
  const int row = puzzle_.Clues.CurrentRow();
  ShowClueLine(row);
  // While the grid is drawn the word is chosen to place letters into.
  if (puzzle_.PlacingLetters()) {
    ResetCursor(row + 1);
    board_.DrawPlacingSlot();
    return;
  }
  // While the answers are shown, and during a fill, only the clue line changes.
  if (puzzle_.AnswersShown || puzzle_.PlayActive == 0) return;
  ResetCursor(row + 1);
  media_.ShowWordMedia();
  board_.RefreshWords();
}

bool WordSelection::SelectFromBoard(int x, int y) {
  const int cx = std::max(0, x) / kCellSize;
  const int cy = std::max(0, y) / kCellSize;
  auto starts_here = [&](int k) { return puzzle_.SlotX[At(k)] == cx && puzzle_.SlotY[At(k)] == cy; };

  int found = 0;
  if (puzzle_.SelectMode == 2) {
    // Down slots are numbered after across slots, so searching from the end finds the down word.
    for (int k = puzzle_.SlotCount; k >= 1 && found == 0; --k) {
      if (starts_here(k)) found = k;
    }
    if (found != 0) puzzle_.SelectMode = 1;
  } else {
    for (int k = 1; k <= puzzle_.SlotCount && found == 0; ++k) {
      if (starts_here(k)) found = k;
    }
  }
  if (found == 0) return false;

  SetRow(found - 1);
  ShowClueLine(found - 1);
  ResetCursor(found);
  board_.RefreshWords();
  if (puzzle_.PlacingLetters()) board_.DrawPlacingSlot();
  media_.ShowWordMedia();
  return true;
}

void WordSelection::MakeSlotOneCurrent() {
  puzzle_.CurrentWordX = puzzle_.SlotX[1];
  puzzle_.CurrentWordY = puzzle_.SlotY[1];
  ResetCursor(1);
  SetRow(0);
  ShowClueLine(0);
  window_.ClueLineVisible = true;
}

void WordSelection::EraseCurrentEntry() {
  puzzle_.TypedCount = 0;
  puzzle_.SlotEntry[At(puzzle_.Clues.CurrentRow() + 1)].Clear();
  puzzle_.TypedText.Clear();
  board_.RefreshWords();
}

void WordSelection::FillEntriesFromAnswers() {
  for (int k = 1; k <= puzzle_.SlotCount; ++k) puzzle_.SlotEntry[At(k)] = puzzle_.SlotAnswer[At(k)];
  window_.TallyVisible = false;
}

}  // namespace gx
