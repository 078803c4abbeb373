#include "files/DictionaryStatistics.h"

#include "base/Rounding.h"

#include <algorithm>
#include <cstdio>

#include "base/Cp1251.h"

namespace gx {

namespace {

constexpr Color kMaroon = Rgb(128, 0, 0);
constexpr Color kNavy = Rgb(0, 0, 128);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr int kChartLeft = 88;
constexpr int kBarHeight = 12;

}  // namespace

void DictionaryStatistics::Recount(const DictionaryStore& store) {
  Caption = Utf8ToCp1251("Словарь ") + store.DictionaryName.str();
  EntryCountText = std::to_string(store.DictionaryCount);
  counts_.fill(0);
  uncounted_ = 0;
  for (int e = 1; e <= store.DictionaryCount; ++e) {
    const std::string_view entry = store.Entry(e);
    const std::size_t space = entry.find(' ');
    // An entry without a space or starting with one has no word; neither it nor an overlong word
    // has a counter.
    if (space == std::string_view::npos || space == 0 || space > MaxWordLength) {
      ++uncounted_;
      continue;
    }
    ++counts_[space - 1];
  }
}

std::uint16_t DictionaryStatistics::Count(int length) const {
  return length >= 1 && length <= MaxWordLength ? counts_[static_cast<std::size_t>(length - 1)] : 0;
}

int DictionaryStatistics::LargestShown() const {
  int largest = 0;
  for (int length = FirstRow; length <= LastRow; ++length) largest = std::max<int>(largest, Count(length));
  return largest;
}

int DictionaryStatistics::BarWidth(int length) const {
  const int largest = LargestShown();
  if (largest == 0) return 0;
  return static_cast<int>(ScaledRound(Count(length), largest, ChartWidth));
}

std::string StatisticsCountText(int count) {
  char text[16];
  std::snprintf(text, sizeof text, "%4d", count);
  return text;
}

void PaintDictionaryStatistics(const DictionaryStatistics& statistics, Canvas& canvas, Color button_face) {
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetBrushColor(button_face);
  for (int length = DictionaryStatistics::FirstRow; length <= DictionaryStatistics::LastRow; ++length) {
    const int y = StatisticsRowTop(length);
    canvas.SetFontColor(kMaroon);
    canvas.TextOut(16, y, std::to_string(length));
    canvas.SetFontColor(kNavy);
    canvas.TextOut(40, y, StatisticsCountText(statistics.Count(length)));
  }
  canvas.SetPenColor(kNavy);
  canvas.Rectangle(kChartLeft, 48, kChartLeft + DictionaryStatistics::ChartWidth, 329);
  canvas.SetBrushColor(kBlue);
  for (int length = DictionaryStatistics::FirstRow; length <= DictionaryStatistics::LastRow; ++length) {
    const int y = StatisticsRowTop(length);
    const int width = statistics.BarWidth(length);
    if (width > 0) canvas.Rectangle(kChartLeft, y, kChartLeft + width, y + kBarHeight);
  }
}

}  // namespace gx
