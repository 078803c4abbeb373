#include "shell/PrintLayout.h"

#include "core/Rounding.h"
#include "files/Cp1251.h"
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
                  int first_row, int end_row) {
  canvas.SetFontColor(Teal);
  canvas.TextOut(x, m.grid_bottom + m.line_step, heading);
  canvas.SetFontColor(Black);
  for (int row = first_row; row < end_row; ++row) {
    canvas.TextOut(x, m.grid_bottom + (row - first_row + 2) * m.line_step, PrintClueLine(puzzle, row));
  }
}

}  // namespace

PrintMetrics ComputePrintMetrics(int dpi_x, int dpi_y, int board_rows) {
  PrintMetrics m;
  m.cell_width = Dots(dpi_x * 0.2);
  m.cell_height = Dots(dpi_y * 0.2);
  m.left = Dots(dpi_x * 0.1);
  m.grid_top = Dots(dpi_y * 0.5);
  m.title_top = Dots(dpi_y * 0.2);
  m.title_left = 2 * m.left;
  m.grid_right = board_rows * m.cell_width + m.left;
  m.grid_bottom = board_rows * m.cell_height + m.grid_top;
  m.line_step = Dots(dpi_y / 6.5);
  m.down_left = Dots(dpi_x * 3.937007874);
  m.title_font = Dots(10 * dpi_y / PointsPerInch);
  m.number_font = Dots(8 * dpi_y / PointsPerInch);
  return m;
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

void DrawPrintPage(const Puzzle& puzzle, const Settings& settings, std::string_view caption, Canvas& canvas) {
  const PrintMetrics m = ComputePrintMetrics(settings.PrinterDpiX, settings.PrinterDpiY, puzzle.BoardRows);
  const int across = LeadingAcrossCount(puzzle);

  canvas.SetPenMode(PenMode::Copy);
  canvas.SetFont("Arial", m.title_font);
  canvas.SetFontColor(Black);
  canvas.SetPenColor(Black);
  canvas.SetBrushColor(White);
  canvas.TextOut(m.title_left, m.title_top, caption);

  canvas.SetBrushColor(settings.Colors.PrintBackColor);
  canvas.Rectangle(m.left, m.grid_top, m.grid_right, m.grid_bottom);

  canvas.SetFont("Arial", m.number_font);
  canvas.SetFontColor(Maroon);
  canvas.SetBrushColor(White);
  DrawGrid(puzzle, m, canvas);

  DrawClueList(puzzle, m, canvas, m.left, Utf8ToCp1251("По горизонтали:"), 0, across);
  DrawClueList(puzzle, m, canvas, m.down_left, Utf8ToCp1251("По вертикали:"), across, puzzle.SlotCount);
}

void PrintCommand(Gridlex& state, Host& host) {
  if (state.puzzle.Grid1.Cell(1, 0).empty()) {
    host.ShowInformation(Utf8ToCp1251("Кроссворд не готов"));
    return;
  }
  std::string error;
  const PrintOutcome outcome = host.PrintPage(
      [&state](Canvas& canvas) { DrawPrintPage(state.puzzle, state.settings, state.window.Caption, canvas); },
      state.settings.PrinterDpiY, error);
  if (outcome == PrintOutcome::Failed) host.ShowError(error);
}

}  // namespace gx
