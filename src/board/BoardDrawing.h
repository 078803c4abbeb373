#pragma once
// The board drawn straight from the puzzle model onto a canvas. Nothing is retained: every
// picture is painted from the model. The canvas state (pen, brush, font colour) carries over
// from one operation to the next, and later operations rely on what earlier ones leave behind.

#include <cstdint>
#include <string_view>

#include "base/Canvas.h"
#include "board/SolvingRecord.h"
#include "core/Puzzle.h"
#include "core/Settings.h"
#include "core/SlotPainter.h"
#include "base/WindowState.h"

namespace gx {

class BoardDrawing : public SlotPainter {
 public:
  BoardDrawing(Puzzle& puzzle, const Palette& palette, WindowState& window, Canvas& canvas)
      : puzzle_(puzzle), palette_(palette), window_(window), canvas_(canvas) {}

  // The size of the paint box the window offers, which fixes BoardRows and BoardCols at the next
  // empty board.
  void SetPaintSize(int width, int height) { paint_width_ = width; paint_height_ = height; }
  int PaintWidth() const { return paint_width_; }
  int PaintHeight() const { return paint_height_; }
  Canvas& GetCanvas() { return canvas_; }
  // The cells whose letter the solver had revealed: their letters are drawn in the answers' colour.
  void ShowRevealedCells(const RevealedCells* cells) { revealed_ = cells; }
  bool Revealed(int x, int y) const { return revealed_ && revealed_->Has(x, y); }

  // Fixes BoardRows and BoardCols from the paint box, or from the puzzle where it is larger.
  void DrawEmptyBoard();
  // A board smaller than the puzzle just put on it is made large enough, drawn empty.
  void FitBoardToPuzzle();
  void DrawSlotCells(std::uint8_t slot, Color color);
  void DrawWordsAndNumbers();
  void DrawEntries();
  void DrawAnswers();
  void DrawHighlight();
  void RedrawBoard();
  void RefreshWords();
  void DrawFillProgress();
  // While letters are placed: the board with them, the current word highlighted and its cursor
  // cell (position TypedCount) marked.
  void DrawPlacingSlot();
  void DrawSurround(Color color);
  void Repaint();  // the whole picture: the fill so far while a fill runs, else the model

  // True when the words were last drawn over the old picture without clearing it, so marks of
  // earlier commands (a cleared board's centre cell, erased cells, a cursor cell, a highlight drawn
  // before the words) may still show around or on them. The window then repaints the board from
  // the model once the command has ended. Marks drawn after the words (a refused refill's long
  // slots) are the command's own answer and stay: drawing a single slot clears the flag.
  bool RepaintDue() const { return repaint_due_; }
  // The window's repaint from the model, without its side effect of hiding the reward picture:
  // the picture stays until its own commands hide it.
  void RepaintFromModel();

  void PaintSlot(std::uint8_t slot, Color color) override { DrawSlotCells(slot, color); }

 private:
  void CellSquare(int x, int y);  // the 17-pixel square of the cell, sharing outlines with neighbours
  void PaintSlotCells(std::uint8_t slot, Color color);
  void DrawGridCells();
  void DrawPlacedLetters();
  void TextAtCell(int x, int y, std::string_view text);
  void SurroundCell(int x, int y, Color color);

  Puzzle& puzzle_;
  const Palette& palette_;
  WindowState& window_;
  Canvas& canvas_;
  const RevealedCells* revealed_ = nullptr;
  int paint_width_ = 336;
  int paint_height_ = 336;
  bool repaint_due_ = false;
};

// The background of a clue-list row: white for an across slot, silver for a down slot.
Color ClueRowColor(const Puzzle& puzzle, int row);

}  // namespace gx
