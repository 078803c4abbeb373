#include "core/Extraction.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

namespace gx {

namespace {

bool IsSet(const Puzzle& p, int x, int y) { return p.Mask(x, y) != Background; }

// The open and crossed flags live across the whole extraction, from the across scan into the down scan.
struct RunFlags {
  bool open = false;
  bool crossed = false;
};

// One cell of a run scan. (x, y) is the cell; (bx, by) the cell before it along the scan, (ax, ay) the
// one after; at_edge is true at column 0 (across) or row 0 (down). Empty cells change nothing.
template <bool vertical>
void ScanCell(Puzzle& p, RunFlags& flags, int x, int y) {
  const int bx = vertical ? x : x - 1, by = vertical ? y - 1 : y;
  const int ax = vertical ? x : x + 1, ay = vertical ? y + 1 : y;
  const bool at_edge = vertical ? y == 0 : x == 0;
  if (!IsSet(p, x, y)) return;
  const bool after = IsSet(p, ax, ay);
  const bool before = !at_edge && IsSet(p, bx, by);
  const bool crossing = p.Mask(x, y) == CrossingCell;
  int k = p.SlotCount;

  if (after && !before) {
    // A drawing with more runs than the table holds keeps its first 255 slots.
    if (p.SlotCount == MaxSlots) {
      flags.open = false;
      return;
    }
    k = ++p.SlotCount;
    p.SlotX[k] = static_cast<std::uint8_t>(x);
    p.SlotY[k] = static_cast<std::uint8_t>(y);
    p.SlotVertical[k] = vertical ? 1 : 0;
    p.SlotLength[k] = 2;
    flags.crossed = crossing;
    flags.open = true;
    if (at_edge) return;
  }
  if (after && before) {
    if (!flags.open) return;  // the run that did not fit the table
    if (crossing || p.Mask(ax, ay) == CrossingCell) flags.crossed = true;
    ++p.SlotLength[k];
  }
  if (!after && before && flags.open) {
    if (flags.crossed && p.SlotLength[k] > 2) {
      flags.open = false;
      flags.crossed = false;
    } else {
      --p.SlotCount;
    }
  }
}

int NumberValue(std::string_view text) { return std::atoi(std::string(text).c_str()); }

// Numbers the slots in reading order of their first cells: an across slot takes the next number,
// a down slot the number of the across slot starting in the same cell, else the next number.
// Slots that start in one cell are numbered in table order.
void NumberSlots(Puzzle& p) {
  // Sort keys: row, column, then the slot index, so one sort gives the reading order.
  std::array<std::uint32_t, MaxSlots> order{};
  int count = 0;
  for (int k = 1; k <= p.SlotCount; ++k) {
    if (p.SlotX[k] > p.BoardCols || p.SlotY[k] > p.BoardRows) continue;  // off the board: not numbered
    order[static_cast<std::size_t>(count++)] =
        static_cast<std::uint32_t>(p.SlotY[k]) << 16 | static_cast<std::uint32_t>(p.SlotX[k]) << 8 | static_cast<std::uint32_t>(k);
  }
  std::sort(order.begin(), order.begin() + count);
  int n = 0;
  for (int i = 0; i < count;) {
    // The slots of one start cell, and the first across slot among them.
    int end = i;
    int shared = 0;
    while (end < count && order[static_cast<std::size_t>(end)] >> 8 == order[static_cast<std::size_t>(i)] >> 8) {
      const int k = static_cast<int>(order[static_cast<std::size_t>(end)] & 0xFF);
      if (shared == 0 && p.SlotVertical[k] == 0) shared = k;
      ++end;
    }
    for (; i < end; ++i) {
      const int k = static_cast<int>(order[static_cast<std::size_t>(i)] & 0xFF);
      if (p.SlotVertical[k] == 0 || shared == 0) {
        p.Clues.SetCell(0, k - 1, FormatClueNumber(++n));
      } else {
        const std::string number = p.Clues.Cell(0, shared - 1);
        p.Clues.SetCell(0, k - 1, number);
      }
    }
  }
}

// Orders the down slots by their numbers (a selection sort: equal numbers keep the first found).
void SortDownSlotsByNumber(Puzzle& p) {
  std::array<int, MaxSlots + 1> value{};
  for (int j = p.AcrossCount + 1; j <= p.SlotCount; ++j) value[static_cast<std::size_t>(j)] = NumberValue(p.Clues.Number(j - 1));
  for (int i = p.AcrossCount + 1; i <= p.SlotCount; ++i) {
    int best = i;
    int bound = 999;
    for (int j = i; j <= p.SlotCount; ++j) {
      if (value[static_cast<std::size_t>(j)] < bound) {
        bound = value[static_cast<std::size_t>(j)];
        best = j;
      }
    }
    if (best == i) continue;
    std::swap(value[static_cast<std::size_t>(i)], value[static_cast<std::size_t>(best)]);
    std::swap(p.SlotX[i], p.SlotX[best]);
    std::swap(p.SlotY[i], p.SlotY[best]);
    std::swap(p.SlotLength[i], p.SlotLength[best]);
    const std::string a = p.Clues.Cell(0, i - 1), b = p.Clues.Cell(0, best - 1);
    p.Clues.SetCell(0, i - 1, b);
    p.Clues.SetCell(0, best - 1, a);
  }
}

void CountCrossings(Puzzle& p) {
  p.MaxCrossings = 0;
  for (int k = 1; k <= p.SlotCount; ++k) {
    p.SlotDictPos[k] = 0;
    int crossings = 0;
    for (int t = 0; t < p.SlotLength[k]; ++t) {
      if (p.Mask(p.SlotCellX(k, t), p.SlotCellY(k, t)) == CrossingCell) ++crossings;
    }
    p.SlotCrossings[k] = static_cast<std::uint8_t>(crossings);
    if (p.SlotCrossings[k] > p.MaxCrossings) p.MaxCrossings = p.SlotCrossings[k];
  }
}

}  // namespace

void ClassifyCells(Puzzle& p) {
  const int cols = p.BoardCols & 0xFF, rows = p.BoardRows & 0xFF;
  for (int x = 0; x < cols; ++x) {
    for (int y = 0; y < rows; ++y) {
      if (p.Letter(x, y) != NoLetter) p.SetMask(x, y, GridCell);
    }
  }
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < cols; ++x) {
      if (!IsSet(p, x, y)) continue;
      const bool h = IsSet(p, x - 1, y) || IsSet(p, x + 1, y);
      const bool v = IsSet(p, x, y - 1) || IsSet(p, x, y + 1);
      if (h && v) {
        p.SetMask(x, y, CrossingCell);
      } else if (h) {
        p.SetMask(x, y, GridCell);
      }
    }
  }
  p.Clues.ClearRows(0, ClueList::MaxRows - 1);
}

void ExtractSlots(Puzzle& p) {
  const int cols = p.BoardCols & 0xFF, rows = p.BoardRows & 0xFF;
  p.SlotCount = 0;
  p.SlotPlaced.fill(NotPlaced);  // a new table: no slot holds a kept word yet
  p.Clues.SetRowCount(ClueList::MaxRows);
  RunFlags flags;
  for (int y = 0; y <= rows; ++y) {
    for (int x = 0; x <= cols; ++x) {
      if (IsSet(p, x, y)) ScanCell<false>(p, flags, x, y);
    }
  }
  p.AcrossCount = p.SlotCount;
  for (int x = 0; x <= cols; ++x) {
    for (int y = 0; y <= rows; ++y) {
      if (IsSet(p, x, y)) ScanCell<true>(p, flags, x, y);
    }
  }
  NumberSlots(p);
  if (p.SlotCount < 4) return;
  SortDownSlotsByNumber(p);
  CountCrossings(p);
  p.Clues.SetRowCount(p.SlotCount);
}

}  // namespace gx
