#include "qtdraw/QtCanvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "core/Settings.h"

namespace gx {
namespace {

constexpr Color Red = Rgb(255, 0, 0);
constexpr Color Blue = Rgb(0, 0, 255);
constexpr Color Black = Rgb(0, 0, 0);

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() : image(40, 40, QImage::Format_RGB32), canvas(&image) { image.fill(Qt::black); }
  Color At(int x, int y) const { return FromQColor(image.pixelColor(x, y)); }
  QImage image;
  QtCanvas canvas;
};

TEST_F(CanvasTest, RectangleOutlinesTheHalfOpenBoxAndFillsInside) {
  canvas.SetPenColor(Red);
  canvas.SetBrushColor(Blue);
  canvas.Rectangle(2, 3, 7, 9);  // outline on 2..6 x 3..8
  EXPECT_EQ(At(2, 3), Red);
  EXPECT_EQ(At(6, 8), Red);
  EXPECT_EQ(At(6, 3), Red);
  EXPECT_EQ(At(2, 8), Red);
  EXPECT_EQ(At(3, 4), Blue);
  EXPECT_EQ(At(5, 7), Blue);
  EXPECT_EQ(At(7, 5), Black);
  EXPECT_EQ(At(4, 9), Black);
  EXPECT_EQ(At(1, 3), Black);
}

TEST_F(CanvasTest, LinesLeaveOutTheirEndPointInEitherDirection) {
  canvas.SetPenColor(Red);
  canvas.Line(1, 1, 5, 1);
  EXPECT_EQ(At(1, 1), Red);
  EXPECT_EQ(At(4, 1), Red);
  EXPECT_EQ(At(5, 1), Black);
  canvas.Line(10, 5, 10, 2);
  EXPECT_EQ(At(10, 5), Red);
  EXPECT_EQ(At(10, 3), Red);
  EXPECT_EQ(At(10, 2), Black);
  canvas.Line(20, 20, 23, 23);
  EXPECT_EQ(At(20, 20), Red);
  EXPECT_EQ(At(22, 22), Red);
  EXPECT_EQ(At(23, 23), Black);
}

TEST_F(CanvasTest, XorPenTogglesPixelsAndTwoPassesRestoreThem) {
  canvas.SetBrushColor(Rgb(10, 20, 30));
  canvas.FillRect(0, 0, 40, 40);
  canvas.SetPenMode(PenMode::Xor);
  canvas.SetPenColor(Rgb(128, 0, 128));
  canvas.Line(0, 4, 10, 4);
  EXPECT_EQ(At(3, 4), Rgb(10 ^ 128, 20, 30 ^ 128));
  canvas.Line(0, 4, 10, 4);
  EXPECT_EQ(At(3, 4), Rgb(10, 20, 30));
  EXPECT_EQ(canvas.GetPenMode(), PenMode::Xor);
}

TEST_F(CanvasTest, TextHasAnOpaqueBackgroundInTheBrushAndLettersInTheFontColour) {
  canvas.SetFont("Arial", 11);
  canvas.SetBrushColor(Blue);
  canvas.SetFontColor(Red);
  canvas.TextOut(3, 1, "\xC6");  // a Cyrillic capital in Windows-1251
  EXPECT_EQ(At(3, 1), Blue);
  int red = 0;
  for (int y = 1; y < 15; ++y)
    for (int x = 3; x < 16; ++x) red += At(x, y) == Red;
  EXPECT_GT(red, 5);
  EXPECT_EQ(At(2, 1), Black);
  EXPECT_EQ(At(3, 0), Black);
}

TEST(CanvasOverAnOpenPainter, DrawsThroughItAndLeavesItOpenAndUnchanged) {
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  QtCanvas canvas(&painter);
  canvas.SetPenColor(Red);
  canvas.SetBrushColor(Blue);
  canvas.Rectangle(0, 0, 5, 5);
  canvas.SetPenMode(PenMode::Xor);
  canvas.Line(0, 10, 4, 10);
  EXPECT_TRUE(painter.isActive());
  EXPECT_EQ(painter.compositionMode(), QPainter::CompositionMode_SourceOver);
  canvas.TextOut(10, 10, "A");
  painter.end();
  EXPECT_EQ(FromQColor(image.pixelColor(0, 0)), Red);
  EXPECT_EQ(FromQColor(image.pixelColor(2, 2)), Blue);
  EXPECT_EQ(FromQColor(image.pixelColor(1, 10)), Red);  // black XOR red
}

TEST(CanvasWithoutDevice, DrawsNothingAndKeepsItsState) {
  QtCanvas canvas;
  canvas.SetPenColor(Red);
  canvas.Rectangle(0, 0, 5, 5);
  canvas.TextOut(0, 0, "A");
  EXPECT_EQ(canvas.PenColor(), Red);
}

}  // namespace
}  // namespace gx
