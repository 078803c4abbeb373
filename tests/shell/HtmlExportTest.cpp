// The GIF encoder, the exported picture and the HTML page with its numbering.

#include <algorithm>
#include <gtest/gtest.h>

#include "TestBytes.h"
#include "TestFolder.h"
#include "OutputTestSupport.h"
#include "files/DictionaryFile.h"
#include "files/PuzzleFile.h"
#include "files/GifWriter.h"
#include "output/HtmlExport.h"
#include "output/PrintLayout.h"
#include "shell/ExportCommands.h"

namespace gx::test {
namespace {

constexpr Color InnerChosen = Rgb(250, 250, 235);  // nearest: cream 255, 251, 240
constexpr Color BorderChosen = Rgb(20, 40, 200);   // nearest: blue 0, 0, 255
constexpr Color Cream = Rgb(255, 251, 240);
constexpr Color Blue = Rgb(0, 0, 255);
constexpr Color Grey = Rgb(128, 128, 128);
constexpr Color White = Rgb(255, 255, 255);

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST(StaticColors, EachIsItsOwnNearestAndOthersGoToTheClosest) {
  for (int i = 0; i < StaticColorCount; ++i) EXPECT_EQ(NearestStaticColor(StaticColors[static_cast<std::size_t>(i)]), i);
  EXPECT_EQ(StaticColors[static_cast<std::size_t>(NearestStaticColor(Rgb(250, 5, 10)))], Rgb(255, 0, 0));
  EXPECT_EQ(StaticColors[static_cast<std::size_t>(NearestStaticColor(Rgb(131, 126, 129)))], Grey);
  EXPECT_EQ(StaticColors[static_cast<std::size_t>(NearestStaticColor(InnerChosen))], Cream);
  EXPECT_EQ(StaticColors[static_cast<std::size_t>(NearestStaticColor(BorderChosen))], Blue);
}

TEST(GifFile, ReadsBackAsOneGif89aImageInTheStaticColours) {
  TestFolder folder;
  const auto pixel = [](int x, int y) { return x < 3 ? Rgb(255, 0, 0) : (y == 0 ? Rgb(10, 10, 120) : White); };
  ASSERT_TRUE(WriteGifFile(folder.Path("p.gif"), 7, 5, pixel).ok());
  EXPECT_EQ(folder.Read("p.gif").substr(0, 6), "GIF89a");
  const auto gif = ReadGif(folder.Path("p.gif"));
  ASSERT_TRUE(gif);
  EXPECT_EQ(gif->width, 7);
  EXPECT_EQ(gif->height, 5);
  EXPECT_EQ(gif->image_count, 1);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) {
      const Color expected = x < 3 ? Rgb(255, 0, 0) : (y == 0 ? Rgb(0, 0, 128) : White);
      EXPECT_EQ(gif->At(x, y), expected) << x << "," << y;
    }
  }
}

TEST(GifFile, ImpossibleSizesAndFoldersFailWithoutLeavingAFile) {
  TestFolder folder;
  std::string bytes;
  EXPECT_FALSE(EncodeGif(0, 5, [](int, int) { return Color{0}; }, bytes));
  EXPECT_FALSE(EncodeGif(70000, 1, [](int, int) { return Color{0}; }, bytes));
  EXPECT_TRUE(WriteGifFile(folder.Path("none/p.gif"), 2, 2, [](int, int) { return Color{0}; }) ==
              FileError(FileError::FileNotFound));
  EXPECT_EQ(folder.FileCount(), 0);
}

class Export : public ::testing::Test {
 protected:
  Export() {
    std::filesystem::create_directories(folder.Path("pic"));
    bench.state.settings.ProgramDir = folder.Dir();
    bench.state.settings.Colors.GifInnerColor = InnerChosen;
    bench.state.settings.Colors.GifBorderColor = BorderChosen;
    bench.state.PuzzleTitle = W("Новый кроссворд 4 сл");
    folder.Write("pic/b0", "<html>\r\n<body>\n");
    folder.Write("pic/b2", "</body>\r\n</html>\r\n");
    // A ring of four words around the free cell (3, 3).
    bench.AddSlot(2, 2, 3, false, W("КОТ"), W(" зверь"));
    bench.AddSlot(2, 4, 3, false, W("ДОМ"), W(" жильё"));
    bench.AddSlot(2, 2, 3, true, W("КИД"), W(" бросок"));
    bench.AddSlot(4, 2, 3, true, W("ТОМ"), W(" книга"));
  }
  void Run() { HtmlExportCommand(bench.state, host, 336, 336); }
  std::string Page(const std::string& name = "gxp.htm") const { return folder.Read("pic/" + name); }
  int PicFiles() const {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path("pic"))) ++count;
    return count;
  }

  TestFolder folder;
  PlayBench bench{21};
  OutputHost host;
};

