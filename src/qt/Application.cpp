#include "qt/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "GridlexConfig.h"
#include "base/SafeText.h"
#include "qt/AdvertWindow.h"
#include "qt/MainWindow.h"
#include "qt/SecondaryForms.h"
#include "qt/SingleWindow.h"
#include "qt/WindowMemory.h"
#include "qt/TerminationSignal.h"
#include "shell/UserProgramFolder.h"
#include "shell/ProgramOptions.h"
#include "shell/Startup.h"

namespace gx {

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitBadUsage = 2;

// The delivered program folder: share/gridlex beside the programs' bin folder once installed; the
// build links the same place in the build tree to dist/.
std::string DeliveredFolder() {
  return (QCoreApplication::applicationDirPath() + QStringLiteral("/" GRIDLEX_DELIVERED_FROM_BIN)).toStdString();
}

// The message may quote a folder's path, which is shown safely.
void ReportStartFailure(const std::string& text) {
  const std::string message = SafeText(text);
  std::fprintf(stderr, "gridlex: %s\n", message.c_str());
  QMessageBox::critical(nullptr, QStringLiteral("Gridlex"), QString::fromStdString(message));
}

std::string CurrentFolder() {
  std::error_code error;
  const std::filesystem::path dir = std::filesystem::current_path(error);
  return error ? std::string(".") : dir.string();
}

// Chooses the program folder, makes or refreshes it and makes it the current folder (file
// dialogs open there); nothing after the user has been told why it could not be done.
std::optional<std::string> EnterProgramFolder(const ProgramOptions& options) {
  const ProgramFolderChoice choice =
      ChooseProgramFolder(options.program_dir, CurrentFolder(), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (choice.dir.empty()) {
    ReportStartFailure("Не найдена папка для файлов программы: задайте HOME, XDG_DATA_HOME или --program-dir");
    return std::nullopt;
  }
  if (choice.copy_delivered) {
    const std::string message = PrepareProgramFolder(DeliveredFolder(), choice.dir);
    if (!message.empty()) {
      ReportStartFailure(message);
      return std::nullopt;
    }
  }
  std::error_code error;
  std::filesystem::current_path(choice.dir, error);
  if (error) {
    ReportStartFailure("Не удаётся перейти в папку программы " + choice.dir + ": " + error.message());
    return std::nullopt;
  }
  return CurrentFolder();
}

}  // namespace

bool InstallRussianTranslations() {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  bool any = false;
  for (const char* name : {"qtbase_ru", "qt_ru", "qtmultimedia_ru"}) {
    auto* translator = new QTranslator(qApp);
    if (translator->load(QString::fromLatin1(name), folder)) {
      QCoreApplication::installTranslator(translator);
      any = true;
    } else {
      delete translator;
    }
  }
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  return any;
}

int RunProgram(int argc, char** argv) {
  const ProgramOptions options = ParseProgramOptions(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
  // Help, version and bad usage need no display.
  if (!options.error.empty()) {
    std::fprintf(stderr, "gridlex: %s\n%s", options.error.c_str(), ProgramUsage());
    return ExitBadUsage;
  }
  if (options.help) {
    std::fputs(ProgramUsage(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("gridlex %s\n", GRIDLEX_VERSION);
    return 0;
  }

  // The toolkit sees its own options only.
  std::vector<char*> toolkit_argv{argc > 0 ? argv[0] : const_cast<char*>("gridlex")};
  std::vector<std::string> toolkit_args = options.toolkit_args;
  for (std::string& arg : toolkit_args) toolkit_argv.push_back(arg.data());
  toolkit_argv.push_back(nullptr);
  int toolkit_argc = static_cast<int>(toolkit_argv.size()) - 1;
  QApplication app(toolkit_argc, toolkit_argv.data());
  QApplication::setApplicationName(QStringLiteral("Gridlex"));
  QApplication::setApplicationVersion(QStringLiteral(GRIDLEX_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.gridlex.Gridlex"));
  InstallRussianTranslations();
  CloseOnTermination termination;

  // Named relative to the folder the program was started in, before it moves to its own.
  std::string start_puzzle;
  if (options.puzzle_file) {
    std::error_code ignored;
    start_puzzle = std::filesystem::absolute(*options.puzzle_file, ignored).string();
  }
  const std::optional<std::string> program_dir = EnterProgramFolder(options);
  if (!program_dir) return ExitFailure;
  FolderOwner owner(*program_dir);
  switch (owner.ClaimOrHandOver(start_puzzle)) {
    case FolderOwner::Claim::HandedOver: return 0;
    case FolderOwner::Claim::Refused: ReportStartFailure(owner.Message()); return ExitFailure;
    case FolderOwner::Claim::Mine:
      if (!owner.Message().empty()) std::fprintf(stderr, "gridlex: %s\n", owner.Message().c_str());
      break;
  }

  TForm1 form1(nullptr, {}, start_puzzle, *program_dir);  // its creation reads the settings and loads the puzzle
  TForm2 form2;
  auto* form3 = new AdvertWindow(&form1);  // stays above the main window
  TForm4 form4;
  TForm5 form5;
  form1.SetAdvertWindow(form3);
  form1.SetPaletteWindow(&form2);
  form1.SetDictionaryWindows(&form4, &form5);
  RestoreWindowGeometry(form1, *UserWindowSettings());
  new WindowMemory(form1, UserWindowSettings());  // owned by the window
  termination.Watch(&form1);
  owner.Serve([&form1](const std::string& puzzle) { return AnswerLaterStart(form1, puzzle); });
  form1.show();
  return app.exec();
}

}  // namespace gx
