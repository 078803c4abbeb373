#include "shell/PlayablePageCommand.h"

#include "base/Cp1251.h"
#include "base/FileIo.h"
#include "files/FileNames.h"
#include "core/PuzzleReady.h"
#include "shell/Gridlex.h"
#include "output/PlayablePage.h"

namespace gx {

namespace {

constexpr char kPageExtension[] = ".html";

std::string LastPart(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The puzzle's own name with the page's extension, or a plain name for a puzzle never saved.
std::string ProposedName(const std::string& puzzle_file) {
  if (puzzle_file.empty()) return std::string("crossword") + kPageExtension;
  const std::size_t dot = puzzle_file.find_last_of('.');
  return (dot == std::string::npos || dot == 0 ? puzzle_file : puzzle_file.substr(0, dot)) + kPageExtension;
}

// The file the user chose, with the extension added when left out; nothing when cancelled.
std::optional<std::string> ChoosePagePath(Gridlex& state, Host& host) {
  FileDialogRequest request;
  request.title = Utf8ToCp1251("Страница для решения в браузере");
  request.folder = state.settings.ProgramDir.PicFolder();
  request.filter = "*.html|*.html";
  request.proposed_name = ProposedName(state.PuzzleFileName);
  while (true) {
    std::optional<std::string> path = host.SaveFileDialog(request);
    if (!path) return std::nullopt;
    if (!HasExtension(*path, kPageExtension) && !HasExtension(*path, ".htm")) *path += kPageExtension;
    const std::string name = Utf8ToCp1251(LastPart(*path));
    if (!FileExists(*path) || host.Confirm(OverwriteQuestion(name), DefaultButton::Cancel)) return path;
    request.proposed_name = name;
  }
}

}  // namespace

void PlayablePageCommand(Gridlex& state, Host& host) {
  if (state.puzzle.GridModified || !PuzzleReady(state.puzzle)) {
    host.ShowInformation(Utf8ToCp1251(NotReadyText));
    return;
  }
  const PlayablePage page = WritePlayablePage(state.puzzle, Cp1251ToUtf8(state.PuzzleTitle));
  if (!page.faults.empty()) {
    std::string text = "Страницу не сделать:";
    for (const std::string& fault : page.faults) text += "\n" + fault;
    host.ShowInformation(Utf8ToCp1251(text));
    return;
  }
  const std::optional<std::string> path = ChoosePagePath(state, host);
  if (!path) return;
  if (const FileError error = ReplaceFile(*path, page.html)) {
    host.ShowError(error.Text());
    return;
  }
  host.OpenDocument(*path);
}

}  // namespace gx
