#include "board/Layout.h"

#include <algorithm>

namespace gx {

std::optional<WindowLayout> LayoutWindow(int w, int h) {
  const int side = std::min(h - 113, w - 177);
  int n = side / 16;  // the board sides are whole, odd numbers of cells
  if (n % 2 == 0) n -= 1;
  if (n < MinBoardCells) return std::nullopt;
  n = std::min(n, MaxBoardCells);

  WindowLayout l;
  l.cells = n;
  const int board = 16 * n;
  const int right = PaintLeft + board;
  l.paint = {PaintLeft, PaintTop, board, board};
  l.bevel1 = {6, 6, board + 4, board + 4};
  l.grid1 = {right + 8, 8, w - right - 16, board};
  l.grid1_column1 = l.grid1.width - 40;
  l.bevel4 = {right + 6, 6, l.grid1.width + 4, l.bevel1.height};
  l.panels_top = h - 66;
  l.label8_top = h - 20;
  l.bevel5 = {6, h - 98, w - 12, 30};
  l.progress_bar1 = {16, h - 92, w - 32, 18};
  l.label1_top = h - 94;
  l.label2_top = l.bevel5.top + 2;
  l.panel1_left = w - 170;
  l.panel2_left = w - 354;
  l.image1_left = Panel3Width + 14;
  const int d = l.paint.width - Image2Side;  // the reward picture is centred over the board
  l.image2_left = PaintLeft + d / 2;
  l.image2_top = PaintTop + d / 2;
  return l;
}

}  // namespace gx
