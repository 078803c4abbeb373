#pragma once
// The clue list: a two-column text table beside the board. Row k-1 belongs to slot k.
// Column 0 holds the clue number right-aligned in 3 characters, column 1 the clue text that
// begins with its separating space. The clue texts of a puzzle live only here.

#include <cstdint>
#include <string>
#include <string_view>

namespace gx {

class ClueList {
 public:
  static constexpr int MaxRows = 256;

  const std::string& Cell(int column, int row) const;
  // Writes outside the table are dropped; texts keep at most 255 characters.
  void SetCell(int column, int row, std::string_view text);
  void ClearRows(int first, int last);  // both columns, rows first..last inclusive

  int RowCount() const { return row_count_; }
  void SetRowCount(int count);  // kept within 1..MaxRows
  int CurrentRow() const { return current_row_; }
  void SetCurrentRow(int row);  // kept within 0..RowCount-1

  std::string_view Number(int row) const { return Cell(0, row); }
  std::string_view Clue(int row) const { return Cell(1, row); }

  bool operator==(const ClueList&) const = default;

 private:
  std::string cells_[MaxRows][2];
  int row_count_ = MaxRows;
  int current_row_ = 0;
};

// "  7" for 7: the number right-aligned in 3 characters (wider numbers are written whole).
std::string FormatClueNumber(int number);

}  // namespace gx
