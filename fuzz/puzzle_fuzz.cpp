// The puzzle file reader on any bytes. A file it takes gives a slot table within the fixed tables
// and the board, answers and clues within their lengths, and reaches a fixed point once saved and
// read again; a file it refuses leaves the puzzle in memory as it was.

#include <memory>

#include "FuzzSupport.h"
#include "PuzzleChecks.h"
#include "files/PuzzleFile.h"

namespace gx::fuzz {
namespace {

// A puzzle in memory before the load: two crossing words with their clues.
const Puzzle& Before() {
  static const std::unique_ptr<Puzzle> before = [] {
    auto puzzle = std::make_unique<Puzzle>();
    for (int k = 1; k <= 2; ++k) {
      puzzle->SlotCount = static_cast<std::uint8_t>(k);
      puzzle->SlotX[k] = 3;
      puzzle->SlotY[k] = 3;
      puzzle->SlotLength[k] = 3;
      puzzle->SlotVertical[k] = k == 2;
      puzzle->SlotAnswer[k] = "abc";
      puzzle->Clues.SetCell(0, k - 1, FormatClueNumber(1));
      puzzle->Clues.SetCell(1, k - 1, " clue");
      for (int t = 0; t < 3; ++t) puzzle->SetMask(puzzle->SlotCellX(k, t), puzzle->SlotCellY(k, t), GridCell);
    }
    puzzle->Clues.SetRowCount(2);
    puzzle->AcrossCount = 1;
    return puzzle;
  }();
  return *before;
}

void CheckLoaded(const Puzzle& puzzle) {
  CheckSlotTable(puzzle);
  FUZZ_CHECK(puzzle.Clues.RowCount() == (puzzle.SlotCount > 0 ? puzzle.SlotCount : 1));
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    FUZZ_CHECK(puzzle.SlotEntry[k].empty());
    FUZZ_CHECK(puzzle.Clues.Number(k - 1).size() == 3);
    const std::string_view clue = puzzle.Clues.Clue(k - 1);
    FUZZ_CHECK(!clue.empty() && clue[0] == ' ' && clue.size() <= 1 + EntryText::capacity());
  }
  // Every cell of the grid belongs to a slot.
  std::array<bool, BoardStorage * BoardStorage> in_slot{};
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    for (int t = 0; t < puzzle.SlotLength[k]; ++t) in_slot[Puzzle::Index(puzzle.SlotCellX(k, t), puzzle.SlotCellY(k, t))] = true;
  }
  for (int i = 0; i < BoardStorage * BoardStorage; ++i) FUZZ_CHECK((puzzle.CellMask[i] != Background) == in_slot[i]);
}

}  // namespace
}  // namespace gx::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gx;
  using namespace gx::fuzz;
  static auto puzzle = std::make_unique<Puzzle>();
  static auto again = std::make_unique<Puzzle>();
  static const std::string before = Snapshot(Before());
  *puzzle = Before();
  const PuzzleLoadResult result = LoadPuzzleFile(*puzzle, Scratch().Write("p.gx", data, size));
  if (result.status != PuzzleLoadResult::Status::Loaded) {
    FUZZ_CHECK(result.status == PuzzleLoadResult::Status::Failed && result.error);
    FUZZ_CHECK(Snapshot(*puzzle) == before);
    return 0;
  }
  CheckLoaded(*puzzle);
  const std::string saved = SerializePuzzle(*puzzle);
  FUZZ_CHECK(LoadPuzzleFile(*again, Scratch().Write("q.gx", saved)).status == PuzzleLoadResult::Status::Loaded);
  FUZZ_CHECK(again->SlotCount == puzzle->SlotCount);
  FUZZ_CHECK(SerializePuzzle(*again) == saved);
  return 0;
}
