// What the batch tool draws against what the window draws: the exported picture and page of the
// delivered puzzle, made by the window's export button and by `gridlex-cli export`, byte for byte;
// and the printed pages, laid out alike and holding every clue as text.

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "qt/MainWindow.h"
#include "qt/Printing.h"
#include "qt/QtHost.h"
#include "shell/PrintLayout.h"

namespace gx {
namespace {

namespace fs = std::filesystem;

const fs::path Delivered = GRIDLEX_DIST_DIR;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The desktop host, except that the exported page is not opened in a browser.
class NoBrowserHost : public QtHost {
 public:
  NoBrowserHost() : QtHost(nullptr) {}
  void OpenDocument(const std::string& path) override { opened.push_back(path); }
  void ShowInformation(std::string_view text) override { boxes.emplace_back(text); }
  void ShowError(std::string_view text) override { boxes.emplace_back(text); }
  std::vector<std::string> opened, boxes;
};

int RunCli(const std::string& arguments) {
  const int status = std::system((std::string(GRIDLEX_CLI_PATH) + " " + arguments + " 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What a command prints on stdout.
std::string Output(const std::string& command) {
  std::string out;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char block[4096];
  for (std::size_t n; (n = std::fread(block, 1, sizeof block, pipe)) > 0;) out.append(block, n);
  ::pclose(pipe);
  return out;
}

bool HasPdfToText() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

// The text of a PDF file's pages first..last (0: to the end), as pdftotext reads it.
std::string PdfText(const fs::path& pdf, int first = 1, int last = 0) {
  std::string command = "pdftotext -f " + std::to_string(first);
  if (last > 0) command += " -l " + std::to_string(last);
  return Output(command + " '" + pdf.string() + "' - 2>&1");
}

// pdftotext ends every page with a form feed.
long PdfPages(const fs::path& pdf) {
  const std::string text = PdfText(pdf);
  return std::count(text.begin(), text.end(), '\f');
}

class DeliveredProgramFolder : public ::testing::Test {
 protected:
  DeliveredProgramFolder() : old_dir_(fs::current_path()), dir_(temp_.path().toStdString()) {
    for (const char* sub : {"data", "pic", "rek", "out"}) fs::create_directories(dir_ / sub);
    for (const char* file : {"gx.dat", "data/1.gx", "pic/b0", "pic/b2"}) fs::copy_file(Delivered / file, dir_ / file);
    fs::copy(Delivered / "snd", dir_ / "snd");
    // The user's own border colour (records 23..25, 16-bit each), so the palette must be read.
    std::fstream settings(dir_ / "gx.dat", std::ios::in | std::ios::out | std::ios::binary);
    settings.seekp(2 * 23);
    settings.write("\x00\x00\x80\x00\x00\x00", 6);
    std::ofstream(dir_ / "rek" / "rek.dat");
    fs::current_path(dir_);
  }
  ~DeliveredProgramFolder() override { fs::current_path(old_dir_); }

  // Starts the window in the folder; it loads the highest-numbered puzzle of data/.
  std::unique_ptr<TForm1> StartWindow() {
    auto form = std::make_unique<TForm1>(&host_, [] { return std::optional<PrinterResolution>{}; });
    form->show();
    QTest::qWait(10);
    return form;
  }

  // Presses the export button of the window, which writes pic/gxp.htm and pic/pic.gif.
  void PressExport(TForm1& form) {
    host_.opened.clear();
    QTest::mouseClick(form.Button(Button::SpeedButton11), Qt::LeftButton);
    ASSERT_TRUE(host_.boxes.empty()) << host_.boxes[0];
    ASSERT_EQ(host_.opened.size(), 1u);
  }

  void ExportFromTheWindow() {
    const auto form = StartWindow();
    ASSERT_EQ(form->State().puzzle.SlotCount, 56);
    PressExport(*form);
  }

  QTemporaryDir temp_;
  fs::path old_dir_;
  fs::path dir_;
  NoBrowserHost host_;
};

TEST_F(DeliveredProgramFolder, TheBatchToolDrawsThePictureTheWindowExports) {
  ExportFromTheWindow();
  ASSERT_EQ(RunCli("export data/1.gx --gif out/picture.gif --program-dir ."), 0);
  const std::string window = ReadBytes(dir_ / "pic" / "pic.gif");
  ASSERT_GT(window.size(), 100u);
  EXPECT_TRUE(ReadBytes(dir_ / "out" / "picture.gif") == window) << "the pictures differ";
}

TEST_F(DeliveredProgramFolder, TheBatchToolWritesThePageAndPictureTheWindowExports) {
  const auto form = StartWindow();
  ASSERT_EQ(form->State().puzzle.SlotCount, 56);
  ASSERT_FALSE(form->State().settings.NumberedExport) << "the delivered settings export without numbers";
  PressExport(*form);
  ASSERT_EQ(RunCli("export data/1.gx --html out/web --program-dir ."), 0);
  const std::string page = ReadBytes(dir_ / "pic" / "gxp.htm");
  ASSERT_NE(page.find("<img src=\"pic.gif\""), std::string::npos);
  EXPECT_TRUE(ReadBytes(dir_ / "out" / "web" / "gxp.htm") == page) << "the pages differ";
  EXPECT_TRUE(ReadBytes(dir_ / "out" / "web" / "pic.gif") == ReadBytes(dir_ / "pic" / "pic.gif"))
      << "the pictures differ";

  // While the answers are shown (F9, paid with a point) the window's page lists them; so does
  // the batch tool's with --answers.
  form->State().settings.Score = 5;
  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), Qt::Key_F9);
  ASSERT_EQ(form->State().puzzle.AnswersShown, 1);
  PressExport(*form);
  const std::string answers = ReadBytes(dir_ / "pic" / "gxp.htm");
  ASSERT_NE(answers, page);
  ASSERT_EQ(RunCli("export data/1.gx --html out/answers --answers --program-dir ."), 0);
  EXPECT_TRUE(ReadBytes(dir_ / "out" / "answers" / "gxp.htm") == answers) << "the pages with answers differ";
  EXPECT_TRUE(ReadBytes(dir_ / "out" / "answers" / "pic.gif") == ReadBytes(dir_ / "pic" / "pic.gif"));

  // A folder that holds an export already is left alone without --force.
  std::ofstream(dir_ / "out" / "web" / "gxp.htm", std::ios::trunc) << "mine";
  EXPECT_EQ(RunCli("export data/1.gx --html out/web --program-dir ."), 1);
  EXPECT_EQ(ReadBytes(dir_ / "out" / "web" / "gxp.htm"), "mine");
  EXPECT_EQ(RunCli("export data/1.gx --html out/web --program-dir . --force"), 0);
  EXPECT_TRUE(ReadBytes(dir_ / "out" / "web" / "gxp.htm") == page);
}

// A series writes, for each crossword, what the window's numbered export writes for its puzzle
// file, and the pages `export --pdf` writes for it.
TEST_F(DeliveredProgramFolder, ASeriesWritesTheWindowsNumberedPageAndThePdfOfEachCrossword) {
  const std::string dictionary = (Delivered / "data" / "ru.dct").string();
  ASSERT_EQ(RunCli("series " + dictionary + " --count 2 --seed 5 --out-dir out/s --format gx,pdf,html --program-dir ."),
            0);
  fs::copy_file(dir_ / "out" / "s" / "1.gx", dir_ / "data" / "1.gx", fs::copy_options::overwrite_existing);
  const auto form = StartWindow();
  form->State().settings.NumberedExport = true;
  PressExport(*form);
  ASSERT_TRUE(fs::exists(dir_ / "pic" / "gxp1.htm"));
  EXPECT_TRUE(ReadBytes(dir_ / "out" / "s" / "gxp1.htm") == ReadBytes(dir_ / "pic" / "gxp1.htm")) << "the pages differ";
  EXPECT_TRUE(ReadBytes(dir_ / "out" / "s" / "pic1.gif") == ReadBytes(dir_ / "pic" / "pic1.gif"));
  EXPECT_TRUE(fs::exists(dir_ / "out" / "s" / "gxp2.htm") && fs::exists(dir_ / "out" / "s" / "pic2.gif"));

  if (!HasPdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF text cannot be read";
  for (const char* n : {"1", "2"}) {
    const std::string pdf = std::string("out/e") + n + ".pdf";
    ASSERT_EQ(RunCli(std::string("export out/s/") + n + ".gx --pdf " + pdf + " --program-dir ."), 0);
    const std::string text = PdfText(dir_ / pdf);
    EXPECT_NE(text.find(std::string("Кроссворд из файла ") + n + ".gx"), std::string::npos) << text;
    EXPECT_EQ(PdfText(dir_ / "out" / "s" / (std::string(n) + ".pdf")), text);
  }
}

// An ipuz crossword of 55 three-letter words across, five in each even row of 21, each with a
// clue of its own: more clue lines than fit under the grid on one A4 page.
std::string ManyWordsAcross() {
  std::string puzzle, solution, clues;
  int number = 0;
  for (int y = 0; y < 21; ++y) {
    puzzle += y == 0 ? "[" : ", [";
    solution += y == 0 ? "[" : ", [";
    for (int x = 0; x < 19; ++x) {
      const bool word = y % 2 == 0 && x % 4 != 3;
      const char* separator = x == 0 ? "" : ", ";
      if (word && x % 4 == 0) {
        puzzle += separator + std::to_string(++number);
        clues += std::string(number == 1 ? "" : ", ") + "[" + std::to_string(number) + ", \"подсказка номер " +
                 std::to_string(number) + "\"]";
      } else {
        puzzle += std::string(separator) + (word ? "0" : "\"#\"");
      }
      solution += std::string(separator) + (word ? (x % 4 == 0 ? "\"К\"" : x % 4 == 1 ? "\"О\"" : "\"Т\"") : "\"#\"");
    }
    puzzle += "]";
    solution += "]";
  }
  return R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
    "dimensions": {"width": 19, "height": 21}, "block": "#", "empty": 0, "puzzle": [)" +
         puzzle + "], \"solution\": [" + solution + "], \"clues\": {\"Across\": [" + clues + "], \"Down\": []}}";
}

TEST_F(DeliveredProgramFolder, TheBatchToolPrintsThePagesTheWindowPrintsAsText) {
  if (!HasPdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF text cannot be read";
  std::ofstream(dir_ / "out" / "many.ipuz") << ManyWordsAcross();
  ASSERT_EQ(RunCli("import-ipuz out/many.ipuz data/2.gx"), 0);
  ASSERT_EQ(RunCli("export data/2.gx --pdf out/many.pdf --program-dir ."), 0);
  ASSERT_EQ(RunCli("export data/2.gx --pdf out/answers.pdf --answers --program-dir ."), 0);

  // 55 lines under a grid of 21 rows do not fit on A4: the list goes on on a second page, under
  // its heading again, and every clue is there once, as text.
  const fs::path pdf = dir_ / "out" / "many.pdf";
  ASSERT_EQ(PdfPages(pdf), 2);
  const std::string text = PdfText(pdf);
  for (int n = 1; n <= 55; ++n) {
    const std::string clue = "подсказка номер " + std::to_string(n) + "\n";
    const std::size_t at = text.find(clue);
    ASSERT_NE(at, std::string::npos) << clue;
    EXPECT_EQ(text.find(clue, at + 1), std::string::npos) << clue;
  }
  EXPECT_NE(PdfText(pdf, 1, 1).find("подсказка номер 1\n"), std::string::npos);
  const std::string second = PdfText(pdf, 2, 2);
  EXPECT_NE(second.find("По горизонтали:"), std::string::npos);
  EXPECT_NE(second.find("подсказка номер 55\n"), std::string::npos);

  // The answers follow on pages of their own, as the window prints them while they are shown.
  const fs::path with_answers = dir_ / "out" / "answers.pdf";
  ASSERT_EQ(PdfPages(with_answers), 4);
  EXPECT_EQ(PdfText(with_answers, 1, 2), text);
  EXPECT_EQ(text.find("кот-"), std::string::npos) << "no answers on the puzzle's pages";
  const std::string answer_pages = PdfText(with_answers, 3, 4);
  for (int n : {1, 41, 42, 55}) {
    const std::string line = std::to_string(n) + " кот- подсказка номер " + std::to_string(n) + "\n";
    EXPECT_NE(answer_pages.find(line), std::string::npos) << line;
  }

  // The window prints the same pages: its print job on a PDF printer (what the print dialog
  // offers without a printer) holds the same text page for page.
  const auto form = StartWindow();
  ASSERT_EQ(form->State().puzzle.SlotCount, 55);
  const fs::path window_pdf = dir_ / "out" / "window.pdf";
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setOutputFileName(QString::fromStdString(window_pdf.string()));
  PrintedPuzzle document(form->State().puzzle, form->State().settings, form->State().PuzzleTitle);
  std::string error;
  ASSERT_EQ(PrintOnPrinter(printer, document, error, form->State().settings.PrinterDpiY), PrintOutcome::Printed);
  EXPECT_EQ(PdfText(window_pdf), text);
}

}  // namespace
}  // namespace gx
