#include "shell/PrintLayout.h"

#include <algorithm>
#include <climits>

#include "base/Rounding.h"
#include "base/Cp1251.h"
#include "shell/Gridlex.h"

namespace gx {

namespace {

constexpr Color Black = Rgb(0, 0, 0);
constexpr Color White = Rgb(255, 255, 255);
constexpr Color Maroon = Rgb(128, 0, 0);
constexpr Color Teal = Rgb(0, 128, 128);
constexpr std::size_t MaxLine = 255;
constexpr double PointsPerInch = 72.0;

int Dots(double value) { return static_cast<int>(RoundHalfEven(value)); }

// The two-character label of a cell: the number text without its first character.
std::string_view CellLabel(std::string_view number) { return number.size() > 1 ? number.substr(1, 2) : std::string_view(); }

void DrawGrid(const Puzzle& puzzle, const PrintMetrics& m, Canvas& canvas) {
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    for (int t = 0; t < puzzle.SlotLength[k]; ++t) {
      const int x = puzzle.SlotCellX(k, t) * m.cell_width + m.left;
      const int y = puzzle.SlotCellY(k, t) * m.cell_height + m.grid_top;
      canvas.Rectangle(x, y, x + m.cell_width, y + m.cell_height);
    }
  }
  for (int row = 0; row < puzzle.SlotCount; ++row) {
    const int k = row + 1;
    canvas.TextOut(puzzle.SlotX[k] * m.cell_width + m.left + 3, puzzle.SlotY[k] * m.cell_height + m.grid_top + 1,
                   CellLabel(puzzle.Grid1.Number(row)));
  }
}

void DrawClueList(const Puzzle& puzzle, const PrintMetrics& m, Canvas& canvas, int x, std::string_view heading,
                  const PrintedList& list) {
  if (!list.shown) return;
  canvas.SetFontColor(Teal);
  canvas.TextOut(x, list.heading_y, heading);
  canvas.SetFontColor(Black);
  for (int row = list.first_row; row < list.end_row; ++row) {
    canvas.TextOut(x, list.heading_y + (row - list.first_row + 1) * m.line_step, PrintClueLine(puzzle, row));
  }
}

// Where the lists stand on a page: the heading one line step below `top`, the lines under it.
struct ListArea {
  int top;
  bool heading_fits;
  int lines;  // clue lines that fit under the heading
};

ListArea AreaOfPage(const PrintMetrics& m, int page, int page_height) {
  // The first page has the lists under the grid; the next ones have them where the title stood.
  const int top = page == 0 ? m.grid_bottom : m.title_top - m.line_step;
  if (page_height <= 0) return {top, true, INT_MAX};
  const int steps = (page_height - top) / m.line_step;  // whole line steps from the top to the page end
  ListArea area{top, steps >= 2, std::max(0, steps - 2)};
  // However small the page, a further page takes a line: nothing is dropped and the pages end.
  if (page > 0) area = {top, true, std::max(1, area.lines)};
  return area;
}

PrintedPage& PageAt(PrintPlan& plan, int page) {
  if (static_cast<int>(plan.pages.size()) <= page) plan.pages.resize(static_cast<std::size_t>(page) + 1);
  return plan.pages[static_cast<std::size_t>(page)];
}

// Spreads the rows first..end-1 of one list over the pages; a list never starts with a heading alone
// at the foot of a page, but an empty list shows its heading where it fits.
void PlanList(PrintPlan& plan, PrintedList PrintedPage::*list, int first, int end, int page_height) {
  int row = first;
  for (int page = 0;; ++page) {
    const ListArea area = AreaOfPage(plan.metrics, page, page_height);
    const int take = std::min(area.lines, end - row);
    if (!area.heading_fits || (take == 0 && row < end)) continue;
    PageAt(plan, page).*list = PrintedList{true, area.top + plan.metrics.line_step, row, row + take};
    row += take;
    if (row == end) return;
  }
}

}  // namespace

PrintMetrics ComputePrintMetrics(int dpi_x, int dpi_y, int frame_cells) {
  PrintMetrics m;
  m.cell_width = Dots(dpi_x * 0.2);
  m.cell_height = Dots(dpi_y * 0.2);
  m.left = Dots(dpi_x * 0.1);
  m.grid_top = Dots(dpi_y * 0.5);
  m.title_top = Dots(dpi_y * 0.2);
  m.title_left = 2 * m.left;
  m.grid_right = frame_cells * m.cell_width + m.left;
  m.grid_bottom = frame_cells * m.cell_height + m.grid_top;
  m.line_step = Dots(dpi_y / 6.5);
  m.down_left = Dots(dpi_x * 3.937007874);
  m.title_font = Dots(10 * dpi_y / PointsPerInch);
  m.number_font = Dots(8 * dpi_y / PointsPerInch);
  return m;
}

