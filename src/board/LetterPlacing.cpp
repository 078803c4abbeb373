#include "board/LetterPlacing.h"

#include "core/PlacedLetters.h"

namespace gx {

int LetterPlacing::CurrentSlot() const {
  const int k = puzzle_.Clues.CurrentRow() + 1;
  return puzzle_.SlotCount > 0 && k <= puzzle_.SlotCount ? k : 0;
}

void LetterPlacing::PlaceAtCursor(char letter) {
  const int k = CurrentSlot();
  if (k == 0 || puzzle_.TypedCount >= puzzle_.SlotLength[k]) return;
  puzzle_.SetPlaced(puzzle_.SlotCellX(k, puzzle_.TypedCount), puzzle_.SlotCellY(k, puzzle_.TypedCount), letter);
  ++puzzle_.TypedCount;
  board_.DrawPlacingSlot();
}

void LetterPlacing::Type(char letter) {
  if (letter != NoLetter) PlaceAtCursor(letter);
}

void LetterPlacing::Skip() {
  const int k = CurrentSlot();
  if (k == 0) return;
  PlaceAtCursor(puzzle_.Placed(puzzle_.SlotCellX(k, puzzle_.TypedCount), puzzle_.SlotCellY(k, puzzle_.TypedCount)));
}

void LetterPlacing::Backspace() {
  const int k = CurrentSlot();
  if (k == 0 || puzzle_.TypedCount == 0) return;
  --puzzle_.TypedCount;
  puzzle_.SetPlaced(puzzle_.SlotCellX(k, puzzle_.TypedCount), puzzle_.SlotCellY(k, puzzle_.TypedCount), NoLetter);
  board_.DrawPlacingSlot();
}

void LetterPlacing::EraseWord() {
  const int k = CurrentSlot();
  if (k == 0) return;
  ClearPlacedLetters(puzzle_, k);
  puzzle_.TypedCount = 0;
  board_.DrawPlacingSlot();
}

}  // namespace gx
