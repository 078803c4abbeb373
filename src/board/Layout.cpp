#include "board/Layout.h"

#include <algorithm>
#include <cmath>

#include "base/Cp1251.h"

namespace gx {

namespace {

int OddAtLeast(int cells) { return cells % 2 == 0 ? cells + 1 : cells; }

}  // namespace

int PuzzleBoardCells(const Puzzle& puzzle) {
  int extent = 0;
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    const int last = std::max(0, puzzle.SlotLength[k] - 1);
    extent = std::max({extent, puzzle.SlotCellX(k, last) + 1, puzzle.SlotCellY(k, last) + 1});
  }
  // Cells drawn or loaded outside every slot count too: nothing on the board may fall off it.
  for (int x = 0; x < BoardStorage; ++x) {
    for (int y = 0; y < BoardStorage; ++y) {
      if (puzzle.Mask(x, y) != Background || puzzle.Letter(x, y) != NoLetter) extent = std::max({extent, x + 1, y + 1});
    }
  }
  return extent == 0 ? 0 : std::min(OddAtLeast(extent), MaxBoardCells);
}

std::optional<WindowLayout> LayoutWindow(int w, int h, int puzzle_cells) {
  const int side = std::min(h - BelowBoard, w - BesideBoard);
  int room = side / kCellSize;  // the board sides are whole, odd numbers of cells
  if (room % 2 == 0) room -= 1;
  if (room < MinBoardCells) return std::nullopt;
  room = std::min(room, MaxRoomCells);
  const int cells = std::clamp(puzzle_cells, room, MaxBoardCells);

  WindowLayout l;
  l.cells = cells;
  l.room_cells = room;
  l.scaled = kCellSize * cells > side;
  const int board = l.scaled ? side : kCellSize * cells;
  const int right = PaintLeft + board;
  l.paint = {PaintLeft, PaintTop, board, board};
  l.board_frame = {6, 6, board + 4, board + 4};
  l.clue_list = {right + 8, 8, w - right - 16, board};
  l.clue_text_width = l.clue_list.width - 40;
  l.clue_list_frame = {right + 6, 6, l.clue_list.width + 4, l.board_frame.height};
  l.panels_top = h - 66;
  l.version_top = h - 20;
  l.status_strip = {6, h - 98, w - 12, 30};
  l.progress_bar = {16, h - 92, w - 32, 18};
  l.clue_line_top = h - 94;
  l.tally_top = l.status_strip.top + 2;
  l.right_bar_left = w - RightBarWidth - 8;
  l.settings_panel_left = w - 354;
  l.logo_left = LeftBarWidth + 14;
  const int d = l.paint.width - RewardSide;  // the reward picture is centred over the board
  l.reward_left = PaintLeft + d / 2;
  l.reward_top = PaintTop + d / 2;
  return l;
}

std::string ScaledBoardCaption(const WindowLayout& layout) {
  if (!layout.scaled) return {};
  const long percent = std::lround(100.0 * layout.paint.width / (16.0 * layout.cells));
  return Utf8ToCp1251(" — поле уменьшено до " + std::to_string(percent) + "%");
}

std::string ScaledBoardHint(const WindowLayout& layout) {
  if (!layout.scaled) return {};
  return Utf8ToCp1251("Кроссворд больше окна и показан целиком, уменьшенным. "
                      "В окне побольше клетки станут обычного размера.");
}

bool LayoutHoldsPuzzle(const WindowLayout& layout, const Puzzle& puzzle) {
  return std::clamp(PuzzleBoardCells(puzzle), layout.room_cells, MaxBoardCells) == layout.cells;
}

}  // namespace gx
