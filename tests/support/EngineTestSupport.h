#pragma once
// Helpers for the engine tests: grids drawn as text, dictionaries from lists, hosts and painters
// that record or interrupt.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/Extraction.h"
#include "core/FillEngine.h"
#include "base/Host.h"
#include "core/Puzzle.h"
#include "core/SlotPainter.h"
#include "core/DictionaryStore.h"

namespace gx::test {

// Rows of text, '#' a grid cell, anything else background; the board is as large as the text.
inline void DrawGrid(Puzzle& p, std::initializer_list<const char*> rows) {
  p.ResetBoard();
  int y = 0;
  std::size_t width = 0;
  for (const char* row : rows) {
    const std::string line(row);
    width = std::max(width, line.size());
    for (std::size_t x = 0; x < line.size(); ++x) {
      if (line[x] == '#') p.SetMask(static_cast<int>(x), y, GridCell);
    }
    ++y;
  }
  p.BoardRows = static_cast<std::uint16_t>(y);
  p.BoardCols = static_cast<std::uint16_t>(width);
}

// A ring of four 3-cell slots: 1 across top, 2 across bottom, 3 down left, 4 down right; every
// slot has its two corners as crossings.
inline void DrawRing(Puzzle& p) {
  DrawGrid(p, {"###", "#.#", "###"});
  ClassifyCells(p);
  ExtractSlots(p);
}

inline void FillDictionary(DictionaryStore& d, const std::vector<std::string>& entries) {
  d.DictionaryCount = static_cast<std::uint16_t>(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) d.SetEntry(static_cast<int>(i + 1), entries[i]);
}

inline std::vector<std::string> Entries(const DictionaryStore& d) {
  std::vector<std::string> entries;
  for (int e = 1; e <= d.DictionaryCount; ++e) entries.emplace_back(d.Entry(e));
  return entries;
}

// Counts event processing and clears FillRunning on the given call.
class StoppingHost : public NullHost {
 public:
  StoppingHost(Puzzle& p, long stop_at) : puzzle_(p), stop_at_(stop_at) {}
  void ProcessEvents() override {
    if (++calls_ == stop_at_) puzzle_.FillRunning = false;
  }
  long calls() const { return calls_; }

 private:
  Puzzle& puzzle_;
  long stop_at_;
  long calls_ = 0;
};

class RecordingPainter : public SlotPainter {
 public:
  void PaintSlot(std::uint8_t slot, Color color) override { painted.emplace_back(slot, color); }
  std::vector<std::pair<int, Color>> painted;
};

// Distinct colours so a test can tell which one a slot was painted in.
inline Palette TestPalette() {
  Palette colors;
  colors.WordCellColor = 0x000001;
  colors.FoundWordColor = 0x000002;
  colors.TryingWordColor = 0x000003;
  colors.WrongWordColor = 0x000004;
  return colors;
}

// One puzzle, dictionary and window with a host and painter, ready to fill.
struct FillBench {
  Puzzle puzzle;
  DictionaryStore dictionary;
  WindowState window;
  WindowProgress progress{window};
  NullHost host;
  RecordingPainter painter;

  FillRun Run(std::uint16_t max_attempts, Host* other_host = nullptr) {
    return FillRun{puzzle, dictionary, progress, other_host ? *other_host : host, painter, TestPalette(),
                   max_attempts};
  }
};

}  // namespace gx::test
