// The palette window's rows, the print command and the printed page.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "OutputTestSupport.h"
#include "shell/Palette.h"
#include "output/PrintLayout.h"
#include "shell/CommandCore.h"
#include "shell/ExportCommands.h"

namespace gx::test {
namespace {

const MemoryCanvas::Text* FindText(const MemoryCanvas& canvas, int x, int y) {
  auto it = std::find_if(canvas.texts.begin(), canvas.texts.end(),
                         [&](const MemoryCanvas::Text& t) { return t.x == x && t.y == y; });
  return it == canvas.texts.end() ? nullptr : &*it;
}

TEST(PaletteRows, AConfirmedChoiceSetsTheRowsOwnColourAndCancelChangesNothing) {
  Palette palette;
  palette.GifInnerColor = Rgb(1, 2, 3);
  palette.GifBorderColor = Rgb(4, 5, 6);
  OutputHost host;
  host.color_answers = {Rgb(10, 20, 30), std::nullopt};

  // Row 6 (index 5) is the GIF inner field, although the settings file stores the border first.
  EXPECT_EQ(PaletteRowLabel(5), W("Внутреннее поле в GIF (HTML)"));
  EXPECT_TRUE(ChoosePaletteColor(palette, 5, host));
  EXPECT_EQ(host.dialog_presets.back(), Rgb(1, 2, 3));
  EXPECT_EQ(palette.GifInnerColor, Rgb(10, 20, 30));
  EXPECT_EQ(palette.GifBorderColor, Rgb(4, 5, 6));

  EXPECT_FALSE(ChoosePaletteColor(palette, 6, host));
  EXPECT_EQ(host.dialog_presets.back(), Rgb(4, 5, 6));
  EXPECT_EQ(palette.GifBorderColor, Rgb(4, 5, 6));

  EXPECT_FALSE(ChoosePaletteColor(palette, 8, host));  // no such row: no dialog
  EXPECT_EQ(host.dialog_presets.size(), 2u);
}

TEST(PrintMetricsTest, LengthsOnPaperBecomePrinterDots) {
  const PrintMetrics m300 = ComputePrintMetrics(300, 300, 21);
  EXPECT_EQ(m300.cell_width, 60);
  EXPECT_EQ(m300.cell_height, 60);
  EXPECT_EQ(m300.left, 30);
  EXPECT_EQ(m300.grid_top, 150);
  EXPECT_EQ(m300.title_left, 60);
  EXPECT_EQ(m300.title_top, 60);
  EXPECT_EQ(m300.line_step, 46);
  EXPECT_EQ(m300.down_left, 1181);
  EXPECT_EQ(m300.grid_right, 1290);
  EXPECT_EQ(m300.grid_bottom, 1410);

  const PrintMetrics m600 = ComputePrintMetrics(600, 600, 21);
  EXPECT_EQ(m600.cell_width, 120);
  EXPECT_EQ(m600.left, 60);
  EXPECT_EQ(m600.grid_top, 300);
  EXPECT_EQ(m600.line_step, 92);
  EXPECT_EQ(m600.down_left, 2362);

  // Lengths that fall on a half dot go to the even neighbour, up as well as down.
  const PrintMetrics odd = ComputePrintMetrics(25, 303, 2);
  EXPECT_EQ(odd.left, 2);        // 2.5
  EXPECT_EQ(odd.title_left, 4);  // twice the rounded margin
  EXPECT_EQ(odd.grid_top, 152);  // 151.5
  EXPECT_EQ(odd.grid_right, 2 * 5 + 2);
  EXPECT_EQ(ComputePrintMetrics(35, 301, 2).left, 4);        // 3.5
  EXPECT_EQ(ComputePrintMetrics(35, 301, 2).grid_top, 150);  // 150.5
}

class PrintedPage : public ::testing::Test {
 protected:
  PrintedPage() {
    bench.state.settings.PrinterDpiX = 300;
    bench.state.settings.PrinterDpiY = 300;
    bench.state.settings.Colors.PrintBackColor = Rgb(200, 230, 200);
    bench.state.PuzzleTitle = W("Новый кроссворд 3 сл");
  }
  // Three words on a puzzle of 21 x 21 cells: its last word ends in the bottom right corner.
  void AddThreeSlots(bool with_down = true) {
    bench.AddSlot(2, 2, 3, false, W("КОТ"), W(" зверь"));
    bench.AddSlot(18, 20, 3, false, W("ДОМ"), W(" жильё"));
    if (with_down) bench.AddSlot(2, 2, 3, true, W("КИД"), W(" бросок"));
  }
  const MemoryCanvas& Page(int page = 0) const { return host.pages.at(static_cast<std::size_t>(page)); }
  // Every clue line of every page, with the page and the column it stands in.
  struct Placed {
    int page, x, y;
  };
  std::map<std::string, std::vector<Placed>> ClueLines() const {
    std::map<std::string, std::vector<Placed>> lines;
    for (std::size_t page = 0; page < host.pages.size(); ++page) {
      for (const MemoryCanvas::Text& text : host.pages[page].texts) {
        if (text.text.find(W("лово")) != std::string::npos) lines[text.text].push_back({int(page), text.x, text.y});
      }
    }
    return lines;
  }

