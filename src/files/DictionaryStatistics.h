#pragma once
// How the words of the current dictionary spread over their lengths: a table of counts for the
// lengths a slot can have (3 to 19) with a bar chart scaled to the largest of them.

#include <array>
#include <cstdint>
#include <string>

#include "base/Canvas.h"
#include "core/DictionaryStore.h"

namespace gx {

class DictionaryStatistics {
 public:
  static constexpr int MaxWordLength = 24;
  static constexpr int FirstRow = 3;
  static constexpr int LastRow = 19;
  static constexpr int ChartWidth = 137;  // the longest bar reaches the frame's right edge

  // Counts the words by length and sets the caption and the total afresh.
  void Recount(const DictionaryStore& store);

  // Words of `length` letters; 0 for lengths without a counter.
  std::uint16_t Count(int length) const;
  // Entries the counters have no place for: no word, or a word longer than 24 letters.
  int Uncounted() const { return uncounted_; }
  // The largest count among the rows shown, 0 when all are 0.
  int LargestShown() const;
  // The bar of a row in pixels: count x 137 / largest, halves to even; 0 when there is no largest.
  int BarWidth(int length) const;

  std::string Caption;      // "Словарь common.dct"
  std::string EntryCountText;  // the number of entries, not the sum of the rows

 private:
  std::array<std::uint16_t, MaxWordLength> counts_{};
  int uncounted_ = 0;
};

// The y of the row for `length`.
constexpr int StatisticsRowTop(int length) { return 56 + (length - DictionaryStatistics::FirstRow) * 16; }
// "  37": a count right-aligned in 4 characters.
std::string StatisticsCountText(int count);

// Draws the table and the chart; text backgrounds and the frame inside take `button_face`.
void PaintDictionaryStatistics(const DictionaryStatistics& statistics, Canvas& canvas, Color button_face);

}  // namespace gx
