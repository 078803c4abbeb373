#include "output/PrintLayout.h"

#include <algorithm>
#include <climits>

#include "base/Rounding.h"
#include "base/Cp1251.h"
#include "core/PuzzleReady.h"
#include "board/CellNumber.h"
#include "output/LineBreaking.h"

namespace gx {

namespace {

constexpr Color Black = Rgb(0, 0, 0);
constexpr Color White = Rgb(255, 255, 255);
constexpr Color Maroon = Rgb(128, 0, 0);
constexpr Color Teal = Rgb(0, 128, 128);
constexpr std::size_t MaxLine = 255;
constexpr double PointsPerInch = 72.0;
constexpr std::string_view Font = "Arial";
// Narrower than this (in inches) the down column would hardly hold a word at its usual place.
constexpr double NarrowestDownColumn = 2.0;

int Dots(double value) { return static_cast<int>(RoundHalfEven(value)); }

TextWidth WidthOn(Canvas& measure) {
  return [&measure](std::string_view text) { return measure.MeasureText(text).width; };
}

PrintedText Placed(Canvas& measure, int x, int y, std::string text) {
  const TextExtent box = measure.MeasureText(text);
  return {x, y, box.width, box.height, std::move(text)};
}

// The frame shrinks, cells staying as square on paper as they were, until it fits the page's width
// and the height under the title; a frame that fits keeps its cells.
void FitFrame(PrintMetrics& m, int frame_cells, int page_width, int page_height) {
  const int normal_width = m.cell_width;
  const int normal_height = m.cell_height;
  const int room_width = page_width > 0 ? std::max(1, (page_width - m.left) / frame_cells) : INT_MAX;
  const int room_height = page_height > 0 ? std::max(1, (page_height - m.grid_top) / frame_cells) : INT_MAX;
  if (room_width >= normal_width && room_height >= normal_height) return;
  if (normal_width < 1 || normal_height < 1) return;
  if (static_cast<long long>(room_width) * normal_height <= static_cast<long long>(room_height) * normal_width) {
    m.cell_width = room_width;
    m.cell_height = std::max(1, static_cast<int>(static_cast<long long>(normal_height) * room_width / normal_width));
  } else {
    m.cell_height = room_height;
    m.cell_width = std::max(1, static_cast<int>(static_cast<long long>(normal_width) * room_height / normal_height));
  }
  m.number_font = std::max(1, Dots(static_cast<double>(m.number_font) * m.cell_height / normal_height));
}

// The title, broken into lines across the page when it is wider; the grid goes down by the lines
// it takes beyond the first.
std::vector<PrintedText> PlanTitle(PrintMetrics& m, const std::string& title, int page_width, Canvas& measure) {
  measure.SetFont(Font, m.title_font);
  const int room = page_width > 0 ? page_width - m.title_left : INT_MAX;
  const std::vector<std::string> pieces = BreakLine(title, room, room, WidthOn(measure));
  std::vector<PrintedText> lines;
  int y = m.title_top;
  for (const std::string& piece : pieces) {
    lines.push_back(Placed(measure, m.title_left, y, piece));
    y += lines.back().height;
  }
  if (lines.size() > 1) m.grid_top += y - m.title_top - lines.front().height;
  return lines;
}

// Where a list stands on a page, and how wide its lines may be.
struct Column {
  int x;
  int width;
};

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

// The lines of one clue: the first at the column's edge, the others under the clue's text.
struct ClueLines {
  std::vector<std::string> pieces;
  int indent;
};

ClueLines BreakClue(const Puzzle& puzzle, int row, bool answers, const Column& column, const TextWidth& width) {
  const std::string line = PrintClueLine(puzzle, row, answers);
  const std::size_t text = line.find_first_not_of(' ', std::min(line.size(), puzzle.Clues.Number(row).size() + 1));
  const int indent = std::min(width(std::string_view(line).substr(0, std::min(text, line.size()))), column.width / 2);
  return {BreakLine(line, column.width, column.width - indent, width), indent};
}

// Spreads the rows first..end-1 of one list over the pages; a list never starts with a heading alone
// at the foot of a page, but an empty list shows its heading where it fits. A clue goes whole to the
// next page when it does not fit the rest of this one but fits a page.
class ListPlanner {
 public:
  ListPlanner(PrintPlan& plan, const std::vector<ClueLines>& clues, int first, const Column& column, Canvas& measure)
      : plan_(plan), clues_(clues), first_(first), column_(column), measure_(measure) {}

