#include "core/ClueList.h"

#include <algorithm>
#include <cstdio>

namespace gx {

namespace {
const std::string kEmpty;
bool Inside(int column, int row) { return column >= 0 && column < 2 && row >= 0 && row < ClueList::MaxRows; }
}  // namespace

const std::string& ClueList::Cell(int column, int row) const {
  return Inside(column, row) ? cells_[row][column] : kEmpty;
}

void ClueList::SetCell(int column, int row, std::string_view text) {
  if (!Inside(column, row)) return;
  cells_[row][column].assign(text.substr(0, 255));
}

void ClueList::ClearRows(int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, MaxRows - 1);
  for (int row = first; row <= last; ++row) {
    cells_[row][0].clear();
    cells_[row][1].clear();
  }
}

void ClueList::SetRowCount(int count) {
  row_count_ = std::clamp(count, 1, MaxRows);
  SetCurrentRow(current_row_);
}

void ClueList::SetCurrentRow(int row) { current_row_ = std::clamp(row, 0, row_count_ - 1); }

std::string FormatClueNumber(int number) {
  // Every extraction numbers each slot: the usual numbers skip the formatted printing.
  if (number >= 0 && number <= 999) {
    std::string text = "   ";
    for (int i = 2; i >= 0; --i) {
      text[static_cast<std::size_t>(i)] = static_cast<char>('0' + number % 10);
      number /= 10;
      if (number == 0) break;
    }
    return text;
  }
  char text[16];
  std::snprintf(text, sizeof text, "%3d", number);
  return text;
}

}  // namespace gx
