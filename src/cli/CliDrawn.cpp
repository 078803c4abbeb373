#include "cli/CliDrawn.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "base/Cp1251.h"
#include "base/FileIo.h"
#include "base/ProgramFolder.h"
#include "board/Layout.h"
#include "cli/CliOutputs.h"
#include "cli/CliSupport.h"
#include "files/PuzzleFile.h"
#include "output/HtmlExport.h"
#include "output/PrintLayout.h"
#include "files/SettingsFile.h"

namespace gx::cli {

namespace {

constexpr int kDesignBoardCells = 21;  // the board of the window at its design size

// Documents printed one after another in one job: the puzzle, then its answers.
class DocumentsInTurn : public PrintDocument {
 public:
  explicit DocumentsInTurn(std::vector<PrintDocument*> documents) : documents_(std::move(documents)) {}
  int Paginate(int page_width, int page_height, Canvas& measure) override {
    pages_.clear();
    int total = 0;
    for (PrintDocument* document : documents_) {
      pages_.push_back(document->Paginate(page_width, page_height, measure));
      total += pages_.back();
    }
    return total;
  }
  void DrawPage(int page, Canvas& canvas) override {
    for (std::size_t i = 0; i < pages_.size(); page -= pages_[i], ++i) {
      if (page < pages_[i]) return documents_[i]->DrawPage(page, canvas);
    }
  }

 private:
  std::vector<PrintDocument*> documents_;
  std::vector<int> pages_;
};

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
  // The window's own rule, at its design size.
  const std::optional<WindowLayout> layout = LayoutWindow(
      ClientWidthFor(kDesignBoardCells), ClientHeightFor(kDesignBoardCells), PuzzleBoardCells(puzzle));
  const int cells = layout ? layout->cells : kDesignBoardCells;
  puzzle.BoardRows = static_cast<std::uint16_t>(cells);
  puzzle.BoardCols = static_cast<std::uint16_t>(cells);
  return cells;
}

std::string PuzzleTitleOf(const Puzzle& puzzle, const std::string& path) {
  return PuzzleCaption(Utf8ToCp1251(FileNameOf(path)), puzzle.SlotCount);
}

std::string PuzzlePdf(const Puzzle& puzzle, const Settings& settings, const std::string& title, bool answers) {
  Settings print_settings = settings;
  print_settings.PrinterDpiX = kPdfDpi;
  print_settings.PrinterDpiY = kPdfDpi;
  PrintedPuzzle questions(puzzle, print_settings, title);
  auto solved = std::make_unique<Puzzle>(puzzle);
  solved->AnswersShown = true;
  PrintedPuzzle solutions(*solved, print_settings, title);
  std::vector<PrintDocument*> documents = {&questions};
  if (answers) documents.push_back(&solutions);
  DocumentsInTurn document(documents);
  return PrintedPdf(document, title);
}

std::string KeyPdf(const Puzzle& puzzle, const Settings& settings, const std::string& title) {
  Settings print_settings = settings;
  print_settings.PrinterDpiX = kPdfDpi;
  print_settings.PrinterDpiY = kPdfDpi;
  PrintedPuzzle key(puzzle, print_settings, title, true);
  return PrintedPdf(key, title);
}

HtmlFiles PuzzleHtml(Puzzle& puzzle, const ExportFolder& folder, const std::string& title, const std::string& number,
                     bool answers) {
  const int side = PictureSide(FitBoard(puzzle));
  const bool shown = puzzle.AnswersShown;
  puzzle.AnswersShown = answers;
  const ExportPage page = MakeExportPage(puzzle, title, folder.pic_folder, number, side, side);
  puzzle.AnswersShown = shown;
  if (page.start_error) throw IoFailure{page.start_error, JoinPath(folder.pic_folder, "b0")};
  if (page.end_error) throw IoFailure{page.end_error, JoinPath(folder.pic_folder, "b2")};
  return {PictureGif(puzzle, folder.settings.Colors, side), page.text};
}

}  // namespace gx::cli
