#pragma once
// Choosing the current word: from the clue list, from its first cell on the board, or by the
// load and build commands (slot 1). The current word is the current row of the clue list plus one.

#include <cstdint>

#include "board/BoardDrawing.h"
#include "board/WordMedia.h"
#include "core/Puzzle.h"
#include "base/WindowState.h"

namespace gx {

// How many characters of a clue the clue line shows for a status strip of the given width.
int ClueCaptionLength(int strip_width);

class WordSelection {
 public:
  WordSelection(Puzzle& puzzle, WindowState& window, BoardDrawing& board, WordMedia& media)
      : puzzle_(puzzle), window_(window), board_(board), media_(media) {}

  // Sets the current row of the clue list; the list selection runs only when the row changes.
  void SetRow(int row);
  // The list selection, run whenever the current row changed.
  void SelectFromList();
  // A press at pixel (x, y) of the board. True when a word starts at that cell and was selected;
  // false means the press belongs to the editor.
  bool SelectFromBoard(int x, int y);
  // A double click: the press that follows selects the last slot starting at the cell.
  void ArmSecondSlot() { puzzle_.SelectMode = 2; }
  // After a load or build: slot 1 becomes the current word, with a fresh cursor and its clue shown.
  void MakeSlotOneCurrent();
  // The clue of a row in the clue line, cut to fit the status strip.
  void ShowClueLine(int row);

  // Delete: the typed text of the current word is erased.
  void EraseCurrentEntry();
  // F12: every answer is copied into its slot's entry; the letters appear at the next repaint.
  void FillEntriesFromAnswers();

 private:
  void ResetCursor(int slot);

  Puzzle& puzzle_;
  WindowState& window_;
  BoardDrawing& board_;
  WordMedia& media_;
};

}  // namespace gx
