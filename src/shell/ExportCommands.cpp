#include "shell/ExportCommands.h"

#include <memory>
#include <optional>
#include <string>

#include "base/Cp1251.h"
#include "base/FileError.h"
#include "base/FileIo.h"
#include "core/PuzzleReady.h"
#include "files/GifWriter.h"
#include "output/HtmlExport.h"
#include "output/PrintLayout.h"

namespace gx {

namespace {

// The run-time's "file not open for output": no picture could be made to write.
constexpr int PictureFailure = 105;

// Draws the picture off-screen and writes it; false after reporting a failure.
bool ExportPicture(Gridlex& state, Host& host, const std::string& pic_folder, const std::string& number, int width,
                   int height) {
  std::unique_ptr<PictureSurface> picture = host.CreatePicture(width, height);
  if (!picture) {
    host.ShowError(FileError(PictureFailure).Text());
    return false;
  }
  DrawExportPicture(state.puzzle, state.settings.Colors, picture->GetCanvas(), width, height);
  host.SetWaitCursor(true);
  const FileError error = WriteGifFile(JoinPath(pic_folder, ExportPictureName(number)), width, height,
                                       [&picture](int x, int y) { return picture->Pixel(x, y); });
  host.SetWaitCursor(false);
  if (error) {
    host.ShowError(error.Text());
    return false;
  }
  return true;
}

// Writes what was assembled, then reports the failure that ended the page (if any).
bool WritePage(Host& host, const std::string& path, const std::string& page, FileError failure) {
  if (FileError error = ReplaceFile(path, page)) {
    host.ShowError(error.Text());
    return false;
  }
  if (failure) {
    host.ShowError(failure.Text());
    return false;
  }
  return true;
}

}  // namespace

void PrintCommand(Gridlex& state, Host& host) {
  if (!CluesWritten(state.puzzle)) {
    host.ShowInformation(Utf8ToCp1251(NotReadyText));
    return;
  }
  PrintedPuzzle document(state.puzzle, state.settings, state.PuzzleTitle);
  std::string error;
  const PrintOutcome outcome = host.PrintPages(document, state.settings.PrinterDpiY, error);
  if (outcome == PrintOutcome::Failed) host.ShowError(error);
}

void HtmlExportCommand(Gridlex& state, Host& host, int paint_width, int paint_height) {
  if (!CluesWritten(state.puzzle)) {
    host.ShowInformation(Utf8ToCp1251(NotReadyText));
    return;
  }
  const std::string pic_folder = state.settings.ProgramDir.PicFolder();
  const std::optional<std::string> next = ExportNumber(state.settings.NumberedExport, pic_folder);
  if (!next) {
    host.ShowInformation(NoExportNumberMessage());
    return;
  }
  const std::string& number = *next;
  if (!ExportPicture(state, host, pic_folder, number, paint_width, paint_height)) return;
  const ExportPage page =
      MakeExportPage(state.puzzle, state.PuzzleTitle, pic_folder, number, paint_width, paint_height);
  if (page.start_error) {
    host.ShowError(page.start_error.Text());
    return;
  }
  if (!WritePage(host, JoinPath(pic_folder, ExportPageName(number)), page.text, page.end_error)) return;
  if (!number.empty() && !WritePage(host, JoinPath(pic_folder, ExportPageName("")), page.text, {})) return;
  host.OpenDocument(JoinPath(pic_folder, "gxp.htm"));
}

}  // namespace gx
