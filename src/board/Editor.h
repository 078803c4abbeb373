#pragma once
// Drawing the shape of a grid with the mouse: pencil and eraser strokes, optionally repeated in the
// eight symmetric positions of the square board, the pencil/eraser switch and clearing the board.
// Slots are extracted again after every stroke that changed cells.

#include <array>
#include <string_view>

#include "board/BoardDrawing.h"
#include "core/Puzzle.h"
#include "core/Settings.h"
#include "base/WindowState.h"

namespace gx {

struct CellPos {
  int x = 0;
  int y = 0;
  friend bool operator==(const CellPos&, const CellPos&) = default;
};

// The board cell under a mouse position; positions left of or above the board count as 0.
CellPos CellAtPixel(int x, int y);

// The eight images of (x, y) on a W x H board: the cell itself first, then the other symmetries
// of the square in a fixed order.
std::array<CellPos, 8> SymmetryImages(int x, int y, int width, int height);

class Editor {
 public:
  Editor(Puzzle& puzzle, const Settings& settings, WindowState& window, BoardDrawing& board)
      : puzzle_(puzzle), settings_(settings), window_(window), board_(board) {}

  // A press at pixel (x, y) on a cell where no word starts begins a stroke; nothing is painted
  // yet. On a finished puzzle (being solved, or showing its answers) the press is a click until
  // the mouse leaves the cell it went down in: a hand that jitters while clicking must not paint
  // over the puzzle. Once the stroke leaves that cell it draws, from that cell on.
  void BeginStroke(int x, int y);
  void MouseMove(int x, int y);
  void MouseUp();
  void ToggleEraser();
  void ClearBoard();

  // The hint of the pencil/eraser button for the tool now active.
  static std::string_view EraserHint(bool eraser_on);

 private:
  void PaintImages(CellPos cell, bool kaleidoscope);
  void PaintAt(int x, int y);

  Puzzle& puzzle_;
  const Settings& settings_;
  WindowState& window_;
  BoardDrawing& board_;
  bool click_only_ = false;  // the stroke has not yet left the cell it began in
  int press_x_ = 0;
  int press_y_ = 0;
};

}  // namespace gx
