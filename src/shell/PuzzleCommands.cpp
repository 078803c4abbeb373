// The load and save commands of the main window and the load of a puzzle by name.

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/PuzzleReady.h"
#include "base/Cp1251.h"
#include "base/FileIo.h"
#include "files/FileNames.h"
#include "files/PuzzleFile.h"
#include "shell/PuzzleCommands.h"

namespace gx {

namespace {

const char* const kGxFilter = "*.gx|*.gx";
const char* const kGxExtension = ".gx";

}  // namespace


bool PuzzleCommands::LoadPuzzle() { return LoadFromDataFolder() != PuzzleLoadResult::Status::Failed; }

bool PuzzleCommands::LoadPuzzleAt(const std::string& path) { return Load(path) != PuzzleLoadResult::Status::Failed; }

PuzzleLoadResult::Status PuzzleCommands::LoadFromDataFolder() {
  std::string path;
  const std::string folder = parts_.state.settings.ProgramDir.DataFolder();
  if (const FileError error = PathInFolder(folder, parts_.state.PuzzleFileName, path)) {
    parts_.host.ShowError(error.Text());
    return PuzzleLoadResult::Status::Failed;
  }
  return Load(path);
}

PuzzleLoadResult::Status PuzzleCommands::Load(const std::string& path) {
  Puzzle& puzzle = parts_.state.puzzle;
  WindowState& window = parts_.state.window;
  // The reader changes the puzzle only once the whole file has been read and checked: a load that
  // fails leaves the puzzle on screen, its caption and its clue line as they were.
  const PuzzleLoadResult result = LoadPuzzleFile(puzzle, path);
  // A board that holds no puzzle, as at the start, is drawn empty in the colours now in force.
  if (result.status != PuzzleLoadResult::Status::Loaded && puzzle.SlotCount == 0) parts_.board.DrawEmptyBoard();
  if (result.status == PuzzleLoadResult::Status::Missing) {
    parts_.host.ShowInformation(MissingPuzzleMessage(parts_.state.PuzzleFileName));
    return result.status;
  }
  if (result.status == PuzzleLoadResult::Status::Failed) {
    parts_.host.ShowError(result.error.Text());
    return result.status;
  }
  ++parts_.state.PuzzleLoads;
  parts_.history.StartNewPuzzle();  // the loaded crossword's history begins with the load
  window.RewardVisible = false;
  window.TallyVisible = false;
  // A puzzle saved from a larger board is shown whole: the board grows to hold it, so no word
  // lies off the board, where it could be typed into unseen or cut away by the next extraction.
  parts_.board.DrawEmptyBoard();
  puzzle.AnswersShown = false;
  puzzle.RewardShown = false;
  parts_.ShowNotices(result.notices);
  ++window.ShowWholePuzzleRequests;

  parts_.state.PuzzleTitle = PuzzleCaption(parts_.state.PuzzleFileName, puzzle.SlotCount);
  window.Caption = parts_.state.PuzzleTitle;
  puzzle.PlayActive = 1;
  parts_.selection.MakeSlotOneCurrent();
  parts_.board.DrawWordsAndNumbers();
  parts_.media.PlaySound("e1");
  puzzle.EraserOn = false;
  window.EraserButtonHint = std::string(Editor::EraserHint(false));
  return result.status;
}

bool PuzzleCommands::LoadNamedFile(const std::string& path) {
  std::uint64_t size = 0;
  if (const FileError error = ReadFileBlocks(path, size, [](const std::uint8_t*, std::size_t) { return false; })) {
    parts_.host.ShowError(error.Text());
    return false;
  }
  constexpr std::size_t kMaxPuzzleFileName = 128;
  const std::string name = std::filesystem::path(path).filename().string();
  parts_.state.PuzzleFileName = Utf8ToCp1251(name).substr(0, kMaxPuzzleFileName);
  if (!LoadPuzzleAt(path)) return false;
  parts_.state.puzzle.GridModified = false;
  return true;
}

void PuzzleCommands::LoadCommand() {
  FileDialogRequest request;
  request.title = Utf8ToCp1251("Загрузка кроссворда из файла");
  request.folder = parts_.state.settings.ProgramDir.DataFolder();
  request.filter = kGxFilter;
  request.proposed_name = parts_.state.PuzzleFileName;
  const std::optional<std::string> path = parts_.host.OpenFileDialog(request);
  if (!path) return;
  const ChosenName chosen = NameInDataFolder(*path, kGxExtension);
  if (chosen.Refused()) {
    parts_.host.ShowInformation(NameRefusedMessage(chosen.lacking));
    return;
  }
  const std::string previous = parts_.state.PuzzleFileName;
  parts_.state.PuzzleFileName = chosen.name;
  if (LoadFromDataFolder() != PuzzleLoadResult::Status::Loaded) {
    parts_.state.PuzzleFileName = previous;  // still the name of the puzzle on screen
    return;
  }
  parts_.state.puzzle.GridModified = false;
}

void PuzzleCommands::SaveCommand() {
  if (parts_.state.puzzle.GridModified || !PuzzleReady(parts_.state.puzzle)) {
    // A grid drawn on since its last fill is never saved, nor one whose build was stopped or
    // failed: its file would not read back as a crossword.
    parts_.host.ShowInformation(Utf8ToCp1251("Следует прежде перезаполнить сетку"));
    return;
  }
  const std::string folder = parts_.state.settings.ProgramDir.DataFolder();
  parts_.state.PuzzleFileName = std::to_string(HighestPuzzleNumber(folder) + 1) + ".gx";

  FileDialogRequest request;
  request.title = Utf8ToCp1251("Сохранение кроссворда в файле");
  request.folder = folder;
  request.filter = kGxFilter;
  while (true) {
    request.proposed_name = parts_.state.PuzzleFileName;
    const std::optional<std::string> path = parts_.host.SaveFileDialog(request);
    if (!path) return;
    const ChosenName chosen = NameInDataFolder(*path, kGxExtension);
    if (chosen.Refused()) {
      parts_.host.ShowInformation(NameRefusedMessage(chosen.lacking));
      continue;
    }
    std::string name = chosen.name;
    if (!HasExtension(name, kGxExtension)) name += kGxExtension;
    parts_.state.PuzzleFileName = name;
    // Cancel shows the dialog again with the shortened name.
    if (chosen.shortened && !parts_.host.Confirm(ShortenedNameQuestion(name), DefaultButton::Ok)) continue;
    if (!IsBareFileName(name) || !FileExists(DataFilePath(folder, name))) break;
    // Cancel shows the dialog again with the name just chosen.
    if (parts_.host.Confirm(OverwriteQuestion(name), DefaultButton::Cancel)) break;
  }
  std::string file;
  FileError error = PathInFolder(folder, parts_.state.PuzzleFileName, file);
  if (!error) error = SavePuzzleFile(parts_.state.puzzle, file);
  if (error) {
    parts_.host.ShowError(error.Text());
    return;
  }
  ++parts_.state.PuzzleSaves;
  parts_.state.PuzzleTitle = PuzzleCaption(parts_.state.PuzzleFileName, parts_.state.puzzle.SlotCount);
  parts_.state.window.Caption = parts_.state.PuzzleTitle;
}

}  // namespace gx
