#include "cli/CliDrawn.h"

#include <algorithm>

#include "base/ProgramFolder.h"
#include "cli/CliSupport.h"
#include "base/FileIo.h"
#include "shell/SettingsFile.h"

namespace gx::cli {

namespace {

constexpr int kDesignBoardCells = 21;  // the board of the window at its design size

}  // namespace

ExportFolder ReadProgramFolder(const std::string& program_dir) {
  ExportFolder folder;
  folder.pic_folder = gx::ProgramFolder(program_dir).PicFolder();
  DictionaryNameText unused;
  if (FindSettingsFile(program_dir).empty()) {
    WarnUtf8Line("gridlex-cli: no gx.dat in " + program_dir + ": the delivered colours are used");
    folder.settings = DefaultSettings();
    return folder;
  }
  if (FileError error = ReadSettings(folder.settings, unused, program_dir)) {
    throw IoFailure{error, JoinPath(program_dir, "gx.dat")};
  }
  return folder;
}

int FitBoard(Puzzle& puzzle) {
  int side = 1;
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    const int last = std::max(puzzle.SlotLength[k] - 1, 0);
    side = std::max({side, puzzle.SlotCellX(k, last) + 1, puzzle.SlotCellY(k, last) + 1});
  }
  int cells = std::max(kDesignBoardCells, side % 2 == 0 ? side + 1 : side);
  cells = std::min(cells, MaxBoardInUse);
  puzzle.BoardRows = static_cast<std::uint16_t>(cells);
  puzzle.BoardCols = static_cast<std::uint16_t>(cells);
  return cells;
}

}  // namespace gx::cli