  void Plan(PrintedList PrintedPage::*list, std::string_view heading) {
    const int end = first_ + static_cast<int>(clues_.size());
    const int page_lines = AreaOfPage(plan_.metrics, 1, plan_.page_height).lines;
    for (int page = 0;; ++page) {
      const ListArea area = AreaOfPage(plan_.metrics, page, plan_.page_height);
      if (!area.heading_fits) continue;
      PrintedList placed{true, area.top + plan_.metrics.line_step, row_, row_, {}, {}};
      int room = area.lines;
      while (row_ < end && room > 0) {
        const ClueLines& clue = Clue(row_);
        const int left = static_cast<int>(clue.pieces.size() - piece_);
        if (left > room && piece_ == 0 && left <= page_lines) break;
        const int take = std::min(left, room);
        for (int i = 0; i < take; ++i) Add(placed, clue, piece_ + static_cast<std::size_t>(i));
        room -= take;
        piece_ += static_cast<std::size_t>(take);
        placed.end_row = row_ + 1;
        if (piece_ == clue.pieces.size()) {
          ++row_;
          piece_ = 0;
        }
      }
      if (placed.lines.empty() && row_ < end) continue;
      measure_.SetFont(Font, plan_.metrics.list_font);
      placed.heading = Placed(measure_, column_.x, placed.heading_y, std::string(heading));
      PageAt(plan_, page).*list = std::move(placed);
      if (row_ == end) return;
    }
  }

 private:
  const ClueLines& Clue(int row) const { return clues_[static_cast<std::size_t>(row - first_)]; }

  void Add(PrintedList& list, const ClueLines& clue, std::size_t piece) {
    const int y = list.heading_y + static_cast<int>(list.lines.size() + 1) * plan_.metrics.line_step;
    const int x = column_.x + (piece == 0 ? 0 : clue.indent);
    measure_.SetFont(Font, plan_.metrics.list_font);
    list.lines.push_back(Placed(measure_, x, y, clue.pieces[piece]));
  }

  PrintPlan& plan_;
  const std::vector<ClueLines>& clues_;
  int first_;
  Column column_;
  Canvas& measure_;
  int row_ = first_;
  std::size_t piece_ = 0;
};

void PlanList(PrintPlan& plan, const Puzzle& puzzle, PrintedList PrintedPage::*list, int first, int end,
              const Column& column, std::string_view heading, Canvas& measure) {
  measure.SetFont(Font, plan.metrics.list_font);
  const TextWidth width = WidthOn(measure);
  std::vector<ClueLines> clues;
  for (int row = first; row < end; ++row) clues.push_back(BreakClue(puzzle, row, plan.key, column, width));
  ListPlanner(plan, clues, first, column, measure).Plan(list, heading);
}

// The across list runs from the left margin to a margin's width before the down list; the down
// list from 100 mm to the page's edge, or from the middle of a page too narrow for that.
std::pair<Column, Column> ListColumns(PrintMetrics& m, int page_width, int dpi_x) {
  if (page_width > 0 && page_width - m.down_left < Dots(NarrowestDownColumn * dpi_x)) {
    m.down_left = m.left + (page_width - m.left) / 2;
  }
  const int down_width = page_width > 0 ? page_width - m.down_left : INT_MAX / 2;
  return {Column{m.left, std::max(1, m.down_left - 2 * m.left)}, Column{m.down_left, std::max(1, down_width)}};
}

void DrawGrid(const Puzzle& puzzle, const PrintPlan& plan, Canvas& canvas) {
  const PrintMetrics& m = plan.metrics;
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    for (int t = 0; t < puzzle.SlotLength[k]; ++t) {
      const int x = puzzle.SlotCellX(k, t) * m.cell_width + m.left;
      const int y = puzzle.SlotCellY(k, t) * m.cell_height + m.grid_top;
      canvas.Rectangle(x, y, x + m.cell_width, y + m.cell_height);
    }
  }
  // The key's letters take the lower part of the cell, its numbers a smaller font above them.
  const int number_font = plan.key ? std::max(1, m.number_font * 11 / 20) : m.number_font;
  const int number_height = plan.key ? (m.cell_height - 2) * 2 / 5 : m.cell_height - 2;
  canvas.SetFont(Font, number_font);
  for (int row = 0; row < puzzle.SlotCount; ++row) {
    const int k = row + 1;
    const NumberCell cell{puzzle.SlotX[k] * m.cell_width + m.left, puzzle.SlotY[k] * m.cell_height + m.grid_top,
                          m.cell_width - 2, number_height, number_font};
    DrawCellNumber(canvas, cell, puzzle.Clues.Number(row));
  }
}

// The answer letters of the key, each in the lower middle of its cell.
void DrawKeyLetters(const Puzzle& puzzle, const PrintMetrics& m, Canvas& canvas) {
  canvas.SetFontColor(Black);
  canvas.SetFont(Font, std::max(1, m.cell_height / 2));
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    const std::string_view answer = puzzle.SlotAnswer[k].view();
    for (int t = 0; t < puzzle.SlotLength[k] && static_cast<std::size_t>(t) < answer.size(); ++t) {
      const std::string_view letter = answer.substr(static_cast<std::size_t>(t), 1);
      const TextExtent box = canvas.MeasureText(letter);
      const int x = puzzle.SlotCellX(k, t) * m.cell_width + m.left;
      const int y = puzzle.SlotCellY(k, t) * m.cell_height + m.grid_top;
      canvas.TextOut(x + std::max(1, (m.cell_width - box.width) / 2), y + std::max(1, m.cell_height - 1 - box.height),
                     letter);
    }
  }
}

