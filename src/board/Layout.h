#pragma once
// Where the main window's controls go for a client area of W x H pixels: the board is the largest
// square of an odd number of 16-pixel cells beside the clue list and above the button strip.

#include <optional>

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
constexpr int Panel3Width = 161;
constexpr int Image2Side = 273;
constexpr int MinBoardCells = 19;
constexpr int MaxBoardCells = 63;  // the model holds at most 63 rows and columns in use

struct WindowLayout {
  int cells = 0;        // board side in cells: odd, 19..63
  Box paint;            // the board
  Box bevel1;           // its frame (left and top 6)
  Box grid1;            // the clue list
  int grid1_column1 = 0;
  Box bevel4;           // the clue list's frame
  int panels_top = 0;   // Panel3, Panel1, Panel2 and Image1
  int panel1_left = 0;
  int panel2_left = 0;
  int image1_left = 0;
  int label8_top = 0;
  Box bevel5;           // the status strip (left 6)
  Box progress_bar1;    // left 16
  int label1_top = 0;
  int label2_top = 0;
  int image2_left = 0;
  int image2_top = 0;
};

// Nothing when the board would have fewer than 19 cells: the window then keeps its old layout.
// A board that would exceed 63 cells is kept at 63; the clue list takes the extra width.
std::optional<WindowLayout> LayoutWindow(int client_width, int client_height);

}  // namespace gx
