#pragma once
// The printed page: the title, the empty grid with its numbers on the print background, and the
// across and down clue lists side by side. Every size is a length on paper turned into printer
// dots with the resolution measured at start-up, also when another printer is chosen.

#include <string>
#include <string_view>

#include "board/Canvas.h"
#include "core/Host.h"
#include "core/Puzzle.h"
#include "core/Settings.h"

namespace gx {

struct Gridlex;

// Printer dots, each rounded to the nearest with halves to even.
struct PrintMetrics {
  int cell_width = 0;    // 0.2 inch
  int cell_height = 0;   // 0.2 inch
  int left = 0;          // 0.1 inch
  int grid_top = 0;      // 0.5 inch
  int title_top = 0;     // 0.2 inch
  int title_left = 0;    // twice the left margin
  int grid_right = 0;
  int grid_bottom = 0;
  int line_step = 0;     // 1/6.5 inch
  int down_left = 0;     // 100 mm: the down list's column
  int title_font = 0;    // 10 points
  int number_font = 0;   // 8 points
};

// The printed frame is square with `board_rows` cells per side.
PrintMetrics ComputePrintMetrics(int dpi_x, int dpi_y, int board_rows);

// The across slots: those from slot 1 on before the first down slot.
int LeadingAcrossCount(const Puzzle& puzzle);

// One clue line of the page: the number text, a blank and the clue, with the answer and a hyphen
// before the clue when the answers are shown; at most 255 characters.
std::string PrintClueLine(const Puzzle& puzzle, int row);

// Draws the whole page on a canvas in printer dots.
void DrawPrintPage(const Puzzle& puzzle, const Settings& settings, std::string_view caption, Canvas& canvas);

// The print command: "Кроссворд не готов" without clues, otherwise the print dialog and the page.
void PrintCommand(Gridlex& state, Host& host);

}  // namespace gx
