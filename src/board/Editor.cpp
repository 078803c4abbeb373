#include "board/Editor.h"

#include <algorithm>
#include <string>

#include "board/CellPainting.h"
#include "core/Extraction.h"
#include "base/Cp1251.h"

namespace gx {

namespace {

constexpr Color Black = 0;

// Loops over cells use only the low byte of the board counts.
int LowByte(int value) { return value & 0xFF; }

}  // namespace

CellPos CellAtPixel(int x, int y) { return {std::max(0, x) / kCellSize, std::max(0, y) / kCellSize}; }

std::array<CellPos, 8> SymmetryImages(int x, int y, int width, int height) {
  const int w = width - 1;
  const int h = height - 1;
  return {{{x, y}, {y, x}, {w - x, y}, {w - y, x}, {x, h - y}, {y, h - x}, {w - x, h - y}, {w - y, h - x}}};
}

void Editor::BeginStroke(int x, int y) {
  puzzle_.DragActive = true;
  click_only_ = puzzle_.PlayActive != 0 || puzzle_.AnswersShown;
  press_x_ = x;
  press_y_ = y;
}

void Editor::MouseMove(int x, int y) {
  if (puzzle_.FillRunning || !puzzle_.DragActive) return;
  if (click_only_) {
    if (CellAtPixel(x, y) == CellAtPixel(press_x_, press_y_)) return;
    click_only_ = false;
    PaintAt(press_x_, press_y_);
  }
  PaintAt(x, y);
}

void Editor::PaintAt(int x, int y) {
  puzzle_.GridModified = true;
  if (puzzle_.EraserOn) {
    puzzle_.EraserDrew = true;
  } else {
    puzzle_.PencilDrew = true;
  }
  static const std::string kModifying = Utf8ToCp1251("Модификация сетки");
  window_.Caption = kModifying;

  CellPos cell = CellAtPixel(x, y);
  const bool kaleidoscope = settings_.KaleidoscopeOn;
  const int cols = LowByte(puzzle_.BoardCols);
  const int rows = LowByte(puzzle_.BoardRows);
  if (!kaleidoscope) {
    cell.x = std::min(cell.x, cols - 1);
    cell.y = std::min(cell.y, rows - 1);
  } else if (cell.x > cols / 2 || cell.y > rows / 2) {
    // Strokes are drawn in the top-left quadrant (middle row and column included); the rest of
    // the board follows by symmetry, so a move elsewhere undoes the stroke's change marks.
    puzzle_.PencilDrew = false;
    puzzle_.EraserDrew = false;
    return;
  }
  PaintImages(cell, kaleidoscope);
}

void Editor::PaintImages(CellPos cell, bool kaleidoscope) {
  const auto images = SymmetryImages(cell.x, cell.y, LowByte(puzzle_.BoardCols), LowByte(puzzle_.BoardRows));
  const int count = kaleidoscope ? 8 : 1;
  Canvas& canvas = board_.GetCanvas();
  // Both can hold when the tool was switched during the stroke; the eraser then wins.
  if (puzzle_.PencilDrew) {
    canvas.SetBrushColor(settings_.Colors.WordCellColor);
    puzzle_.SetMask(cell.x, cell.y, GridCell);
    puzzle_.SetLetter(cell.x, cell.y, PaintedMark);
    for (int i = 1; i < count; ++i) puzzle_.SetMask(images[i].x, images[i].y, GridCell);
  }
  if (puzzle_.EraserDrew) {
    canvas.SetBrushColor(Black);
    for (int i = 0; i < count; ++i) {
      puzzle_.SetMask(images[i].x, images[i].y, Background);
      puzzle_.SetLetter(images[i].x, images[i].y, NoLetter);
      puzzle_.SetPlaced(images[i].x, images[i].y, NoLetter);  // an erased cell holds no letter of the user's
    }
  }
  for (int i = 0; i < count; ++i) PaintCellSquare(canvas, images[i].x, images[i].y);
}

void Editor::MouseUp() {
  if (puzzle_.FillRunning) return;
  puzzle_.DragActive = false;
  if (puzzle_.PencilDrew || puzzle_.EraserDrew) {
    // The numbers of the new slots appear with the next repaint; their clues are empty, and so is
    // the clue line, which showed a clue of the slots before.
    ClassifyCells(puzzle_);
    ExtractSlots(puzzle_);
    window_.ClueLineText.clear();
    puzzle_.PencilDrew = false;
    puzzle_.EraserDrew = false;
  }
}

std::string_view Editor::EraserHint(bool eraser_on) {
  static const std::string kPencil = Utf8ToCp1251("Карандаш включить (F4)");
  static const std::string kEraser = Utf8ToCp1251("Ластик включить (F4)");
  return eraser_on ? kPencil : kEraser;
}

void Editor::ToggleEraser() {
  puzzle_.EraserOn = !puzzle_.EraserOn;
  window_.EraserButtonHint = std::string(EraserHint(puzzle_.EraserOn));
}

void Editor::ClearBoard() {
  if (puzzle_.FillRunning) return;
  // Emptied first, so that the board goes back to the size the window offers.
  puzzle_.ResetBoard();
  board_.DrawEmptyBoard();
  window_.ClueLineText.clear();
  puzzle_.GridModified = true;
  static const std::string kClear = Utf8ToCp1251("Чисто поле");
  window_.Caption = kClear;

  const int x = LowByte(puzzle_.BoardCols) / 2;
  const int y = LowByte(puzzle_.BoardRows) / 2;
  puzzle_.CurrentWordX = static_cast<std::uint8_t>(x);
  puzzle_.CurrentWordY = static_cast<std::uint8_t>(y);
  Canvas& canvas = board_.GetCanvas();
  canvas.SetBrushColor(settings_.Colors.WrongWordColor);
  canvas.Rectangle(x * kCellSize, y * kCellSize, x * kCellSize + kCellSize, y * kCellSize + kCellSize);
}

}  // namespace gx
