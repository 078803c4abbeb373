// The load and save commands of the main window and the load of a puzzle by name.

#include <string>

#include "core/PuzzleReady.h"
#include "base/Cp1251.h"
#include "base/FileIo.h"
#include "files/FileNames.h"
#include "files/PuzzleFile.h"
#include "shell/Commands.h"

namespace gx {

namespace {

const char* const kGxFilter = "*.gx|*.gx";

std::string DataFolder(const Settings& settings) { return JoinPath(settings.ProgramDir, "data"); }

}  // namespace

void Commands::ShowNotices(const std::vector<std::string>& notices) {
  for (const std::string& notice : notices) host_.ShowInformation(notice);
}

bool Commands::LoadPuzzle() {
  std::string path;
  if (const FileError error = PathInFolder(DataFolder(state_.settings), state_.PuzzleFileName, path)) {
    host_.ShowError(error.Text());
    return false;
  }
  return LoadPuzzleAt(path);
}

bool Commands::LoadPuzzleAt(const std::string& path) {
  Puzzle& puzzle = state_.puzzle;
  WindowState& window = state_.window;
  window.Image2Visible = false;
  window.Label2Visible = false;
  puzzle.ResetBoard();
  board_.DrawEmptyBoard();
  puzzle.AnswersShown = 0;
  puzzle.RewardShown = 0;

  const PuzzleLoadResult result = LoadPuzzleFile(puzzle, path);
  if (result.status == PuzzleLoadResult::Status::Missing) {
    host_.ShowInformation(MissingPuzzleMessage(state_.PuzzleFileName));
    return true;
  }
  if (result.status == PuzzleLoadResult::Status::Failed) {
    host_.ShowError(result.error.Text());
    return false;
  }
  ShowNotices(result.notices);
  // A puzzle saved from a larger board is shown whole: the board grows to hold it, so no word
  // lies off the board, where it could be typed into unseen or cut away by the next extraction.
  board_.FitBoardToPuzzle();
  ++window.ShowWholePuzzleRequests;

  state_.PuzzleTitle = PuzzleCaption(state_.PuzzleFileName, puzzle.SlotCount);
  window.Caption = state_.PuzzleTitle;
  puzzle.PlayActive = 1;
  selection_.MakeSlotOneCurrent();
  board_.DrawWordsAndNumbers();
  media_.PlaySound("e1");
  puzzle.EraserOn = 0;
  window.SpeedButton8Hint = std::string(Editor::EraserHint(false));
  return true;
}

void Commands::LoadPuzzleCommand() {
  FileDialogRequest request;
  request.title = Utf8ToCp1251("Загрузка кроссворда из файла");
  request.folder = DataFolder(state_.settings);
  request.filter = kGxFilter;
  request.proposed_name = state_.PuzzleFileName;
  const std::optional<std::string> path = host_.OpenFileDialog(request);
  if (!path) return;
  const ChosenName chosen = NameInDataFolder(*path);
  if (chosen.Refused()) {
    host_.ShowInformation(NameRefusedMessage(chosen.lacking));
    return;
  }
  state_.PuzzleFileName = chosen.name;
  LoadPuzzle();
  state_.puzzle.GridModified = 0;
}

void Commands::SavePuzzleCommand() {
  if (state_.puzzle.GridModified == 1 || !PuzzleReady(state_.puzzle)) {
    // A grid drawn on since its last fill is never saved, nor one whose build was stopped or
    // failed: its file would not read back as a crossword.
    host_.ShowInformation(Utf8ToCp1251("Следует прежде перезаполнить сетку"));
    return;
  }
  const std::string folder = DataFolder(state_.settings);
  state_.PuzzleFileName = std::to_string(HighestPuzzleNumber(folder) + 1) + ".gx";

  FileDialogRequest request;
  request.title = Utf8ToCp1251("Сохранение кроссворда в файле");
  request.folder = folder;
  request.filter = kGxFilter;
  while (true) {
    request.proposed_name = state_.PuzzleFileName;
    const std::optional<std::string> path = host_.SaveFileDialog(request);
    if (!path) return;
    const ChosenName chosen = NameInDataFolder(*path);
    if (chosen.Refused()) {
      host_.ShowInformation(NameRefusedMessage(chosen.lacking));
      continue;
    }
    std::string name = chosen.name;
    if (name.find(".gx") == std::string::npos) name += ".gx";
    state_.PuzzleFileName = name;
    if (!IsBareFileName(name) || !FileExists(DataFilePath(folder, name))) break;
    // Cancel shows the dialog again with the name just chosen.
    if (host_.Confirm(OverwriteQuestion(name), DefaultButton::Cancel)) break;
  }
  std::string file;
  FileError error = PathInFolder(folder, state_.PuzzleFileName, file);
  if (!error) error = SavePuzzleFile(state_.puzzle, file);
  if (error) {
    host_.ShowError(error.Text());
    return;
  }
  state_.PuzzleTitle = PuzzleCaption(state_.PuzzleFileName, state_.puzzle.SlotCount);
  state_.window.Caption = state_.PuzzleTitle;
}

}  // namespace gx
