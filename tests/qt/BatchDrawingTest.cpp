// What the batch tool draws against what the window draws: the exported picture and page of the
// delivered puzzle, made by the window's export button and by `gridlex-cli export`, byte for byte;
// and the printed pages, laid out alike and holding every clue as text.

#include <QBuffer>
#include <QPdfWriter>
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
#include <set>
#include <sstream>

#include "base/Cp1251.h"
#include "files/PuzzleFile.h"
#include "qt/MainWindow.h"
#include "qtdraw/PagedPrinting.h"
#include "files/SettingsFile.h"
#include "qt/Printing.h"
#include "qt/QtHost.h"
#include "output/PrintLayout.h"
#include "CommandCoreTestDoor.h"

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
    QTest::mouseClick(form.Button(Button::HtmlExport), Qt::LeftButton);
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
  CommandCoreTestDoor::State(form->GetCommands()).settings.Score = 5;
  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), Qt::Key_F9);
  ASSERT_TRUE(form->State().puzzle.AnswersShown);
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
  CommandCoreTestDoor::State(form->GetCommands()).settings.NumberedExport = true;
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

// The words of a clue (Windows-1251) as UTF-8, split at blanks.
std::vector<std::string> WordsOf(std::string_view text) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while ((start = text.find_first_not_of(' ', start)) != std::string_view::npos) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    words.push_back(Cp1251ToUtf8(text.substr(start, end - start)));
    start = end;
  }
  return words;
}

// The words of a PDF's text, each once.
std::set<std::string> PdfWords(const fs::path& pdf) {
  std::set<std::string> words;
  std::istringstream in(PdfText(pdf));
  for (std::string word; in >> word;) words.insert(word);
  return words;
}

// Every text of the plan lies inside the printable area, the across list left of the down list and
// the first page's lists under the frame.
void ExpectInsideThePage(const PrintPlan& plan, const std::string& name) {
  const PrintMetrics& m = plan.metrics;
  ASSERT_GT(plan.page_width, 0) << name;
  ASSERT_GT(plan.page_height, 0) << name;
  const auto inside = [&](const PrintedText& t, int left, int right, int top, const std::string& what) {
    EXPECT_TRUE(t.x >= left && t.x + t.width <= right && t.y >= top && t.y + t.height <= plan.page_height)
        << name << ": " << what << " \"" << Cp1251ToUtf8(t.text) << "\" at " << t.x << "," << t.y << " size "
        << t.width << "x" << t.height << " outside " << left << ".." << right << " x " << top << ".."
        << plan.page_height;
  };
  for (std::size_t page = 0; page < plan.pages.size(); ++page) {
    const PrintedPage& content = plan.pages[page];
    const std::string at = "page " + std::to_string(page + 1);
    const int top = content.title_and_grid ? m.grid_bottom : 0;
    if (content.title_and_grid) {
      EXPECT_TRUE(m.left >= 0 && m.grid_right <= plan.page_width && m.grid_bottom <= plan.page_height)
          << name << ": the frame " << m.grid_right << "x" << m.grid_bottom << " on a page of " << plan.page_width
          << "x" << plan.page_height;
      for (const PrintedText& line : content.title) inside(line, 0, plan.page_width, 0, at + " title");
    }
    for (const PrintedList* list : {&content.across, &content.down}) {
      if (!list->shown) continue;
      const bool across = list == &content.across;
      const int left = across ? 0 : m.down_left;
      const int right = across ? m.down_left : plan.page_width;
      inside(list->heading, left, right, top, at + " heading");
      for (const PrintedText& line : list->lines) inside(line, left, right, top, at + " line");
    }
  }
}

// The plan of the pages of `export --pdf`, laid out on the same A4 pages with their fonts.
PrintPlan PdfPlan(const Puzzle& puzzle, const Settings& settings, const std::string& title, bool key) {
  Settings at300 = settings;
  at300.PrinterDpiX = at300.PrinterDpiY = 300;
  PrintedPuzzle document(puzzle, at300, title, key);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(300);
  writer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Point));
  std::string error;
  EXPECT_EQ(PrintOnDevice(writer, 300, document, error, 300), PrintOutcome::Printed) << error;
  return document.Plan();
}