int PrintFrameCells(const Puzzle& puzzle) {
  int side = 1;
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    const int last = std::max(0, puzzle.SlotLength[k] - 1);
    side = std::max({side, puzzle.SlotCellX(k, last) + 1, puzzle.SlotCellY(k, last) + 1});
  }
  return side;
}

int LeadingAcrossCount(const Puzzle& puzzle) {
  int count = 0;
  while (count < puzzle.SlotCount && puzzle.SlotVertical[count + 1] == 0) ++count;
  return count;
}

std::string PrintClueLine(const Puzzle& puzzle, int row) {
  std::string line(puzzle.Grid1.Number(row));
  line += ' ';
  if (puzzle.AnswersShown != 0) {
    const int k = row + 1;
    if (k < Puzzle::TableSize) line += std::string(puzzle.SlotAnswer[k].view()) + "-";
  }
  line += puzzle.Grid1.Clue(row);
  if (line.size() > MaxLine) line.resize(MaxLine);
  return line;
}

PrintPlan PlanPrintPages(const Puzzle& puzzle, int dpi_x, int dpi_y, int page_height) {
  PrintPlan plan;
  plan.metrics = ComputePrintMetrics(dpi_x, dpi_y, PrintFrameCells(puzzle));
  if (plan.metrics.line_step < 1) page_height = 0;  // no resolution to measure a page with
  PageAt(plan, 0).title_and_grid = true;
  const int across = LeadingAcrossCount(puzzle);
  PlanList(plan, &PrintedPage::across, 0, across, page_height);
  PlanList(plan, &PrintedPage::down, across, puzzle.SlotCount, page_height);
  return plan;
}

void DrawPrintPage(const Puzzle& puzzle, Color back_color, std::string_view title, const PrintPlan& plan, int page,
                   Canvas& canvas) {
  if (page < 0 || page >= static_cast<int>(plan.pages.size())) return;
  const PrintMetrics& m = plan.metrics;
  const PrintedPage& content = plan.pages[static_cast<std::size_t>(page)];

  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenColor(Black);
  canvas.SetBrushColor(White);
  if (content.title_and_grid) {
    canvas.SetFont("Arial", m.title_font);
    canvas.SetFontColor(Black);
    canvas.TextOut(m.title_left, m.title_top, title);

    canvas.SetBrushColor(back_color);
    canvas.Rectangle(m.left, m.grid_top, m.grid_right, m.grid_bottom);

    canvas.SetFontColor(Maroon);
    canvas.SetBrushColor(White);
    canvas.SetFont("Arial", m.number_font);
    DrawGrid(puzzle, m, canvas);
  }
  // The lists keep the size of the numbers.
  canvas.SetFont("Arial", m.number_font);
  DrawClueList(puzzle, m, canvas, m.left, Utf8ToCp1251("По горизонтали:"), content.across);
  DrawClueList(puzzle, m, canvas, m.down_left, Utf8ToCp1251("По вертикали:"), content.down);
}

int PrintedPuzzle::Paginate(int /*page_width*/, int page_height) {
  plan_ = PlanPrintPages(puzzle_, settings_.PrinterDpiX, settings_.PrinterDpiY, page_height);
  return static_cast<int>(plan_.pages.size());
}

void PrintedPuzzle::DrawPage(int page, Canvas& canvas) {
  DrawPrintPage(puzzle_, settings_.Colors.PrintBackColor, title_, plan_, page, canvas);
}

void PrintCommand(Gridlex& state, Host& host) {
  if (state.puzzle.Grid1.Cell(1, 0).empty()) {
    host.ShowInformation(Utf8ToCp1251("Кроссворд не готов"));
    return;
  }
  PrintedPuzzle document(state.puzzle, state.settings, state.PuzzleTitle);
  std::string error;
  const PrintOutcome outcome = host.PrintPages(document, state.settings.PrinterDpiY, error);
  if (outcome == PrintOutcome::Failed) host.ShowError(error);
}

}  // namespace gx
