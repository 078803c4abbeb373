#pragma once
// Painting single cells straight onto the board canvas, for the commands that change a few cells
// without a full repaint (strokes, typed letters, the tally's marks). The canvas keeps whatever pen
// and brush the caller left, as the full repaint relies on.

#include <string_view>

#include "base/Canvas.h"
#include "core/Puzzle.h"

namespace gx {

// The 17-pixel square of cell (x, y): outline in the pen, inside in the brush. Neighbours share
// one outline line.
inline void PaintCellSquare(Canvas& canvas, int x, int y) {
  canvas.Rectangle(x * kCellSize, y * kCellSize, x * kCellSize + kCellSize + 1, y * kCellSize + kCellSize + 1);
}

// Text with its top-left corner just inside cell (x, y), on the brush colour.
inline void PaintCellText(Canvas& canvas, int x, int y, std::string_view text) {
  canvas.TextOut(x * kCellSize + 3, y * kCellSize + 1, text);
}

}  // namespace gx
