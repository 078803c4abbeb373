#include "core/Puzzle.h"

namespace gx {

Puzzle::Puzzle() { ResetBoard(); }

void Puzzle::MarkAcross(std::int8_t length, std::int8_t x, std::int8_t y) {
  for (int t = 0; t < length; ++t) SetMask(x + t, y, GridCell);
}

void Puzzle::MarkDown(std::int8_t length, std::int8_t x, std::int8_t y) {
  for (int t = 0; t < length; ++t) SetMask(x, y + t, GridCell);
}

void Puzzle::CountAcrossSlots() {
  AcrossCount = SlotCount;
  for (int k = 1; k <= SlotCount; ++k) {
    if (SlotVertical[k] == 1) {
      AcrossCount = static_cast<std::uint8_t>(k - 1);
      return;
    }
  }
}

void Puzzle::ResetBoard() {
  CellMask.fill(Background);
  CellLetter.fill(NoLetter);
  PlacedLetter.fill(NoLetter);
  SlotPlaced.fill(NotPlaced);
  for (int k = 1; k <= SlotCount + 1; ++k) SlotAnswer[k].Clear();
  Clues.ClearRows(0, SlotCount);
  Clues.SetRowCount(ClueList::MaxRows);
  SlotCount = 0;
  PlayActive = 0;
}

}  // namespace gx