  PlayBench bench{21};
  OutputHost host;
};

TEST_F(PrintedPage, WithoutCluesNothingIsAskedOrPrinted) {
  PrintCommand(bench.state, host);
  EXPECT_EQ(host.informations, std::vector<std::string>{W("Кроссворд не готов")});
  EXPECT_EQ(host.print_dialogs, 0);
}

TEST_F(PrintedPage, CancelPrintsNothingAndAFailureIsReported) {
  AddThreeSlots();
  host.print_outcome = PrintOutcome::Cancelled;
  PrintCommand(bench.state, host);
  EXPECT_TRUE(host.pages.empty());
  EXPECT_TRUE(host.errors.empty());

  host.print_outcome = PrintOutcome::Failed;
  PrintCommand(bench.state, host);
  EXPECT_EQ(host.errors, std::vector<std::string>{"I/O error 160"});
}

TEST_F(PrintedPage, TitleGridAndNumbersStandWhereTheLayoutPutsThem) {
  AddThreeSlots();
  PrintCommand(bench.state, host);
  ASSERT_EQ(host.print_dialogs, 1);

  const auto* title = FindText(Page(), 60, 60);
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->text, W("Новый кроссворд 3 сл"));

  EXPECT_EQ(Page().At(30, 150), Rgb(0, 0, 0));          // the frame's outline
  EXPECT_EQ(Page().At(1289, 1409), Rgb(0, 0, 0));
  EXPECT_EQ(Page().At(1290, 1410), 0u);                  // nothing beyond it
  EXPECT_EQ(Page().At(10 * 60 + 60, 10 * 60 + 180), Rgb(200, 230, 200));  // background
  // Cell (2, 2): white with a black outline, 60 dots a side.
  EXPECT_EQ(Page().At(150, 270), Rgb(0, 0, 0));
  EXPECT_EQ(Page().At(180, 300), Rgb(255, 255, 255));
  EXPECT_EQ(Page().At(209, 329), Rgb(0, 0, 0));
  // Cell (3, 3) is in no slot.
  EXPECT_EQ(Page().At(3 * 60 + 60, 3 * 60 + 180), Rgb(200, 230, 200));

  const auto* number = FindText(Page(), 153, 271);
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->brush, Rgb(255, 255, 255));
  EXPECT_EQ(Page().TextAtCell(0, 0), std::nullopt);
  const auto* second = FindText(Page(), 18 * 60 + 33, 20 * 60 + 151);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->text, " 2");
}

TEST_F(PrintedPage, AcrossCluesOnTheLeftDownCluesFromOneHundredMillimetres) {
  AddThreeSlots();
  PrintCommand(bench.state, host);
  const auto* across = FindText(Page(), 30, 1456);
  const auto* down = FindText(Page(), 1181, 1456);
  ASSERT_TRUE(across && down);
  EXPECT_EQ(across->text, W("По горизонтали:"));
  EXPECT_EQ(down->text, W("По вертикали:"));
  ASSERT_TRUE(FindText(Page(), 30, 1502) && FindText(Page(), 30, 1548) && FindText(Page(), 1181, 1502));
  EXPECT_EQ(FindText(Page(), 30, 1502)->text, W("  1  зверь"));
  EXPECT_EQ(FindText(Page(), 30, 1548)->text, W("  2  жильё"));
  EXPECT_EQ(FindText(Page(), 1181, 1502)->text, W("  3  бросок"));
  EXPECT_EQ(FindText(Page(), 30, 1594), nullptr);
}

TEST_F(PrintedPage, RevealedAnswersStandBeforeTheClueJoinedByAHyphen) {
  AddThreeSlots();
  EXPECT_EQ(PrintClueLine(bench.state.puzzle, 0), W("  1  зверь"));
  bench.state.puzzle.AnswersShown = true;
  EXPECT_EQ(PrintClueLine(bench.state.puzzle, 0), W("  1 КОТ- зверь"));
  bench.state.puzzle.Clues.SetCell(1, 2, std::string(300, 'x'));
  EXPECT_EQ(PrintClueLine(bench.state.puzzle, 2).size(), 255u);
}

