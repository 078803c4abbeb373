// Timings of the file layer: writing and loading a full 16,384-entry dictionary, saving and
// loading a puzzle of 255 slots, and extracting the slots of a 63 x 63 board.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "core/Extraction.h"
#include "base/Host.h"
#include "core/Puzzle.h"
#include "base/Progress.h"
#include "files/DictionaryFile.h"
#include "files/IpuzReader.h"
#include "files/PuzzleFile.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Work>
double BestMilliseconds(int rounds, Work work) {
  double best = 1e30;
  for (int r = 0; r < rounds; ++r) {
    auto start = Clock::now();
    work();
    double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (ms < best) best = ms;
  }
  return best;
}

// Entries of 20..60 characters drawn from the letters of the code: word, space, clue.
void FillStore(gx::DictionaryStore& store) {
  unsigned state = 12345;
  auto next = [&state](unsigned n) {
    state = state * 1103515245u + 12345u;
    return (state >> 8) % n;
  };
  for (int e = 1; e <= gx::DictionaryStore::Capacity; ++e) {
    std::string entry;
    unsigned word = 3 + next(12);
    for (unsigned i = 0; i < word; ++i) entry.push_back(static_cast<char>(192 + next(26)));
    entry.push_back(' ');
    unsigned clue = 15 + next(40);
    for (unsigned i = 0; i < clue; ++i) entry.push_back(next(6) == 0 ? ' ' : static_cast<char>(224 + next(32)));
    store.SetEntry(e, entry);
  }
  store.DictionaryCount = gx::DictionaryStore::Capacity;
}

// A lattice on the whole 63 x 63 board: every even row and every even column.
void DrawLattice(gx::Puzzle& puzzle) {
  puzzle.ResetBoard();
  puzzle.BoardRows = puzzle.BoardCols = gx::MaxBoardInUse;
  for (int x = 0; x < gx::MaxBoardInUse; ++x) {
    for (int y = 0; y < gx::MaxBoardInUse; ++y) {
      if (x % 2 == 0 || y % 2 == 0) puzzle.SetLetter(x, y, gx::PaintedMark);
    }
  }
}

// 15 x 15 small crosses of a 3-cell across and a 3-cell down run: 450 runs, more than the table holds.
void DrawCrosses(gx::Puzzle& puzzle) {
  puzzle.ResetBoard();
  puzzle.BoardRows = puzzle.BoardCols = gx::MaxBoardInUse;
  for (int i = 0; i < 15; ++i) {
    for (int j = 0; j < 15; ++j) {
      for (int t = 0; t < 3; ++t) {
        puzzle.SetLetter(4 * i + t, 4 * j + 1, gx::PaintedMark);
        puzzle.SetLetter(4 * i + 1, 4 * j + t, gx::PaintedMark);
      }
    }
  }
}

template <typename Draw>
void BenchExtraction(const char* name, Draw draw) {
  auto puzzle = std::make_unique<gx::Puzzle>();
  double ms = BestMilliseconds(20, [&] {
    draw(*puzzle);
    gx::ClassifyCells(*puzzle);
    gx::ExtractSlots(*puzzle);
  });
  std::printf("extraction of a 63 x 63 %s: %d slots, %.3f ms (drawing included)\n", name, puzzle->SlotCount, ms);
}

// Imports of 1 MiB ipuz texts of the two shapes that cost a reader most: an object of many keys
// (each checked against those before it) and an array of many small values.
void BenchLargeIpuz() {
  std::string keys = "{\"version\": \"http://ipuz.org/v2\", \"notes\": {\"k0\": 0";
  for (int i = 1; keys.size() < (1u << 20) - 16; ++i) keys += ",\"k" + std::to_string(i) + "\":0";
  std::string values = "{\"version\": \"http://ipuz.org/v2\", \"notes\": [\"abcdef\"";
  while (values.size() < (1u << 20) - 16) values += ",\"abcdef\"";
  for (const auto& [name, json] : {std::pair{"an object of many keys", keys + "}}"},
                                   std::pair{"an array of many values", values + "]}"}}) {
    const std::string& text = json;  // clang 14 cannot capture a structured binding in a lambda
    auto puzzle = std::make_unique<gx::Puzzle>();
    gx::IpuzReading reading;
    const double ms = BestMilliseconds(3, [&] { reading = gx::ReadIpuz(text, *puzzle); });
    std::printf("ipuz import of %zu bytes, %s: %.3f ms (%s)\n", text.size(), name, ms,
                reading.faults.empty() ? "read" : reading.faults[0].c_str());
  }
}

}  // namespace

int main() {
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("gridlex-files-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::string dct = (dir / "bench.dct").string();

  auto store = std::make_unique<gx::DictionaryStore>();
  FillStore(*store);
  gx::Progress progress;
  gx::NullHost host;
  double write_ms = BestMilliseconds(5, [&] { gx::WriteDictionary(*store, dct, progress); });
  auto size = std::filesystem::file_size(dct);
  gx::DictionaryLoadResult result;
  double load_ms = BestMilliseconds(10, [&] { result = gx::LoadDictionary(*store, dct, progress, host); });
  std::printf("dictionary: %d entries, %ju bytes\n", result.count, static_cast<std::uintmax_t>(size));
  std::size_t encoded = 0;
  double encode_ms = BestMilliseconds(5, [&] { encoded = gx::SerializeDictionary(*store).size(); });
  std::printf("  write  %8.3f ms (through a temporary file, flushed to disk, renamed)\n", write_ms);
  std::printf("  encode %8.3f ms (%zu bytes, no file)\n", encode_ms, encoded);
  std::printf("  load   %8.3f ms (no-op event hook, progress per byte)%s\n", load_ms,
              result.error ? "  FAILED" : "");

  auto puzzle = std::make_unique<gx::Puzzle>();
  DrawLattice(*puzzle);
  double extract_ms = BestMilliseconds(20, [&] {
    gx::ClassifyCells(*puzzle);
    gx::ExtractSlots(*puzzle);
  });
  std::printf("extraction of a 63 x 63 lattice: %d slots, %.3f ms\n", puzzle->SlotCount, extract_ms);
  BenchExtraction("board of 450 crossing runs", DrawCrosses);

  std::string gx_path = (dir / "bench.gx").string();
  for (int k = 1; k <= puzzle->SlotCount; ++k) {
    puzzle->SlotAnswer[k] = std::string(puzzle->SlotLength[k] < 24 ? puzzle->SlotLength[k] : 24, '\xC0');
    puzzle->Clues.SetCell(1, k - 1, " clue");
  }
  double save_ms = BestMilliseconds(10, [&] { gx::SavePuzzleFile(*puzzle, gx_path); });
  auto loaded = std::make_unique<gx::Puzzle>();
  double read_ms = BestMilliseconds(10, [&] { gx::LoadPuzzleFile(*loaded, gx_path); });
  std::printf("puzzle of %d slots: save %.3f ms, load %.3f ms\n", loaded->SlotCount, save_ms, read_ms);
  BenchLargeIpuz();

  std::filesystem::remove_all(dir);
  return result.error || result.count != gx::DictionaryStore::Capacity ? 1 : 0;
}
