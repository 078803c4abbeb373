#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>

#include "qt/AdvertWindow.h"
#include "qt/CentredPicture.h"

namespace {

// A picture with a flat border colour and a flat middle square of another colour.
QImage Framed(int side, QRgb border, QRgb middle) {
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(border);
  const int quarter = side / 4;
  for (int y = quarter; y < side - quarter; ++y)
    for (int x = quarter; x < side - quarter; ++x) image.setPixel(x, y, middle);
  return image;
}

void ExpectNear(QRgb actual, QRgb expected) {
  EXPECT_NEAR(qRed(actual), qRed(expected), 16);
  EXPECT_NEAR(qGreen(actual), qGreen(expected), 16);
  EXPECT_NEAR(qBlue(actual), qBlue(expected), 16);
}

class AdvertWindowTest : public ::testing::Test {
 protected:
  QString SaveJpeg(const QString& name, const QImage& image) {
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(image.save(path, "JPG", 95));
    return path;
  }
  QTemporaryDir dir_;
  gx::AdvertWindow window_;
};

TEST_F(AdvertWindowTest, StartsHiddenWithItsFixedGeometryAndStaysOnTop) {
  EXPECT_FALSE(window_.isVisible());
  EXPECT_EQ(window_.size(), QSize(296, 314));
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize());
  EXPECT_EQ(window_.pos(), QPoint(403, 18));
  EXPECT_TRUE(window_.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(window_.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(window_.windowTitle(), QString::fromUtf8("Реклама"));
  EXPECT_EQ(window_.Image1()->geometry(), QRect(8, 8, 273, 273));
}

TEST_F(AdvertWindowTest, ShowsALoadedPictureUnstretched) {
  window_.SetCaption(QString());
  QString error;
  ASSERT_TRUE(window_.ShowPicture(SaveJpeg("pic1.jpg", Framed(100, qRgb(0, 0, 200), qRgb(200, 0, 0))), &error))
      << error.toStdString();
  EXPECT_TRUE(window_.isVisible());
  EXPECT_TRUE(window_.windowTitle().isEmpty());
  EXPECT_EQ(window_.Image1()->pixmap().size(), QSize(100, 100));
  window_.hide();
  EXPECT_FALSE(window_.isVisible());
}

TEST_F(AdvertWindowTest, LargerPictureShowsItsMiddle) {
  QString error;
  ASSERT_TRUE(window_.ShowPicture(SaveJpeg("big.jpg", Framed(600, qRgb(0, 180, 0), qRgb(200, 200, 0))), &error));
  const QImage shown = window_.Image1()->grab().toImage();
  // The middle square covers 150..449 of the source, which is all of the 273 visible pixels.
  ExpectNear(shown.pixel(0, 0), qRgb(200, 200, 0));
  ExpectNear(shown.pixel(136, 136), qRgb(200, 200, 0));
  ExpectNear(shown.pixel(272, 272), qRgb(200, 200, 0));
}

TEST_F(AdvertWindowTest, PictureThatCannotLoadLeavesWindowAndOldPictureAsTheyWere) {
  QString error;
  EXPECT_FALSE(window_.ShowPicture(dir_.filePath("gone.jpg"), &error));
  EXPECT_EQ(error, "gone.jpg: File not found");
  EXPECT_FALSE(window_.isVisible());
  EXPECT_FALSE(window_.Image1()->HasPicture());

  ASSERT_TRUE(window_.ShowPicture(SaveJpeg("a.jpg", Framed(40, qRgb(0, 0, 0), qRgb(255, 255, 255))), &error));
  const QString broken = dir_.filePath("broken.jpg");
  QFile file(broken);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("\xFF\xD8\xFF\xE0 truncated");
  file.close();
  error.clear();
  EXPECT_FALSE(window_.ShowPicture(broken, &error));
  EXPECT_TRUE(error.startsWith("broken.jpg: "));
  EXPECT_TRUE(window_.isVisible());
  EXPECT_EQ(window_.Image1()->pixmap().size(), QSize(40, 40));
}

}  // namespace