TEST_F(PrintedPage, WithoutDownSlotsTheDownHeadingStandsAlone) {
  AddThreeSlots(false);
  PrintCommand(bench.state, host);
  EXPECT_NE(FindText(Page(), 1181, 1456), nullptr);
  EXPECT_EQ(FindText(Page(), 1181, 1502), nullptr);
  EXPECT_NE(FindText(Page(), 30, 1548), nullptr);
}

// The window's board may be much larger than the puzzle: the frame holds the puzzle only.
TEST_F(PrintedPage, TheFrameHoldsThePuzzleWhateverTheBoard) {
  bench.state.puzzle.BoardRows = 37;
  AddThreeSlots();
  EXPECT_EQ(PrintFrameCells(bench.state.puzzle), 21);
  PrintCommand(bench.state, host);
  EXPECT_EQ(Page().At(1289, 1409), Rgb(0, 0, 0));
  EXPECT_EQ(Page().At(1290, 1410), 0u);
  EXPECT_NE(FindText(Page(), 30, 1456), nullptr);

  PlayBench small{37};
  small.state.settings.PrinterDpiX = small.state.settings.PrinterDpiY = 300;
  small.AddSlot(1, 3, 5, false, W("ОКРОШ"), W(" суп"));
  small.AddSlot(3, 1, 8, true, W("АКРОБАТЫ"), W(" циркачи"));
  EXPECT_EQ(PrintFrameCells(small.state.puzzle), 9);  // the down word ends on row 8
  PrintCommand(small.state, host);
  EXPECT_EQ(Page().At(30 + 9 * 60 - 1, 150 + 9 * 60 - 1), Rgb(0, 0, 0));
  EXPECT_EQ(Page().At(30 + 9 * 60, 150 + 9 * 60), 0u);
  EXPECT_EQ(FindText(Page(), 30, 150 + 9 * 60 + 46)->text, W("По горизонтали:"));
  EXPECT_EQ(FindText(Page(), 1181, 150 + 9 * 60 + 46 * 2)->text, W("  2  циркачи"));
}

// 53 across and 47 down clues under a frame of 21 cells on a page 3300 dots high at 300 dpi.
TEST_F(PrintedPage, CluesThatDoNotFitGoOnToAFurtherPageAndNoneIsLost) {
  for (int k = 0; k < 100; ++k) {
    const bool down = k >= 53;
    bench.AddSlot(down ? k % 21 : k % 19, down ? k % 19 : k % 21, 3, down, W("КОТ"),
                  W(" Слово ") + std::to_string(k + 1));
  }
  const PrintPlan single = PlanPrintPages(bench.state.puzzle, 300, 300, 0);
  ASSERT_EQ(single.pages.size(), 1u);
  host.page_height = 3300;
  PrintCommand(bench.state, host);
  ASSERT_EQ(host.pages.size(), 2u);

  const auto lines = ClueLines();
  ASSERT_EQ(lines.size(), 100u);
  for (int row = 0; row < 100; ++row) {
    const auto it = lines.find(PrintClueLine(bench.state.puzzle, row));
    ASSERT_NE(it, lines.end()) << row;
    ASSERT_EQ(it->second.size(), 1u) << row;  // printed once
    const Placed& at = it->second.front();
    EXPECT_EQ(at.x, row < 53 ? 30 : 1181) << row;
    EXPECT_LE(at.y + 46, 3300) << row;
    // The first page keeps the one-page layout; the second goes on from its top.
    const int line = row < 53 ? row : row - 53;
    if (line < 39) {
      EXPECT_EQ(at.page, 0) << row;
      EXPECT_EQ(at.y, 1410 + (line + 2) * 46) << row;
    } else {
      EXPECT_EQ(at.page, 1) << row;
      EXPECT_EQ(at.y, 60 + (line - 38) * 46) << row;
    }
  }
  // The continued lists stand under their headings again; the title and grid are on the first page only.
  EXPECT_EQ(FindText(Page(1), 30, 60)->text, W("По горизонтали:"));
  EXPECT_EQ(FindText(Page(1), 1181, 60)->text, W("По вертикали:"));
  EXPECT_EQ(Page(1).texts.size(), 2u + 14 + 8);
  EXPECT_EQ(Page(1).At(30, 150), 0u);
}

