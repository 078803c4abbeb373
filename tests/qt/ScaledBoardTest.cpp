// The board on a scaled desktop: drawn at device resolution, with every drawing rule mapped through the
// scale, so that a logical pixel is a block of device pixels while text keeps the screen's detail.
#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "board/BoardColors.h"
#include "board/BoardDrawing.h"
#include "core/ClueList.h"
#include "qt/BoardView.h"
#include "qt/ButtonIcons.h"
#include "qt/MainWindow.h"
#include "qtdraw/QtCanvas.h"

namespace gx {
namespace {

struct DrawnBoard {
  explicit DrawnBoard(qreal ratio, std::string number = FormatClueNumber(38)) : image(qRound(336 * ratio), qRound(336 * ratio), QImage::Format_RGB32),
                                     canvas(&image), board(puzzle, palette, window, canvas) {
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    board.SetPaintSize(336, 336);
    const int k = ++puzzle.SlotCount;
    puzzle.SlotX[k] = 1;
    puzzle.SlotY[k] = 1;
    puzzle.SlotLength[k] = 5;
    puzzle.Clues.SetCell(0, 0, number);
    for (int t = 0; t < 5; ++t) puzzle.SetMask(1 + t, 1, GridCell);
    puzzle.PlayActive = 1;
    board.RedrawBoard();
  }
  QImage image;
  Puzzle puzzle;
  Palette palette;
  WindowState window;
  QtCanvas canvas;
  BoardDrawing board;
};

// Whether every 2 x 2 block of the device pixels inside the rectangle is one colour, as when a
// 1-scale picture is blown up.
bool PixelDoubled(const QImage& image, int left, int top, int width, int height) {
  for (int y = top; y < top + height; y += 2)
    for (int x = left; x < left + width; x += 2) {
      const QRgb p = image.pixel(x, y);
      if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p) return false;
    }
  return true;
}

TEST(ScaledBoard, AtRatioTwoCellsAreBlocksTextIsFineAndTheHighlightTogglesBack) {
  DrawnBoard one(1.0);
  DrawnBoard two(2.0);
  ASSERT_EQ(two.image.size(), QSize(672, 672));
  // Outlines, cell colours and the XOR highlight land on the same logical pixels as at scale 1.
  for (int y = 0; y < 336; y += 3)
    for (int x = 0; x < 336; x += 3) {
      const bool in_number = x >= 16 && x < 16 + 16 && y >= 16 && y < 16 + 12;  // the text differs by design
      if (in_number) continue;
      ASSERT_EQ(two.image.pixel(2 * x, 2 * y), one.image.pixel(x, y)) << x << "," << y;
      ASSERT_EQ(two.image.pixel(2 * x + 1, 2 * y + 1), one.image.pixel(x, y)) << x << "," << y;
    }
  EXPECT_EQ(FromQColor(two.image.pixelColor(2 * 40, 2 * 24)), two.palette.WordCellColor ^ Purple);
  // The number "38" is drawn at the device resolution: its glyphs have detail a doubled image lacks.
  EXPECT_FALSE(PixelDoubled(two.image, 2 * 17, 2 * 17, 2 * 15, 2 * 12));
  EXPECT_TRUE(PixelDoubled(two.image, 2 * 40, 2 * 17, 2 * 8, 2 * 12));  // a plain cell stays whole blocks

  const QImage highlighted = two.image.copy();
  two.board.DrawHighlight();  // XOR-ed off
  EXPECT_NE(two.image, highlighted);
  EXPECT_EQ(FromQColor(two.image.pixelColor(2 * 40, 2 * 24)), two.palette.WordCellColor);
  two.board.DrawHighlight();  // and on again: exactly the image before
  EXPECT_EQ(two.image, highlighted);
}

// Runs of device columns inside the rectangle that hold a pixel of `ink`: one per glyph of a number.
int InkRuns(const QImage& image, QRect rect, Color ink) {
  int runs = 0;
  bool in_run = false;
  for (int x = rect.left(); x <= rect.right(); ++x) {
    bool inked = false;
    for (int y = rect.top(); y <= rect.bottom() && !inked; ++y) inked = FromQColor(image.pixelColor(x, y)) == ink;
    if (inked && !in_run) ++runs;
    in_run = inked;
  }
  return runs;
}

// Slot 102 is written whole, its three digits inside the cell's outline, at both scales: the board
// drawn with it differs from the board drawn without a number only inside the cell.
TEST(ScaledBoard, AThreeDigitNumberIsWrittenWholeInsideItsCell) {
  for (const qreal ratio : {1.0, 2.0}) {
    const DrawnBoard whole(ratio, FormatClueNumber(102));
    const DrawnBoard none(ratio, "");
    const int r = static_cast<int>(ratio);
    const QRect inside(r * 17, r * 17, r * 15, r * 15);  // cell (1, 1) within its outline
    for (int y = 0; y < whole.image.height(); ++y)
      for (int x = 0; x < whole.image.width(); ++x) {
        if (inside.contains(x, y)) continue;
        ASSERT_EQ(whole.image.pixel(x, y), none.image.pixel(x, y)) << ratio << ": " << x << "," << y;
      }
    // The word is highlighted (XOR purple), so the navy digits show as navy XOR purple.
    EXPECT_EQ(InkRuns(whole.image, inside, Navy ^ Purple), 3) << ratio;
    // Two-digit numbers keep their drawing: 38 is written at its usual place and size.
    const DrawnBoard usual(ratio);
    EXPECT_EQ(InkRuns(usual.image, inside, Navy ^ Purple), 2) << ratio;
  }
}

TEST(ScaledBoard, ButtonPicturesExistAtTheUsualDeviceRatios) {
  const QIcon icon = MakeButtonIcon(ButtonIcon::Help);
  for (const qreal ratio : {1.0, 2.0}) {
    const QPixmap pixmap = icon.pixmap(QSize(20, 20), ratio);
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(20, 20)) << ratio;
    EXPECT_EQ(pixmap.size(), QSize(20, 20) * ratio) << ratio;
  }
}

// Runs in its own process with the desktop scaled to 2 (see tests/CMakeLists.txt): the main window's
// board image has twice the window's pixels in each direction.
TEST(ScaledWindow, TheBoardImageFollowsTheScreensRatio) {
  if (qApp->devicePixelRatio() != 2.0) GTEST_SKIP() << "runs with QT_SCALE_FACTOR=2";
  namespace fs = std::filesystem;
  QTemporaryDir dir;
  const fs::path old = fs::current_path();
  fs::current_path(dir.path().toStdString());
  fs::create_directories("data");
  fs::create_directories("rek");
  std::ofstream("rek/rek.dat").close();
  {
    NullHost quiet;  // no boxes to answer
    auto form = std::make_unique<TForm1>(&quiet, [] { return std::optional<PrinterResolution>{}; });
    form->show();
    QApplication::processEvents();
    const QImage& image = form->Paint()->Image();
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(image.size(), form->Paint()->size() * 2);
    EXPECT_EQ(form->Paint()->size(), QSize(336, 336));
  }
  fs::current_path(old);
}

}  // namespace
}  // namespace gx
