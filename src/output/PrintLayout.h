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


// Printer dots, each rounded to the nearest with halves to even.
struct PrintMetrics {
  int cell_width = 0;    // 0.2 inch, less when the frame would not fit the page
  int cell_height = 0;   // 0.2 inch, likewise
  int left = 0;          // 0.1 inch
  int grid_top = 0;      // 0.5 inch, lower under a title of several lines
  int title_top = 0;     // 0.2 inch
  int title_left = 0;    // twice the left margin
  int grid_right = 0;
  int grid_bottom = 0;
  int line_step = 0;     // 1/6.5 inch
  int down_left = 0;     // 100 mm: the down list's column
  int title_font = 0;    // 10 points
  int number_font = 0;   // 8 points, less with a smaller cell
  int list_font = 0;     // 8 points
};

// The printed frame is square with `frame_cells` cells per side.
PrintMetrics ComputePrintMetrics(int dpi_x, int dpi_y, int frame_cells);

// The side of the printed frame: the smallest square from the board's corner that holds every
// cell of every slot (at least one cell).
int PrintFrameCells(const Puzzle& puzzle);

// The across slots: those from slot 1 on before the first down slot.
int LeadingAcrossCount(const Puzzle& puzzle);

// One clue line of the page: the number text, a blank and the clue, with the answer and a hyphen
// before the clue when the answers are shown (or `answers` asks for them); at most 255 characters.
std::string PrintClueLine(const Puzzle& puzzle, int row);
std::string PrintClueLine(const Puzzle& puzzle, int row, bool answers);

// A text as laid out: its top-left corner and the box it fills.
struct PrintedText {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  std::string text;
};

// What one page shows of one clue list: the heading at `heading_y`, then the lines of the rows
// first_row..end_row-1, one line step apart below it. A clue wider than its column takes several
// lines; a clue is split between pages only when it is longer than a whole page.
struct PrintedList {
  bool shown = false;
  int heading_y = 0;
  int first_row = 0;
  int end_row = 0;
  PrintedText heading;
  std::vector<PrintedText> lines;
};

struct PrintedPage {
  bool title_and_grid = false;  // the first page only
  std::vector<PrintedText> title;
  PrintedList across;
  PrintedList down;
};

// What is printed: the page's printable area in printer dots (0 or less: not known, so not
// limited), and whether the answer key is printed (letters in the grid, answers in the lists).
struct PrintRequest {
  int dpi_x = 0;
  int dpi_y = 0;
  int page_width = 0;
  int page_height = 0;
  std::string title;
  bool key = false;
};

struct PrintPlan {
  PrintMetrics metrics;
  int page_width = 0;
  int page_height = 0;
  bool key = false;
  std::vector<PrintedPage> pages;  // never empty
};

// Lays the puzzle out on pages of the request's printable area, measuring texts on `measure` (whose
// font it changes). The frame shrinks to fit the area; the first page is laid out exactly as a
// single page would be as long as every line fits its column and the page; a line fits the page
// when a whole line step of it lies on the page.
PrintPlan PlanPrintPages(const Puzzle& puzzle, const PrintRequest& request, Canvas& measure);
// The same for a page `page_height` dots high and of any width, measured without fonts.
PrintPlan PlanPrintPages(const Puzzle& puzzle, int dpi_x, int dpi_y, int page_height);

// Draws page `page` of the plan on a canvas in printer dots.
void DrawPrintPage(const Puzzle& puzzle, Color back_color, const PrintPlan& plan, int page, Canvas& canvas);

// The puzzle as a print document: laid out once the printable area is known, then drawn page by page.
class PrintedPuzzle : public PrintDocument {
 public:
  PrintedPuzzle(const Puzzle& puzzle, const Settings& settings, std::string title, bool key = false)
      : puzzle_(puzzle), settings_(settings), title_(std::move(title)), key_(key) {}
  int Paginate(int page_width, int page_height, Canvas& measure) override;
  void DrawPage(int page, Canvas& canvas) override;
  const PrintPlan& Plan() const { return plan_; }

 private:
  const Puzzle& puzzle_;
  const Settings& settings_;
  std::string title_;
  bool key_;
  PrintPlan plan_;
};


}  // namespace gx