// A page no higher than the grid takes no list; a page with room for a single line still
// loses nothing, however many pages that takes.
TEST_F(PrintedPage, SmallPagesSpreadTheListsWithoutLosingALine) {
  AddThreeSlots();
  PrintPlan plan = PlanPrintPages(bench.state.puzzle, 300, 300, 1450);
  ASSERT_EQ(plan.pages.size(), 2u);
  EXPECT_FALSE(plan.pages[0].across.shown);
  EXPECT_FALSE(plan.pages[0].down.shown);
  EXPECT_EQ(plan.pages[1].across.heading_y, 60);
  EXPECT_EQ(plan.pages[1].across.end_row, 2);
  EXPECT_EQ(plan.pages[1].down.first_row, 2);

  plan = PlanPrintPages(bench.state.puzzle, 300, 300, 100);
  ASSERT_EQ(plan.pages.size(), 3u);
  EXPECT_EQ(plan.pages[1].across.first_row, 0);
  EXPECT_EQ(plan.pages[1].across.end_row, 1);
  EXPECT_EQ(plan.pages[2].across.first_row, 1);
  EXPECT_EQ(plan.pages[2].across.end_row, 2);
  EXPECT_EQ(plan.pages[1].down.end_row, 3);
  EXPECT_FALSE(plan.pages[2].down.shown);
}

// On an A4 page at 300 dpi (2244 x 3272 dots): a clue wider than its column goes on in lines
// indented under its text, a word wider than the column is broken, no line crosses into the other
// column or off the page, and no character is lost; a frame of 55 cells shrinks to the page's width.
TEST_F(PrintedPage, WideCluesWrapInTheirColumnAndALargeFrameShrinksToThePage) {
  PlayBench large{55};
  const std::string words = W(" слово ещё одно слово и снова слово, потом длинное-предлинное слово и ещё");
  const std::string giant(120, 'x');
  large.AddSlot(0, 0, 3, false, W("КОТ"), words + words);
  large.AddSlot(52, 54, 3, false, W("ДОМ"), " " + giant);
  large.AddSlot(0, 0, 3, true, W("КИД"), words + words + words);
  NullCanvas measure;
  PrintRequest request{300, 300, 2244, 3272, W("Кроссворд"), false};
  const PrintPlan plan = PlanPrintPages(large.state.puzzle, request, measure);
  const PrintMetrics& m = plan.metrics;
  EXPECT_EQ(m.cell_width, (2244 - 30) / 55);
  EXPECT_EQ(m.cell_height, m.cell_width);
  EXPECT_EQ(m.grid_right, 30 + 55 * m.cell_width);
  EXPECT_LT(m.number_font, ComputePrintMetrics(300, 300, 55).number_font);
  ASSERT_EQ(plan.pages.size(), 1u);
  const gx::PrintedPage& page = plan.pages[0];
  for (const PrintedList* list : {&page.across, &page.down}) {
    const bool across = list == &page.across;
    std::string joined;
    for (const PrintedText& line : list->lines) {
      EXPECT_GE(line.x, across ? 30 : 1181);
      EXPECT_LE(line.x + line.width, across ? 1181 - 30 : 2244);
      EXPECT_EQ(line.width, measure.MeasureText(line.text).width);
      if (line.x > (across ? 30 : 1181)) {
        EXPECT_EQ(line.x, (across ? 30 : 1181) + measure.MeasureText("  1  ").width);  // under the clue's text
      }
      joined += line.text;
    }
    const int first = across ? 0 : 2;
    const int end = across ? 2 : 3;
    std::string expected;
    for (int row = first; row < end; ++row) expected += PrintClueLine(large.state.puzzle, row);
    std::erase(expected, ' ');
    std::erase(joined, ' ');
    EXPECT_EQ(joined, expected) << across;
    EXPECT_GT(list->lines.size(), static_cast<std::size_t>(end - first)) << across;
    for (std::size_t i = 0; i < list->lines.size(); ++i) EXPECT_EQ(list->lines[i].y, m.grid_bottom + 46 * int(i + 2));
  }

  // A frame that fits keeps the cells of 0.2 inch.
  AddThreeSlots();
  const PrintPlan usual = PlanPrintPages(bench.state.puzzle, request, measure);
  EXPECT_EQ(usual.metrics.cell_width, 60);
  EXPECT_EQ(usual.metrics.number_font, 33);
  EXPECT_EQ(usual.pages[0].across.lines.at(0).text, W("  1  зверь"));
}

TEST(OutputButtons, PrintPaletteAndExportButtonsReachTheirCommands) {
  OutputHost host;
  MemoryCanvas canvas(336, 336);
  SeededRandom random{1};
  CommandCore commands("/prog", host, canvas, random);

  commands.ButtonClick(Button::Palette);
  EXPECT_EQ(commands.State().window.ShowRequestsOf(SecondaryWindow::Palette), 1);
  commands.ButtonClick(Button::Print);
  commands.ButtonClick(Button::HtmlExport);
  EXPECT_EQ(host.informations, std::vector<std::string>(2, W("Кроссворд не готов")));
  EXPECT_EQ(host.print_dialogs, 0);
  EXPECT_EQ(host.pictures_made, 0);
}

}  // namespace
}  // namespace gx::test
