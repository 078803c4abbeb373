// The palette window, a printed page on a PDF printer and the exported picture with real fonts.

#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "board/BoardDrawing.h"
#include "base/Cp1251.h"
#include "qt/PaletteWindow.h"
#include "qt/Printing.h"
#include "qtdraw/QtCanvas.h"
#include "qt/QtHost.h"
#include "shell/CommandCore.h"
#include "shell/Gridlex.h"
#include "output/HtmlExport.h"
#include "output/PrintLayout.h"
#include "CommandCoreTestDoor.h"
#include "shell/ExportCommands.h"

namespace gx {
namespace {

class ColorAnswers : public NullHost {
 public:
  std::optional<Color> ColorDialog(Color initial) override {
    presets.push_back(initial);
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::optional<Color>> answers;
  std::vector<Color> presets;
};

// The desktop host, except that the exported page is not opened in a browser.
class ExportHost : public QtHost {
 public:
  ExportHost() : QtHost(nullptr) {}
  void OpenDocument(const std::string& path) override { opened.push_back(path); }
  void ShowError(std::string_view text) override { errors.emplace_back(text); }
  std::vector<std::string> opened;
  std::vector<std::string> errors;
};

Color PanelColor(const TForm2& form, int row) { return FromQColor(form.Panel(row)->palette().color(QPalette::Window)); }

// The palette window on a core of its own: a click on a panel runs the core's command.
struct PaletteOnCore {
  explicit PaletteOnCore(Palette colors) : core("/prog", host, canvas, random) {
    CommandCoreTestDoor::State(core).settings.Colors = colors;
    form.Attach(&core.Colors(), [this](int row) { core.PaletteRowClicked(row); });
  }
  ColorAnswers host;
  NullCanvas canvas;
  SeededRandom random{1};
  CommandCore core;
  TForm2 form;
};

TEST(PaletteWindow, RowsShowTheColoursAndAPanelClickChangesOnlyItsOwn) {
  Palette colors;
  colors.GifInnerColor = Rgb(1, 2, 3);
  colors.GifBorderColor = Rgb(4, 5, 6);
  PaletteOnCore window(colors);
  ColorAnswers& host = window.host;
  host.answers = {Rgb(200, 100, 50)};
  TForm2& form = window.form;
  const Palette& palette = window.core.Colors();

  EXPECT_EQ(form.size(), QSize(TForm2::kWidth, TForm2::kHeight));
  EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Цветовая палитра"));
  EXPECT_EQ(form.Panel(5)->geometry(), QRect(16, 16 + 5 * 24, 17, 17));
  EXPECT_EQ(PanelColor(form, 5), Rgb(1, 2, 3));
  EXPECT_EQ(PanelColor(form, 6), Rgb(4, 5, 6));

  QTest::mouseClick(form.Panel(5), Qt::LeftButton);
  EXPECT_EQ(host.presets, std::vector<Color>{Rgb(1, 2, 3)});
  EXPECT_EQ(palette.GifInnerColor, Rgb(200, 100, 50));
  EXPECT_EQ(palette.GifBorderColor, Rgb(4, 5, 6));
  EXPECT_EQ(PanelColor(form, 5), Rgb(200, 100, 50));
}

TEST(PaletteWindow, AllBlackColoursGiveBlackPanels) {
  PaletteOnCore window{Palette{}};
  for (int row = 0; row < PaletteRowCount; ++row) EXPECT_EQ(PanelColor(window.form, row), Rgb(0, 0, 0));
}

void SmallPuzzle(Gridlex& state) {
  Puzzle& p = state.puzzle;
  p.SlotCount = 2;
  p.SlotX[1] = 2, p.SlotY[1] = 2, p.SlotLength[1] = 4, p.SlotVertical[1] = 0, p.SlotAnswer[1] = Utf8ToCp1251("КОТЫ");
  p.SlotX[2] = 2, p.SlotY[2] = 2, p.SlotLength[2] = 3, p.SlotVertical[2] = 1, p.SlotAnswer[2] = Utf8ToCp1251("КИТ");
  for (int k = 1; k <= 2; ++k) {
    p.Clues.SetCell(0, k - 1, FormatClueNumber(k));
    p.Clues.SetCell(1, k - 1, Utf8ToCp1251(" подсказка"));
    for (int t = 0; t < p.SlotLength[k]; ++t) p.SetMask(p.SlotCellX(k, t), p.SlotCellY(k, t), GridCell);
  }
  p.Clues.SetRowCount(2);
  state.PuzzleTitle = Utf8ToCp1251("Кроссворд 2 сл");
}

TEST(PrintedOnPdf, ThePageIsWrittenAndAnUnwritableOutputIsAFailure) {
  Gridlex state;
  SmallPuzzle(state);
  state.settings.PrinterDpiX = state.settings.PrinterDpiY = 300;
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
  PrintedPuzzle document(state.puzzle, state.settings, state.PuzzleTitle);
  std::string error;
  EXPECT_EQ(PrintOnPrinter(printer, document, error), PrintOutcome::Printed);
  EXPECT_GT(std::filesystem::file_size(dir.filePath(QStringLiteral("page.pdf")).toStdString()), 500u);

  QPrinter nowhere(QPrinter::HighResolution);
  nowhere.setOutputFormat(QPrinter::PdfFormat);
  nowhere.setOutputFileName(dir.filePath(QStringLiteral("missing/page.pdf")));
  EXPECT_EQ(PrintOnPrinter(nowhere, document, error), PrintOutcome::Failed);
  EXPECT_EQ(error, "I/O error 160");
}

// Prints on an A4 PDF file, laid out at 300 dpi; the number of pages the file holds.
int PdfPageCount(const Gridlex& state, const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setOutputFileName(path);
  PrintedPuzzle document(state.puzzle, state.settings, state.PuzzleTitle);
  std::string error;
  if (PrintOnPrinter(printer, document, error, 300) != PrintOutcome::Printed) return 0;
  std::ifstream file(path.toStdString(), std::ios::binary);
  const std::string pdf((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const std::size_t count = pdf.find("/Count ");
  return count == std::string::npos ? 0 : std::atoi(pdf.c_str() + count + 7);
}

// The printable area of the chosen printer decides the pages: 50 across lines under a frame of
// 21 cells do not fit on A4, 30 do.
TEST(PrintedOnPdf, CluesBeyondThePageGoOnToASecondPage) {
  Gridlex state;
  SmallPuzzle(state);
  state.settings.PrinterDpiX = state.settings.PrinterDpiY = 300;
  Puzzle& p = state.puzzle;
  for (int k = 2; k <= 100; ++k) {
    p.SlotX[k] = static_cast<std::uint8_t>(k % 19), p.SlotY[k] = static_cast<std::uint8_t>(k % 21);
    p.SlotLength[k] = 3, p.SlotVertical[k] = k > 50 ? 1 : 0;
    p.Clues.SetCell(0, k - 1, FormatClueNumber(k));
    p.Clues.SetCell(1, k - 1, Utf8ToCp1251(" подсказка"));
  }
  p.SlotCount = 100;
  QTemporaryDir dir;
  EXPECT_EQ(PdfPageCount(state, dir.filePath(QStringLiteral("long.pdf"))), 2);
  p.SlotCount = 30;
  EXPECT_EQ(PdfPageCount(state, dir.filePath(QStringLiteral("short.pdf"))), 1);
}

TEST(ExportedPicture, RealFontsDrawRedNumbersAndTheColoursSurviveExactly) {
  QTemporaryDir dir;
  std::filesystem::create_directories(dir.filePath(QStringLiteral("pic")).toStdString());
  std::ofstream(dir.filePath(QStringLiteral("pic/b0")).toStdString()) << "<html>\r\n";
  std::ofstream(dir.filePath(QStringLiteral("pic/b2")).toStdString()) << "</html>\r\n";
  Gridlex state;
  SmallPuzzle(state);
  state.settings.ProgramDir = dir.path().toStdString();
  state.settings.Colors.GifInnerColor = Rgb(255, 255, 255);
  state.settings.Colors.GifBorderColor = Rgb(192, 192, 192);
  ExportHost host;
  HtmlExportCommand(state, host, 336, 336);
  ASSERT_TRUE(host.errors.empty()) << host.errors.front();
  ASSERT_EQ(host.opened.size(), 1u);

  int error = 0;
  const std::string path = dir.filePath(QStringLiteral("pic/pic.gif")).toStdString();
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  const auto at = [gif](int x, int y) {
    const GifColorType c = gif->SColorMap->Colors[gif->SavedImages[0].RasterBits[y * gif->SWidth + x]];
    return Rgb(c.Red, c.Green, c.Blue);
  };
  int red = 0;
  for (int y = 2 * 16 + 1; y < 3 * 16; ++y)
    for (int x = 2 * 16 + 1; x < 3 * 16; ++x) red += at(x, y) == Rgb(255, 0, 0) ? 1 : 0;
  EXPECT_GT(red, 4);  // the number "1" in the first cell
  EXPECT_EQ(at(10 * 16 + 8, 10 * 16 + 8), Rgb(192, 192, 192));
  EXPECT_EQ(at(5 * 16 + 14, 2 * 16 + 14), Rgb(255, 255, 255));
  EXPECT_EQ(at(5 * 16, 2 * 16 + 8), Rgb(128, 128, 128));
  DGifCloseFile(gif, &error);
}

}  // namespace
}  // namespace gx
