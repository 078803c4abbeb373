#pragma once
// Where the main window's controls go for a client area of W x H pixels: the board is the largest
// square of an odd number of 16-pixel cells beside the clue list and above the button strip, but
// no larger than a build can fill, and never smaller than the puzzle it holds.

#include <optional>
#include <string>

#include "core/Puzzle.h"

namespace gx {

struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Box&, const Box&) = default;
};

// The design positions the layout never changes.
constexpr int PaintLeft = 8;
constexpr int PaintTop = 8;
constexpr int LeftBarWidth = 161;
constexpr int RightBarWidth = 188;
constexpr int SettingsPanelWidth = 346;
constexpr int RewardSide = 273;
constexpr int MinBoardCells = 19;
// The largest board on which F5 builds reliably with the delivered dictionary and settings
// (tools/measure_builds.py, 1,100 seeds: on 55 cells every build completes, on 57 about one in
// twenty finds no acceptable grid, on 59 most do). The window offers a new grid no more; a loaded
// puzzle may still need up to 63.
constexpr int MaxRoomCells = 55;
constexpr int MaxBoardCells = MaxBoardInUse;

// The width and height the board leaves for the list, the status strip and the button strip.
constexpr int BesideBoard = 177;
constexpr int BelowBoard = 113;
// The smallest client area that shows every control: the settings panel, laid at the right
// edge, clears the left button panel by 4 pixels, and the board keeps its 19 cells.
constexpr int MinClientWidth = PaintLeft + LeftBarWidth + 4 + SettingsPanelWidth + 8;
constexpr int MinClientHeight = kCellSize * MinBoardCells + BelowBoard;

struct WindowLayout {
  int cells = 0;        // board side in cells: odd, 19..63; the paint image is 16 x cells pixels
  int room_cells = 0;   // the board the window offers a new grid: odd, 19..MaxRoomCells
  bool scaled = false;  // the board is shown smaller than 16 pixels a cell, to be seen whole
  Box paint;            // the board as shown
  Box board_frame;      // left and top 6
  Box clue_list;
  int clue_text_width = 0;  // the clue column of the list
  Box clue_list_frame;
  int panels_top = 0;   // the two button bars, the settings panel and the logo
  int right_bar_left = 0;
  int settings_panel_left = 0;
  int logo_left = 0;
  int version_top = 0;
  Box status_strip;     // left 6
  Box progress_bar;     // left 16
  int clue_line_top = 0;
  int tally_top = 0;
  int reward_left = 0;
  int reward_top = 0;
};

// The side in cells of the smallest odd board that holds every slot and every cell of the
// puzzle; 0 for an empty board. At most 63.
int PuzzleBoardCells(const Puzzle& puzzle);

// Nothing when the room would be under 19 cells: the window then keeps its old layout.
// `puzzle_cells` (from PuzzleBoardCells) makes the board at least that large; where 16-pixel
// cells of that board do not fit the client area, it is shown scaled down to the space there is.
std::optional<WindowLayout> LayoutWindow(int client_width, int client_height, int puzzle_cells = 0);

// What the window adds to its caption while the board is shown scaled down, and the hint the
// board carries then (Windows-1251); empty while it is shown at 16 pixels a cell.
std::string ScaledBoardCaption(const WindowLayout& layout);
std::string ScaledBoardHint(const WindowLayout& layout);
// False once a command has made the puzzle need another board than the layout's.
bool LayoutHoldsPuzzle(const WindowLayout& layout, const Puzzle& puzzle);

// The client size that shows a board of `cells` at 16 pixels a cell.
constexpr int ClientWidthFor(int cells) { return kCellSize * cells + BesideBoard; }
constexpr int ClientHeightFor(int cells) { return kCellSize * cells + BelowBoard; }

}  // namespace gx