// Crosswords of boards 19 to 55 built by a series, printed as puzzle, with the answers and as the
// answer key: every word of every clue, every slot number and every answer is in the PDF's text,
// and every text and the frame lie inside the printable area, each list in its own column.
TEST_F(DeliveredProgramFolder, ThePdfPagesHoldEveryClueWordAndNumberInsideThePage) {
  if (!HasPdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF text cannot be read";
  const std::string dictionary = (Delivered / "data" / "ru.dct").string();
  struct Series {
    int board, seed, count;
  };
  int checked = 0;
  for (const Series series : {Series{19, 11, 1}, Series{21, 5, 3}, Series{41, 3, 1}, Series{55, 2, 1}}) {
    const std::string out = "out/b" + std::to_string(series.board);
    ASSERT_EQ(RunCli("series " + dictionary + " --count " + std::to_string(series.count) + " --board " +
                     std::to_string(series.board) + " --seed " + std::to_string(series.seed) + " --out-dir " + out +
                     " --format gx,pdf --key --program-dir ."),
              0);
    for (int n = 1; n <= series.count; ++n) {
      const std::string base = out + "/" + std::to_string(n);
      auto puzzle = std::make_unique<Puzzle>();
      ASSERT_EQ(LoadPuzzleFile(*puzzle, base + ".gx").status, PuzzleLoadResult::Status::Loaded) << base;
      ASSERT_EQ(RunCli("export " + base + ".gx --pdf " + base + "-answers.pdf --answers --program-dir ."), 0);
      if (n == 1) {  // export --key writes the key the series writes
        ASSERT_EQ(RunCli("export " + base + ".gx --pdf " + base + "-exported-key.pdf --key --program-dir ."), 0);
        EXPECT_EQ(PdfText(base + "-exported-key.pdf"), PdfText(base + "-key.pdf")) << base;
      }
      const std::set<std::string> plain = PdfWords(base + ".pdf");
      const std::set<std::string> answers = PdfWords(base + "-answers.pdf");
      const std::set<std::string> key = PdfWords(base + "-key.pdf");
      const std::string answer_text = PdfText(base + "-answers.pdf");
      const std::string key_text = PdfText(base + "-key.pdf");
      for (int row = 0; row < puzzle->SlotCount; ++row) {
        const std::string number = WordsOf(puzzle->Clues.Number(row)).at(0);
        EXPECT_TRUE(plain.count(number) && answers.count(number) && key.count(number)) << base << ": " << number;
        for (const std::string& word : WordsOf(puzzle->Clues.Clue(row))) {
          EXPECT_TRUE(plain.count(word) && answers.count(word) && key.count(word)) << base << ": " << word;
        }
        // An answer stands before its clue, joined by a hyphen: "кот-".
        const std::string answer = Cp1251ToUtf8(puzzle->SlotAnswer[row + 1].view()) + "-";
        EXPECT_NE(answer_text.find(answer), std::string::npos) << base << ": " << answer;
        EXPECT_NE(key_text.find(answer), std::string::npos) << base << ": " << answer;
      }
      const std::string title = PuzzleCaption(std::to_string(n) + ".gx", puzzle->SlotCount);
      ExpectInsideThePage(PdfPlan(*puzzle, DefaultSettings(), title, false), base);
      ExpectInsideThePage(PdfPlan(*puzzle, DefaultSettings(), title, true), base + " key");
      puzzle->AnswersShown = true;
      ExpectInsideThePage(PdfPlan(*puzzle, DefaultSettings(), title, false), base + " answers");
      ++checked;
    }
  }
  EXPECT_EQ(checked, 6);
}

}  // namespace
}  // namespace gx
