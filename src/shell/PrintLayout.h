#pragma once
// The printed puzzle: the title, the empty grid with its numbers on the print background, and the
// across and down clue lists side by side. Every size is a length on paper turned into printer
// dots with the resolution measured at start-up, also when another printer is chosen. The frame
// holds the puzzle, whatever the size of the board in the window; clue lines that do not fit under
// it go on to further pages, each list under its heading again, so that no clue is ever dropped.
// Nothing here needs a window: any canvas in printer dots can carry the pages.

#include <string>
#include <string_view>
#include <vector>

#include "base/Canvas.h"
#include "base/Host.h"
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

// The printed frame is square with `frame_cells` cells per side.
PrintMetrics ComputePrintMetrics(int dpi_x, int dpi_y, int frame_cells);

// The side of the printed frame: the smallest square from the board's corner that holds every
// cell of every slot (at least one cell).
int PrintFrameCells(const Puzzle& puzzle);

// The across slots: those from slot 1 on before the first down slot.
int LeadingAcrossCount(const Puzzle& puzzle);

// One clue line of the page: the number text, a blank and the clue, with the answer and a hyphen
// before the clue when the answers are shown; at most 255 characters.
std::string PrintClueLine(const Puzzle& puzzle, int row);

// What one page shows of one clue list: the heading at `heading_y`, then the lines of the rows
// first_row..end_row-1, one line step apart below it.
struct PrintedList {
  bool shown = false;
  int heading_y = 0;
  int first_row = 0;
  int end_row = 0;
};

struct PrintedPage {
  bool title_and_grid = false;  // the first page only
  PrintedList across;
  PrintedList down;
};

struct PrintPlan {
  PrintMetrics metrics;
  std::vector<PrintedPage> pages;  // never empty
};

// Lays the puzzle out on pages whose printable area is `page_height` dots high (0 or less: one
// page of any height). The first page is laid out exactly as a single page would be as long as
// every line fits; a line fits when a whole line step of it lies on the page.
PrintPlan PlanPrintPages(const Puzzle& puzzle, int dpi_x, int dpi_y, int page_height);

// Draws page `page` of the plan on a canvas in printer dots.
void DrawPrintPage(const Puzzle& puzzle, Color back_color, std::string_view title, const PrintPlan& plan, int page,
                   Canvas& canvas);

// The puzzle as a print document: laid out once the printable area is known, then drawn page by page.
class PrintedPuzzle : public PrintDocument {
 public:
  PrintedPuzzle(const Puzzle& puzzle, const Settings& settings, std::string title)
      : puzzle_(puzzle), settings_(settings), title_(std::move(title)) {}
  int Paginate(int page_width, int page_height) override;
  void DrawPage(int page, Canvas& canvas) override;
  const PrintPlan& Plan() const { return plan_; }

 private:
  const Puzzle& puzzle_;
  const Settings& settings_;
  std::string title_;
  PrintPlan plan_;
};

// The print command: "Кроссворд не готов" without clues, otherwise the print dialog and the pages.
void PrintCommand(Gridlex& state, Host& host);

}  // namespace gx
