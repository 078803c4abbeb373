#pragma once
// Placing letters while the grid is drawn: the user picks a word (its first cell on the board or
// its row of the clue list) and types into it. The letters go into the puzzle's placed letters,
// which a fill around them keeps; the cursor is the selection's TypedCount, as when solving.

#include "board/BoardDrawing.h"
#include "core/Puzzle.h"

namespace gx {

class LetterPlacing {
 public:
  LetterPlacing(Puzzle& puzzle, BoardDrawing& board) : puzzle_(puzzle), board_(board) {}

  // A letter (from LetterFor) goes into the cursor cell and the cursor moves on; a full word
  // takes no more.
  void Type(char letter);
  // The cursor moves on and leaves the cell as it is: a single letter further on is placed
  // without retyping the letters before it.
  void Skip();
  // The cursor moves back and the letter there goes.
  void Backspace();
  // Every placed letter of the current word goes.
  void EraseWord();

 private:
  // The current word, 0 when the table has none.
  int CurrentSlot() const;
  void PlaceAtCursor(char letter);

  Puzzle& puzzle_;
  BoardDrawing& board_;
};

}  // namespace gx
