// gridlex-cli show GX: a puzzle file as text.

#include <algorithm>
#include <memory>

#include "cli/FilePlan.h"
#include "cli/CliCommands.h"
#include "cli/CliGrid.h"
#include "cli/CliPuzzle.h"
#include "cli/CliSupport.h"
#include "base/Cp1251.h"
#include "files/PuzzleFile.h"

namespace gx::cli {

namespace {

// The side of the smallest square that holds every slot.
int BoardSide(const Puzzle& puzzle) {
  int side = 0;
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    int last = std::max(puzzle.SlotLength[k] - 1, 0);
    side = std::max({side, puzzle.SlotCellX(k, last) + 1, puzzle.SlotCellY(k, last) + 1});
  }
  return std::min(side, BoardStorage);
}

void PrintBoard(const Puzzle& puzzle) {
  int side = BoardSide(puzzle);
  for (int y = 0; y < side; ++y) {
    std::string row;
    for (int x = 0; x < side; ++x) row.push_back(puzzle.Letter(x, y));
    PrintLine(row);
  }
}

void PrintClues(const Puzzle& puzzle, bool down) {
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    if ((puzzle.SlotVertical[k] != 0) != down) continue;
    std::string_view clue = puzzle.Grid1.Clue(k - 1);
    if (!clue.empty() && clue[0] == ' ') clue.remove_prefix(1);
    PrintUtf8Line(ClueNumberOf(puzzle, k) + ". " + Cp1251ToUtf8(puzzle.SlotAnswer[k].view()) + " — " +
                  Cp1251ToUtf8(clue));
  }
}

}  // namespace

void LoadPuzzleOrFail(const std::string& path, Puzzle& puzzle) {
  CheckFileToRead(path);
  PuzzleLoadResult result = LoadPuzzleFile(puzzle, path);
  if (result.status == PuzzleLoadResult::Status::Missing) throw IoFailure{FileError(FileError::FileNotFound), path};
  if (result.status == PuzzleLoadResult::Status::Failed) throw IoFailure{result.error, path};
  for (const std::string& notice : result.notices) WarnLine(notice);
}

void PrintPuzzleText(const Puzzle& puzzle) {
  PrintUtf8Line("slots " + std::to_string(puzzle.SlotCount) + " across " + std::to_string(puzzle.AcrossCount));
  PrintBoard(puzzle);
  PrintUtf8Line("По горизонтали:");
  PrintClues(puzzle, false);
  PrintUtf8Line("По вертикали:");
  PrintClues(puzzle, true);
}

int RunShow(const std::vector<std::string>& args) {
  Arguments arguments(args, {}, 1, 1);
  auto puzzle = std::make_unique<Puzzle>();
  LoadPuzzleOrFail(arguments.Positional(0), *puzzle);
  PrintPuzzleText(*puzzle);
  return ExitSuccess;
}

}  // namespace gx::cli
