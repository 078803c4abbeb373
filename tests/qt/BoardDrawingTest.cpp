#include "board/BoardDrawing.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>

#include "board/BoardColors.h"
#include "core/ClueList.h"
#include "qtdraw/QtCanvas.h"

namespace gx {
namespace {

class BoardPixels : public ::testing::Test {
 protected:
  BoardPixels() : image(336, 336, QImage::Format_RGB32), canvas(&image), board(puzzle, palette, window, canvas) {
    image.fill(Qt::black);
    palette.BoardColor = Rgb(0, 100, 0);
    palette.WordCellColor = Rgb(250, 250, 200);
    palette.FoundWordColor = Rgb(100, 200, 250);
    palette.TryingWordColor = Rgb(250, 150, 0);
    palette.WrongWordColor = Rgb(250, 100, 100);
    board.SetPaintSize(336, 336);
  }

  // Adds a slot with its number and answer; the board cells get the answer's letters.
  int AddSlot(int x, int y, int length, bool down, int number, std::string_view answer = {}) {
    const int k = ++puzzle.SlotCount;
    puzzle.SlotX[k] = static_cast<std::uint8_t>(x);
    puzzle.SlotY[k] = static_cast<std::uint8_t>(y);
    puzzle.SlotLength[k] = static_cast<std::uint8_t>(length);
    puzzle.SlotVertical[k] = down ? 1 : 0;
    puzzle.SlotAnswer[k] = answer;
    puzzle.Clues.SetCell(0, k - 1, FormatClueNumber(number));
    for (int t = 0; t < length; ++t) {
      puzzle.SetMask(puzzle.SlotCellX(k, t), puzzle.SlotCellY(k, t), GridCell);
      if (static_cast<std::size_t>(t) < answer.size())
        puzzle.SetLetter(puzzle.SlotCellX(k, t), puzzle.SlotCellY(k, t), answer[t]);
    }
    return k;
  }

  Color At(int x, int y) const { return FromQColor(image.pixelColor(x, y)); }
  // A pixel inside the cell square, clear of the text drawn at the cell.
  Color CellInside(int x, int y) const { return At(x * 16 + 15, y * 16 + 15); }

