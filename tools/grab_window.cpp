// Photographs the main window with a puzzle, without a display: the window as it opens, and with
// its settings panel open at a smaller size. For looking at the window by eye.
// Usage: grab_window OUTPUT.png [PUZZLE.gx]
// Writes OUTPUT.png and OUTPUT.png.settings.png. The program folder is a fresh one with the
// delivered settings; the puzzle is the delivered one unless named.
#include <QApplication>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "base/Cp1251.h"
#include "base/Host.h"
#include "qt/MainWindow.h"

namespace {

namespace fs = std::filesystem;

// Message boxes go to standard error: nothing waits for an answer.
class StderrHost : public gx::NullHost {
 public:
  void ShowInformation(std::string_view text) override { Print(text); }
  void ShowError(std::string_view text) override { Print(text); }

 private:
  static void Print(std::string_view text) {
    std::fprintf(stderr, "grab_window: %s\n", gx::Cp1251ToUtf8(text).c_str());
  }
};

bool Grab(QWidget& window, const QString& path) {
  QApplication::processEvents();
  if (window.grab().save(path)) return true;
  std::fprintf(stderr, "grab_window: cannot write %s\n", path.toLocal8Bit().constData());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: grab_window OUTPUT.png [PUZZLE.gx]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const fs::path output = fs::absolute(argv[1]);
  const fs::path delivered = GRIDLEX_DIST_DIR;
  const fs::path puzzle = argc == 3 ? fs::absolute(argv[2]) : delivered / "data" / "1.gx";
  QApplication application(argc, argv);

  QTemporaryDir temp;
  const fs::path folder = temp.path().toStdString();
  std::error_code error;
  fs::create_directories(folder / "data", error);
  fs::create_directories(folder / "rek", error);
  fs::copy_file(delivered / "gx.dat", folder / "gx.dat", error);
  if (!error) fs::copy_file(puzzle, folder / "data" / "1.gx", error);
  if (error) {
    std::fprintf(stderr, "grab_window: %s\n", error.message().c_str());
    return 1;
  }
  FILE* adverts = std::fopen((folder / "rek" / "rek.dat").c_str(), "w");
  if (adverts) std::fclose(adverts);

  StderrHost host;
  gx::TForm1 window(&host, [] { return std::optional<gx::PrinterResolution>{}; }, {}, folder.string());
  window.show();
  const QString path = QString::fromStdString(output.string());
  bool written = Grab(window, path);
  window.Button(gx::Button::OpenSettings)->click();
  window.resize(700, 520);
  written = Grab(window, path + QStringLiteral(".settings.png")) && written;
  return written ? 0 : 1;
}
