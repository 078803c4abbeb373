// gridlex-cli show GX: a puzzle file as text.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cli/FilePlan.h"
#include "cli/CliCommands.h"
#include "cli/CliGrid.h"
#include "cli/CliOutputs.h"
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
    std::string_view clue = puzzle.Clues.Clue(k - 1);
    if (!clue.empty() && clue[0] == ' ') clue.remove_prefix(1);
    PrintUtf8Line(ClueNumberOf(puzzle, k) + ". " + Cp1251ToUtf8(puzzle.SlotAnswer[k].view()) + " — " +
                  Cp1251ToUtf8(clue));
  }
}

}  // namespace

namespace {

std::string Counted(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Why a file the program would not have written cannot be trusted, most telling first.
std::vector<std::string> CutsOf(const PuzzleCuts& cuts) {
  std::vector<std::string> faults;
  if (cuts.unreadable_bytes > 0) {
    faults.push_back(Counted(cuts.unreadable_bytes, "byte", "bytes") +
                     " of the word texts are no character of a puzzle file: not a puzzle file, or a damaged one");
  }
  if (cuts.last_record_cut) faults.push_back("the file ends inside the text of a word, which is left out");
  if (cuts.off_board > 0) {
    faults.push_back(Counted(cuts.off_board, "word lies", "words lie") + " beyond the 63 x 63 board and would be left out");
  }
  if (cuts.beyond_table) faults.push_back("more than 255 words: the words after the 255th would be left out");
  if (cuts.short_answers > 0) {
    faults.push_back(Counted(cuts.short_answers, "answer is", "answers are") + " shorter than the word's cells");
  }
  if (cuts.long_answers > 0) {
    faults.push_back(Counted(cuts.long_answers, "answer is", "answers are") + " longer than the word's cells");
  }
  return faults;
}

}  // namespace

void LoadPuzzleOrFail(const std::string& path, Puzzle& puzzle) {
  PuzzleLoadResult result;
  if (IsStandardStream(path)) {
    result = LoadPuzzleBytes(puzzle, ReadInputOrFail(path, MaxPuzzleFileBytes));
  } else {
    CheckFileToRead(path);
    result = LoadPuzzleFile(puzzle, path);
  }
  const std::string name = InputName(path);
  if (result.status == PuzzleLoadResult::Status::Missing) throw IoFailure{FileError(FileError::FileNotFound), name};
  if (result.status == PuzzleLoadResult::Status::Failed) throw IoFailure{result.error, name};
  // The window loads what it can of such a file and says what it cut; the batch tool refuses it,
  // since what it would show or export is not what the file holds.
  if (result.cuts.Any()) Refuse(name, CutsOf(result.cuts));
  if (puzzle.SlotCount == 0) Refuse(name, {"holds no words: an empty file, or not a puzzle file"});
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