TEST_F(Export, PictureShowsTheEmptyGridInsideTheBorderColour) {
  const auto letters_before = bench.state.puzzle.CellLetter;
  Run();
  ASSERT_TRUE(host.errors.empty()) << host.errors.front();
  const auto gif = ReadGif(folder.Path("pic/pic.gif"));
  ASSERT_TRUE(gif);
  ASSERT_EQ(gif->width, 336);
  EXPECT_EQ(gif->At(10 * 16 + 8, 10 * 16 + 8), Blue);   // outside the crossword
  EXPECT_EQ(gif->At(0, 0), Blue);
  EXPECT_EQ(gif->At(3 * 16 + 8, 3 * 16 + 8), Cream);    // enclosed by the words
  EXPECT_EQ(gif->At(2 * 16 + 14, 2 * 16 + 14), White);  // a word cell
  EXPECT_EQ(gif->At(2 * 16, 2 * 16 + 8), Grey);         // its outline
  EXPECT_EQ(gif->At(335, 100), Grey);                   // right and bottom edges
  EXPECT_EQ(gif->At(100, 335), Grey);
  // The outside is marked only while drawing.
  EXPECT_EQ(bench.state.puzzle.CellLetter, letters_before);
  EXPECT_EQ(host.cursor_changes, (std::vector<bool>{true, false}));
}

// Numbers below 100 show the last two of their three characters; 105 is written whole, just inside
// its cell, so that no cell reads as the wrong clue.
TEST_F(Export, LabelsAreTheNumbersInRedOnWhiteAndThreeDigitsStayWhole) {
  bench.state.puzzle.Clues.SetCell(0, 1, "105");
  MemoryCanvas canvas(336, 336);
  DrawExportPicture(bench.state.puzzle, bench.state.settings.Colors, canvas, 336, 336);
  EXPECT_FALSE(canvas.TextAtCell(2, 4));
  const auto whole = std::find_if(canvas.texts.begin(), canvas.texts.end(),
                                  [](const MemoryCanvas::Text& t) { return t.x == 2 * 16 + 1 && t.y == 4 * 16 + 1; });
  ASSERT_NE(whole, canvas.texts.end());
  EXPECT_EQ(whole->text, "105");
  EXPECT_EQ(whole->brush, White);
  EXPECT_EQ(canvas.TextAtCell(4, 2)->text, " 4");
  EXPECT_EQ(canvas.FontColor(), Rgb(255, 0, 0));
  // The board the user sees is not touched by the export.
  EXPECT_EQ(bench.canvas.texts.size(), 0u);
}

