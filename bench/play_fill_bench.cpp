// How much slower a fill runs as the window's refill command (painting every slot it tries onto a
// board canvas, and checking the clock for pending events at every poll, repainting every 15 ms)
// than as a bare fill with nothing drawn, on generated 21 x 21 grids and the delivered dictionary.
// The canvas here keeps pixels in memory; the cost of the toolkit's own painting is not included.
// Arguments: dictionary path, number of grids; a third argument leaves out the repaints, a fourth
// the clock reads as well, to see what each costs.

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "board/BoardDrawing.h"
#include "core/BuildLogic.h"
#include "core/Extraction.h"
#include "core/FillEngine.h"
#include "core/RandomSource.h"
#include "files/DictionaryFile.h"
#include "shell/CommandCore.h"
#include "CommandCoreTestDoor.h"

namespace {

using Clock = std::chrono::steady_clock;
using gx::Color;

class PixelCanvas : public gx::Canvas {
 public:
  PixelCanvas(int width, int height) : width_(width), height_(height), pixels_(width * height) {}
  void SetPenColor(Color c) override { pen_ = c; }
  Color PenColor() const override { return pen_; }
  void SetPenMode(gx::PenMode m) override { mode_ = m; }
  gx::PenMode GetPenMode() const override { return mode_; }
  void SetBrushColor(Color c) override { brush_ = c; }
  Color BrushColor() const override { return brush_; }
  void SetFont(std::string_view, int) override {}
  void SetFontColor(Color c) override { font_ = c; }
  Color FontColor() const override { return font_; }
  void Rectangle(int x1, int y1, int x2, int y2) override {
    for (int x = x1; x < x2; ++x)
      for (int y = y1; y < y2; ++y) Put(x, y, x == x1 || y == y1 || x == x2 - 1 || y == y2 - 1 ? pen_ : brush_);
  }
  void FillRect(int x1, int y1, int x2, int y2) override {
    for (int x = x1; x < x2; ++x)
      for (int y = y1; y < y2; ++y) Put(x, y, brush_);
  }
  void Line(int x1, int y1, int x2, int y2) override {
    for (int x = x1; x <= x2; ++x)
      for (int y = y1; y <= y2; ++y) Put(x, y, mode_ == gx::PenMode::Xor ? At(x, y) ^ pen_ : pen_);
  }
  void TextOut(int x, int y, std::string_view text) override { FillRect(x, y, x + 7 * static_cast<int>(text.size()), y + 11); }
  gx::TextExtent MeasureText(std::string_view text) const override { return {7 * static_cast<int>(text.size()), 11}; }

 private:
  Color At(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_ ? pixels_[y * width_ + x] : 0; }
  void Put(int x, int y, Color c) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[y * width_ + x] = c;
  }
  int width_, height_;
  std::vector<Color> pixels_;
  Color pen_ = 0, brush_ = 0, font_ = 0;
  gx::PenMode mode_ = gx::PenMode::Copy;
};

// Checks the clock now and then and repaints the whole board every 15 ms, as the window does.
class ThrottledHost : public gx::NullHost {
 public:
  void ProcessEvents() override {
    ++polls;
    // The clock is read at every 64th poll only: reading it costs more than a poll itself.
    if (!clock || (polls & 63) != 0) return;
    const auto now = Clock::now();
    if (now - last_ < std::chrono::milliseconds(15)) return;
    last_ = now;
    if (board && repaint) board->Repaint();
    ++repaints;
  }
  gx::BoardDrawing* board = nullptr;
  bool repaint = true;
  bool clock = true;
  long polls = 0;
  long repaints = 0;

 private:
  Clock::time_point last_ = Clock::now();
};

struct DictionaryCopy {
  std::vector<std::uint8_t> bytes;
  std::uint16_t count = 0;
  void Take(gx::DictionaryStore& store) {
    bytes.assign(store.Buffer(), store.Buffer() + gx::DictionaryStore::Capacity * gx::DictionaryStore::RecordSize);
    count = store.DictionaryCount;
  }
  void Give(gx::DictionaryStore& store) const {
    std::memcpy(store.Buffer(), bytes.data(), bytes.size());
    store.DictionaryCount = count;
    store.DictionaryLoaded = true;
  }
};

double Ms(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : "dist/data/ru.dct";
  const int grids = argc > 2 ? std::atoi(argv[2]) : 10;
  auto scratch = std::make_unique<gx::Gridlex>();
  gx::Progress progress;
  gx::NullHost null_host;
  if (gx::LoadDictionary(scratch->dictionary, path, progress, null_host).error) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return 1;
  }
  DictionaryCopy dictionary;
  dictionary.Take(scratch->dictionary);

  gx::Palette colors;
  colors.WordCellColor = 1;
  colors.FoundWordColor = 2;
  colors.TryingWordColor = 3;
  double batch_total = 0, window_total = 0;
  gx::SeededRandom random(2026);
  int measured = 0;
  for (int g = 0; g < grids * 4 && measured < grids; ++g) {
    gx::Puzzle grid;
    grid.BoardRows = grid.BoardCols = 21;
    gx::GenerateAcceptableGrid(grid, random, null_host, gx::BoundedMinSlotCount(40), 10000);
    gx::PruneUnusedCells(grid);
    gx::ClearLettersAndAnswers(grid, null_host);
    gx::ClassifyCells(grid);
    gx::ExtractSlots(grid);
    if (gx::CheckRefillSlots(grid).check != gx::RefillCheck::Ready) continue;

    auto batch = std::make_unique<gx::Gridlex>();
    batch->puzzle = grid;
    dictionary.Give(batch->dictionary);
    gx::NullSlotPainter painter;
    gx::Progress unseen;
    gx::FillRun run{batch->puzzle, batch->dictionary, unseen, null_host, painter, colors, 256};
    auto start = Clock::now();
    const gx::FillOutcome outcome = gx::FillAndRequeue(run);
    const double batch_ms = Ms(start);

    PixelCanvas canvas(336, 336);
    ThrottledHost host;
    gx::SeededRandom unused(1);
    gx::CommandCore commands({}, host, canvas, unused);
    gx::Gridlex* shown = &gx::CommandCoreTestDoor::State(commands);
    shown->puzzle = grid;
    shown->settings.Colors = colors;
    shown->settings.MaxFillAttempts = 256;
    dictionary.Give(shown->dictionary);
    host.board = &gx::CommandCoreTestDoor::Board(commands);
    host.repaint = argc <= 3;
    host.clock = argc <= 4;
    start = Clock::now();
    commands.KeyDown(gx::Key::F7);
    const double window_ms = Ms(start);

    std::printf("grid %d: %d slots, placed %d/%d; bare fill %.1f ms, window refill %.1f ms (%ld repaints, %ld polls)\n",
                measured + 1, grid.SlotCount, outcome.placed, shown->puzzle.PlacedCount, batch_ms, window_ms,
                host.repaints, host.polls);
    batch_total += batch_ms;
    window_total += window_ms;
    ++measured;
  }
  if (measured == 0 || batch_total <= 0) return 1;
  std::printf("total: bare %.1f ms, window %.1f ms, ratio %.2f\n", batch_total, window_total,
              window_total / batch_total);
  return 0;
}
