#include "board/CellNumber.h"

namespace gx {

namespace {

constexpr std::string_view kNumberFont = "Arial";

bool IsWhole(std::string_view number_text) { return number_text.size() >= 3 && number_text.front() != ' '; }

}  // namespace

std::string_view CellNumberLabel(std::string_view number_text) {
  if (IsWhole(number_text)) return number_text;
  return number_text.size() > 1 ? number_text.substr(1, 2) : std::string_view();
}

void DrawCellNumber(Canvas& canvas, const NumberCell& cell, std::string_view number_text) {
  const std::string_view label = CellNumberLabel(number_text);
  if (!IsWhole(number_text)) {
    canvas.TextOut(cell.left + cell.label_x, cell.top + cell.label_y, label);
    return;
  }
  // Three digits do not fit after the usual indent: they start just inside the outline.
  int pixels = cell.font_pixels;
  for (; pixels > 1; --pixels) {
    canvas.SetFont(kNumberFont, pixels);
    const TextExtent box = canvas.MeasureText(label);
    if (box.width <= cell.inside_width && box.height <= cell.inside_height) break;
  }
  canvas.SetFont(kNumberFont, pixels);
  canvas.TextOut(cell.left + 1, cell.top + 1, label);
  canvas.SetFont(kNumberFont, cell.font_pixels);
}

}  // namespace gx