void DrawClueList(Canvas& canvas, const PrintedList& list) {
  if (!list.shown) return;
  canvas.SetFontColor(Teal);
  canvas.TextOut(list.heading.x, list.heading.y, list.heading.text);
  canvas.SetFontColor(Black);
  for (const PrintedText& line : list.lines) canvas.TextOut(line.x, line.y, line.text);
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
  m.list_font = m.number_font;
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

std::string PrintClueLine(const Puzzle& puzzle, int row) { return PrintClueLine(puzzle, row, false); }

std::string PrintClueLine(const Puzzle& puzzle, int row, bool answers) {
  std::string line(puzzle.Clues.Number(row));
  line += ' ';
  if (puzzle.AnswersShown || answers) {
    const int k = row + 1;
    if (k < Puzzle::TableSize) line += std::string(puzzle.SlotAnswer[k].view()) + "-";
  }
  line += puzzle.Clues.Clue(row);
  if (line.size() > MaxLine) line.resize(MaxLine);
  return line;
}

PrintPlan PlanPrintPages(const Puzzle& puzzle, const PrintRequest& request, Canvas& measure) {
  PrintPlan plan;
  plan.key = request.key;
  plan.page_width = request.page_width;
  plan.page_height = request.page_height;
  const int frame_cells = PrintFrameCells(puzzle);
  PrintMetrics& m = plan.metrics;
  m = ComputePrintMetrics(request.dpi_x, request.dpi_y, frame_cells);
  if (m.line_step < 1) plan.page_height = 0;  // no resolution to measure a page with
  PrintedPage& first = PageAt(plan, 0);
  first.title_and_grid = true;
  first.title = PlanTitle(m, request.title, plan.page_width, measure);
  FitFrame(m, frame_cells, plan.page_width, plan.page_height);
  m.grid_right = frame_cells * m.cell_width + m.left;
  m.grid_bottom = frame_cells * m.cell_height + m.grid_top;
  const auto [across_column, down_column] = ListColumns(m, plan.page_width, request.dpi_x);
  const int across = LeadingAcrossCount(puzzle);
  PlanList(plan, puzzle, &PrintedPage::across, 0, across, across_column, Utf8ToCp1251("По горизонтали:"), measure);
  PlanList(plan, puzzle, &PrintedPage::down, across, puzzle.SlotCount, down_column, Utf8ToCp1251("По вертикали:"),
           measure);
  return plan;
}

PrintPlan PlanPrintPages(const Puzzle& puzzle, int dpi_x, int dpi_y, int page_height) {
  NullCanvas measure;
  return PlanPrintPages(puzzle, PrintRequest{dpi_x, dpi_y, 0, page_height, {}, false}, measure);
}

void DrawPrintPage(const Puzzle& puzzle, Color back_color, const PrintPlan& plan, int page, Canvas& canvas) {
  if (page < 0 || page >= static_cast<int>(plan.pages.size())) return;
  const PrintMetrics& m = plan.metrics;
  const PrintedPage& content = plan.pages[static_cast<std::size_t>(page)];

  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenColor(Black);
  canvas.SetBrushColor(White);
  if (content.title_and_grid) {
    canvas.SetFont(Font, m.title_font);
    canvas.SetFontColor(Black);
    for (const PrintedText& line : content.title) canvas.TextOut(line.x, line.y, line.text);

    canvas.SetBrushColor(back_color);
    canvas.Rectangle(m.left, m.grid_top, m.grid_right, m.grid_bottom);

    canvas.SetFontColor(Maroon);
    canvas.SetBrushColor(White);
    DrawGrid(puzzle, plan, canvas);
    if (plan.key) DrawKeyLetters(puzzle, m, canvas);
  }
  // The lists keep the size the numbers have in a frame of usual size.
  canvas.SetFont(Font, m.list_font);
  DrawClueList(canvas, content.across);
  DrawClueList(canvas, content.down);
}

int PrintedPuzzle::Paginate(int page_width, int page_height, Canvas& measure) {
  const PrintRequest request{settings_.PrinterDpiX, settings_.PrinterDpiY, page_width, page_height, title_, key_};
  plan_ = PlanPrintPages(puzzle_, request, measure);
  return static_cast<int>(plan_.pages.size());
}

void PrintedPuzzle::DrawPage(int page, Canvas& canvas) {
  DrawPrintPage(puzzle_, settings_.Colors.PrintBackColor, plan_, page, canvas);
}


}  // namespace gx