  QImage image;
  Puzzle puzzle;
  Palette palette;
  WindowState window;
  QtCanvas canvas;
  BoardDrawing board;
};

TEST_F(BoardPixels, EmptyBoardIsBackgroundWithGreyLinesAndLeavesWhiteBrushGreyPen) {
  board.DrawEmptyBoard();
  EXPECT_EQ(puzzle.BoardRows, 21);
  EXPECT_EQ(puzzle.BoardCols, 21);
  EXPECT_EQ(At(0, 0), GridGrey);
  EXPECT_EQ(At(16, 5), GridGrey);
  EXPECT_EQ(At(5, 320), GridGrey);
  EXPECT_EQ(At(335, 335), palette.BoardColor);
  EXPECT_EQ(At(8, 8), palette.BoardColor);
  EXPECT_EQ(canvas.BrushColor(), White);
  EXPECT_EQ(canvas.PenColor(), GridGrey);
}

TEST_F(BoardPixels, BoardCountsComeFromThePaintSizeRoundedHalfToEven) {
  board.SetPaintSize(344, 344);  // 21.5 cells
  board.DrawEmptyBoard();
  EXPECT_EQ(puzzle.BoardRows, 22);
  board.SetPaintSize(312, 328);  // 19.5 and 20.5
  board.DrawEmptyBoard();
  EXPECT_EQ(puzzle.BoardCols, 20);
  EXPECT_EQ(puzzle.BoardRows, 20);
}

TEST_F(BoardPixels, SlotCellsAreSeventeenPixelSquaresSharingOutlines) {
  board.DrawEmptyBoard();
  const int k = AddSlot(2, 3, 3, false, 1);
  board.DrawSlotCells(static_cast<std::uint8_t>(k), palette.TryingWordColor);
  for (int x : {32, 48, 64, 80}) EXPECT_EQ(At(x, 56), GridGrey) << x;
  for (int x : {33, 47, 49, 63, 65, 79}) EXPECT_EQ(At(x, 56), palette.TryingWordColor) << x;
  EXPECT_EQ(At(40, 48), GridGrey);
  EXPECT_EQ(At(40, 64), GridGrey);
  EXPECT_EQ(At(81, 56), palette.BoardColor);
  EXPECT_EQ(canvas.BrushColor(), palette.WordCellColor);

  const int down = AddSlot(10, 1, 4, true, 2);
  board.DrawSlotCells(static_cast<std::uint8_t>(down), palette.TryingWordColor);
  EXPECT_EQ(At(168, 16 * 4 + 15), palette.TryingWordColor);
  EXPECT_EQ(At(168, 16 * 5), GridGrey);
  EXPECT_EQ(At(168, 16 * 5 + 1), palette.BoardColor);
}

TEST_F(BoardPixels, LongWordsAreHighlightedOverTheirWholeLengthByXor) {
  const int across = AddSlot(0, 2, 20, false, 1);
  const int down = AddSlot(20, 0, 17, true, 2);
  puzzle.PlayActive = 1;
  puzzle.Clues.SetCurrentRow(across - 1);
  board.RedrawBoard();

  const Color inside = palette.WordCellColor ^ Purple;
  const Color outline = GridGrey ^ Purple;
  for (int x = 0; x < 20; ++x) EXPECT_EQ(CellInside(x, 2), inside) << x;
  EXPECT_EQ(At(0, 32), outline);
  EXPECT_EQ(At(320, 48), outline);  // the last pixel of the outline is XOR-ed once too
  EXPECT_EQ(At(320, 40), outline);                 // shared with the down word's outline
  EXPECT_EQ(At(322, 40), palette.WordCellColor);  // inside the down word, untouched
  EXPECT_EQ(CellInside(20, 5), palette.WordCellColor);
  EXPECT_EQ(puzzle.CurrentWordX, 0);
  EXPECT_EQ(puzzle.CurrentWordY, 2);
  EXPECT_EQ(canvas.GetPenMode(), PenMode::Copy);
  EXPECT_EQ(canvas.PenColor(), Purple);

  puzzle.Clues.SetCurrentRow(down - 1);
  board.RedrawBoard();
  for (int y = 0; y < 17; ++y) EXPECT_EQ(CellInside(20, y), inside) << y;
  EXPECT_EQ(At(336 - 16, 16 * 17), outline);
  EXPECT_EQ(At(328, 16 * 17 + 1), palette.BoardColor);
  EXPECT_EQ(CellInside(3, 2), palette.WordCellColor);
  EXPECT_EQ(puzzle.CurrentWordX, 20);
}

TEST_F(BoardPixels, NoHighlightWhileFillingAnswersShownOrEditing) {
  AddSlot(1, 1, 5, false, 1, "\xCA\xCE\xD8\xCA\xC0");
  puzzle.PlayActive = 0;
  board.RedrawBoard();
  EXPECT_EQ(CellInside(2, 1), palette.WordCellColor);
  puzzle.PlayActive = 1;
  puzzle.AnswersShown = true;
  board.RedrawBoard();
  EXPECT_EQ(CellInside(2, 1), palette.WordCellColor);
  puzzle.AnswersShown = false;
  puzzle.FillRunning = true;
  board.DrawHighlight();
  EXPECT_EQ(CellInside(2, 1), palette.WordCellColor);
}

// Renders the text a cell number should show at the same place, to compare glyphs pixel by pixel.
QImage ExpectedCell(const Palette& palette, std::string_view text) {
  QImage expected(336, 336, QImage::Format_RGB32);
  QtCanvas canvas(&expected);
  canvas.SetPenColor(GridGrey);
  canvas.SetBrushColor(palette.WordCellColor);
  canvas.Rectangle(16, 16, 33, 33);
  canvas.SetFontColor(Navy);
  canvas.TextOut(19, 17, text);
  return expected.copy(16, 16, 17, 17);
}

// Numbers below 100 show the last two of their three characters; 105 is not cut to "05" or "10"
// (it is written whole: ScaledBoard.AThreeDigitNumberIsWrittenWholeInsideItsCell).
TEST_F(BoardPixels, CellNumbersShowTwoCharactersBelowOneHundredAndAreNotCutAbove) {
  AddSlot(1, 1, 3, false, 105);
  board.DrawWordsAndNumbers();
  EXPECT_NE(image.copy(16, 16, 17, 17), ExpectedCell(palette, "05"));
  EXPECT_NE(image.copy(16, 16, 17, 17), ExpectedCell(palette, "10"));

  puzzle.Clues.SetCell(0, 0, FormatClueNumber(7));
  board.DrawWordsAndNumbers();
  EXPECT_EQ(image.copy(16, 16, 17, 17), ExpectedCell(palette, " 7"));
  EXPECT_EQ(puzzle.Clues.RowCount(), 1);
}

TEST_F(BoardPixels, WithoutSlotsRedrawPaintsOnlyTheEmptyBoardAndKeepsTheRowCount) {
  puzzle.PlayActive = 1;
  board.RedrawBoard();
  EXPECT_EQ(puzzle.Clues.RowCount(), ClueList::MaxRows);
  QImage empty(336, 336, QImage::Format_RGB32);
  QtCanvas canvas2(&empty);
  BoardDrawing other(puzzle, palette, window, canvas2);
  other.DrawEmptyBoard();
  // XOR of a zero-length slot 1 still touches one column; everything else is the empty board.
  EXPECT_EQ(image.copy(16, 16, 300, 300), empty.copy(16, 16, 300, 300));
}

TEST_F(BoardPixels, EntriesAreColouredByTypedLengthOnly) {
  const int part = AddSlot(0, 0, 5, false, 1, "\xCA\xCE\xD8\xCA\xC0");
  const int full = AddSlot(0, 2, 3, false, 2, "\xCA\xCE\xD2");
  AddSlot(0, 4, 3, false, 3, "\xD1\xCE\xCD");
  puzzle.SlotEntry[part] = "\xCA\xCE";
  puzzle.SlotEntry[full] = "\xC0\xC0\xC0";  // complete but wrong
  puzzle.PlayActive = 2;  // entries without highlight
  board.RedrawBoard();
  EXPECT_EQ(CellInside(0, 0), palette.WrongWordColor);
  EXPECT_EQ(CellInside(1, 0), palette.WrongWordColor);
  EXPECT_EQ(CellInside(2, 0), palette.WordCellColor);
  EXPECT_EQ(CellInside(4, 0), palette.WordCellColor);
  for (int x = 0; x < 3; ++x) EXPECT_EQ(CellInside(x, 2), palette.FoundWordColor);
  EXPECT_EQ(CellInside(0, 4), palette.WordCellColor);
  EXPECT_EQ(canvas.BrushColor(), palette.WordCellColor);  // the last word had nothing typed
}

TEST_F(BoardPixels, TypedLetterCoversTheNumberUntilItIsDeleted) {
  const int k = AddSlot(1, 1, 3, false, 7, "\xCA\xCE\xD2");
  puzzle.PlayActive = 2;
  puzzle.SlotEntry[k] = "\xCA";
  board.RedrawBoard();
  const QImage typed = image.copy(16, 16, 17, 17);
  EXPECT_NE(typed, ExpectedCell(palette, " 7"));
  puzzle.SlotEntry[k].Clear();
  board.RedrawBoard();
  EXPECT_EQ(image.copy(16, 16, 17, 17), ExpectedCell(palette, " 7"));
}

int CountColor(const QImage& image, QRect area, Color color) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += FromQColor(image.pixelColor(x, y)) == color;
  return count;
}

TEST_F(BoardPixels, AnswersAreMaroonOverTheWordColourAndLeaveNavyBehind) {
  const int k = AddSlot(1, 1, 3, false, 1, "\xCA\xCE\xD2");
  puzzle.SlotEntry[k] = "\xCA";
  puzzle.AnswersShown = true;
  board.RedrawBoard();
  EXPECT_EQ(CellInside(3, 1), palette.WrongWordColor);
  EXPECT_GT(CountColor(image, QRect(48, 16, 16, 16), Maroon), 5);
  EXPECT_EQ(CountColor(image, QRect(48, 16, 16, 16), Navy), 0);
  EXPECT_EQ(canvas.FontColor(), Navy);
}

TEST_F(BoardPixels, FillProgressShowsFilledSlotsWithoutNumbers) {
  AddSlot(1, 1, 3, false, 1, "\xCA\xCE\xD2");
  AddSlot(1, 3, 3, false, 2);
  puzzle.FillRunning = true;
  board.Repaint();
  EXPECT_EQ(CountColor(image, QRect(17, 17, 15, 15), palette.FoundWordColor), 15 * 15);
  EXPECT_EQ(CountColor(image, QRect(17, 49, 15, 15), palette.WordCellColor), 15 * 15);
}

// Fills the outer ring of the 21 x 21 board with letters.
void FillRing(Puzzle& puzzle) {
  for (int i = 0; i < 21; ++i) {
    puzzle.SetLetter(i, 0, 'A');
    puzzle.SetLetter(i, 20, 'A');
    puzzle.SetLetter(0, i, 'A');
    puzzle.SetLetter(20, i, 'A');
  }
}

TEST_F(BoardPixels, SurroundWithAFullOuterRingPaintsNothing) {
  board.DrawEmptyBoard();
  FillRing(puzzle);
  const QImage before = image.copy();
  board.DrawSurround(Rgb(1, 2, 3));
  EXPECT_EQ(image, before);
}

TEST_F(BoardPixels, SurroundPaintsTheOutsideButNotEnclosedCellsAndLeavesNoMark) {
  board.DrawEmptyBoard();
  // A ring of letters around the free cell (10, 10).
  for (auto [x, y] : {std::pair{10, 9}, {9, 10}, {11, 10}, {10, 11}}) puzzle.SetLetter(x, y, 'A');
  const Color border = Rgb(1, 2, 3);
  board.DrawSurround(border);
  EXPECT_EQ(At(0, 0), border);
  EXPECT_EQ(At(15, 15), border);
  EXPECT_EQ(At(16 * 10 + 8, 16 * 10 + 8), palette.BoardColor);  // enclosed
  EXPECT_EQ(At(16 * 9 + 8, 16 * 9 + 8), border);                // free, reached from outside
  EXPECT_EQ(At(16 * 10 + 8, 16 * 9 + 8), palette.BoardColor);   // a letter cell
  EXPECT_EQ(At(16 * 20 + 15, 16 * 20 + 15), border);
  // Squares of 16 pixels: the line between a letter cell and a painted one keeps its grey.
  EXPECT_EQ(At(16 * 10, 16 * 9 + 8), GridGrey);
  EXPECT_EQ(std::count(puzzle.CellLetter.begin(), puzzle.CellLetter.end(), ','), 0);
  EXPECT_EQ(puzzle.Letter(10, 10), '.');
}

TEST_F(BoardPixels, SurroundReachesAWindingCorridor) {
  board.DrawEmptyBoard();
  FillRing(puzzle);
  puzzle.SetLetter(0, 5, '.');  // a door in the ring on the left
  const Color border = Rgb(1, 2, 3);
  board.DrawSurround(border);
  EXPECT_EQ(CellInside(0, 5), border);
  EXPECT_EQ(CellInside(10, 10), border);  // the whole inside is connected through the door
  EXPECT_EQ(CellInside(0, 4), palette.BoardColor);
}

TEST(ClueRows, DownRowsAreSilverAcrossRowsWhite) {
  Puzzle puzzle;
  puzzle.SlotCount = 2;
  puzzle.SlotVertical[1] = 0;
  puzzle.SlotVertical[2] = 1;
  EXPECT_EQ(ClueRowColor(puzzle, 0), White);
  EXPECT_EQ(ClueRowColor(puzzle, 1), Silver);
  EXPECT_EQ(ClueRowColor(puzzle, 300), White);
}

}  // namespace
}  // namespace gx