TEST_F(Export, UnnumberedPageIsFramedByTheTemplatesAndOpened) {
  bench.state.puzzle.Clues.SetCell(1, 0, W(" зверь"));
  HtmlExportCommand(bench.state, host, 337, 337);
  HtmlExportCommand(bench.state, host, 337, 337);
  ASSERT_TRUE(host.errors.empty());
  EXPECT_EQ(PicFiles(), 4);  // the templates, the picture and the page
  EXPECT_EQ(host.documents, std::vector<std::string>(2, folder.Path("pic/gxp.htm")));
  const std::vector<std::string> lines = Lines(Page());
  ASSERT_EQ(lines.size(), 2u + 7 + 2 * 3 + 2 + 2 * 3 + 2);
  EXPECT_EQ(lines[0], "<html>");
  EXPECT_EQ(lines[1], "<body>");
  EXPECT_EQ(lines[3], W("Новый кроссворд 4 сл"));
  EXPECT_EQ(lines[5], R"(<p align="center"><img src="pic.gif" width="337" height="337"></p>)");
  EXPECT_EQ(lines[6], "");
  EXPECT_EQ(lines[8], W("горизонтали:</strong></font> "));
  EXPECT_EQ(lines[9], R"(<font color="#804040"  size="2" face="Times New Roman CE"><strong>  1 - )");
  EXPECT_EQ(lines[10], R"(</strong></font><font  size="2" face="Times New Roman CE">)");
  EXPECT_EQ(lines[11], W(" зверь "));
  EXPECT_EQ(lines[15], lines[7]);
  EXPECT_EQ(lines[16], W("вертикали:</strong></font> "));
  EXPECT_EQ(lines[17], R"(<font color="#804040"  size="2" face="Times New Roman CE"><strong>  3 - )");
  EXPECT_EQ(lines[lines.size() - 1], "</html>");
  EXPECT_TRUE(std::filesystem::exists(folder.Path("pic/pic.gif")));
}

TEST_F(Export, RevealedAnswersFollowTheNumber) {
  bench.state.puzzle.AnswersShown = true;
  Run();
  const std::vector<std::string> lines = Lines(Page());
  EXPECT_EQ(lines[9], W(R"(<font color="#804040"  size="2" face="Times New Roman CE"><strong>  1 - КОТ )"));
  EXPECT_EQ(lines[17], W(R"(<font color="#804040"  size="2" face="Times New Roman CE"><strong>  3 - КИД )"));
}

TEST_F(Export, NumberedExportTakesTheNextNumberAndCopiesThePage) {
  bench.state.settings.NumberedExport = true;
  for (const char* name : {"gxp3.htm", "gxp10.htm", "gx1.htm", "gx.htm", "gxp40000.htm", "gxp99.gif"})
    folder.Write(std::string("pic/") + name, "x");
  EXPECT_EQ(HighestPageNumber(folder.Path("pic")), 10);
  Run();
  ASSERT_TRUE(host.errors.empty());
  EXPECT_TRUE(std::filesystem::exists(folder.Path("pic/pic11.gif")));
  EXPECT_EQ(Page("gxp11.htm"), Page("gxp.htm"));
  EXPECT_NE(Page().find(R"(<img src="pic11.gif" width="336" height="336">)"), std::string::npos);
  EXPECT_EQ(host.documents, std::vector<std::string>{folder.Path("pic/gxp.htm")});
  Run();
  EXPECT_TRUE(std::filesystem::exists(folder.Path("pic/gxp12.htm")));
}

// Past 32767 the numbers no longer compare as larger: every export would replace the page after
// the highest one.
TEST_F(Export, WithNoNumberLeftNothingIsWritten) {
  bench.state.settings.NumberedExport = true;
  folder.Write("pic/gxp32767.htm", "last");
  ASSERT_EQ(HighestPageNumber(folder.Path("pic")), 32767);
  Run();
  EXPECT_EQ(host.informations,
            std::vector<std::string>{W("Номера страниц исчерпаны: страница gxp32767.htm уже есть. Ничего не записано")});
  EXPECT_EQ(PicFiles(), 3);  // the templates and the last page
  EXPECT_EQ(host.pictures_made, 0);
  EXPECT_TRUE(host.documents.empty());
  EXPECT_EQ(Page("gxp32767.htm"), "last");
}

// A status text left in the caption (here by a dictionary write) is not the puzzle's name.
TEST_F(Export, PrintAndExportCarryThePuzzlesOwnTitle) {
  std::filesystem::create_directories(folder.Path("data"));
  folder.Write("data/7.gx", SerializePuzzle(bench.state.puzzle));
  bench.state.PuzzleFileName = "7.gx";
  ASSERT_TRUE(bench.commands.LoadPuzzle());
  DictionaryStore store;
  WindowProgress progress(bench.state.window);
  ASSERT_FALSE(WriteDictionary(store, folder.Path("data/new.dct"), progress));
  ASSERT_EQ(bench.state.window.Caption, W("Выгрузка словаря.."));

  Run();
  EXPECT_EQ(Lines(Page())[3], W("Кроссворд из файла 7.gx 4 сл"));
  PrintCommand(bench.state, host);
  ASSERT_EQ(host.pages.size(), 1u);
  ASSERT_FALSE(host.pages[0].texts.empty());
  EXPECT_EQ(host.pages[0].texts.front().text, W("Кроссворд из файла 7.gx 4 сл"));
}

// Markup characters of a file name or a clue are written as entities, never cut in half.
TEST_F(Export, CaptionAndCluesAreEscaped) {
  bench.state.PuzzleTitle = W("Кроссворд из файла a<b&\"c.gx 4 сл");
  bench.state.puzzle.Clues.SetCell(1, 1, W(" дом & <сад> \"у\""));
  Run();
  std::vector<std::string> lines = Lines(Page());
  EXPECT_EQ(lines[3], W("Кроссворд из файла a&lt;b&amp;&quot;c.gx 4 сл"));
  EXPECT_EQ(lines[14], W(" дом &amp; &lt;сад> &quot;у&quot; "));
  EXPECT_EQ(lines[11], W(" зверь "));

  bench.state.PuzzleTitle = std::string(253, 'c') + "&x";
  Run();
  lines = Lines(Page());
  EXPECT_EQ(lines[3], std::string(253, 'c'));
}

TEST_F(Export, PageNumbersComeFromAnyPageNameWhateverItsCaseOrKind) {
  folder.Write("pic/GXP12.HTM", "x");
  folder.Write("pic/gxp 7.htm", "x");
  folder.Write("pic/gxp+30.htm", "x");  // a sign is not a digit
  std::filesystem::create_directories(folder.Path("pic/gxp20.htm"));
  EXPECT_EQ(HighestPageNumber(folder.Path("pic")), 20);
  EXPECT_EQ(HighestPageNumber(folder.Path("absent")), 0);
}

TEST_F(Export, EveryTemplateLineEndsInCarriageReturnAndLineFeed) {
  folder.Write("pic/b2", "</body>\n</html>");
  Run();
  const std::string page = Page();
  EXPECT_EQ(page.substr(0, 16), "<html>\r\n<body>\r\n");
  EXPECT_EQ(page.substr(page.size() - 18), "</body>\r\n</html>\r\n");
}

TEST_F(Export, LongLinesAreCutAt255Characters) {
  folder.Write("pic/b0", std::string(300, 'a') + "\r\n");
  bench.state.PuzzleTitle = std::string(400, 'c');
  Run();
  const std::vector<std::string> lines = Lines(Page());
  EXPECT_EQ(lines[0], std::string(255, 'a'));
  EXPECT_EQ(lines[2], std::string(255, 'c'));
}

TEST_F(Export, MissingTemplatesStopTheCommandWithoutOpeningThePage) {
  std::filesystem::remove(folder.Path("pic/b0"));
  Run();
  EXPECT_EQ(host.errors, std::vector<std::string>{"File not found"});
  EXPECT_TRUE(std::filesystem::exists(folder.Path("pic/pic.gif")));
  EXPECT_FALSE(std::filesystem::exists(folder.Path("pic/gxp.htm")));

  folder.Write("pic/b0", "<html>\r\n");
  std::filesystem::remove(folder.Path("pic/b2"));
  Run();
  EXPECT_EQ(host.errors.size(), 2u);
  const std::vector<std::string> lines = Lines(Page());
  EXPECT_EQ(lines.front(), "<html>");
  EXPECT_EQ(lines.back(), W(" книга "));  // the page is left without its end
  EXPECT_TRUE(host.documents.empty());
}

TEST_F(Export, NothingHappensWithoutCluesOrWithoutAPicture) {
  bench.state.puzzle.Clues.SetCell(1, 0, "");
  Run();
  EXPECT_EQ(host.informations, std::vector<std::string>{W("Кроссворд не готов")});
  EXPECT_EQ(PicFiles(), 2);  // only the templates

  bench.state.puzzle.Clues.SetCell(1, 0, W(" зверь"));
  host.pictures_possible = false;
  Run();
  EXPECT_EQ(host.errors.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(folder.Path("pic/gxp.htm")));
  EXPECT_TRUE(host.documents.empty());
}

}  // namespace
}  // namespace gx::test
