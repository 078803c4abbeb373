#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "qt/JpegLoader.h"

namespace {

// A picture of four flat quarters: flat areas survive JPEG compression nearly unchanged.
QImage Quarters(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  const QRgb colours[4] = {qRgb(220, 20, 20), qRgb(20, 200, 40), qRgb(30, 40, 210), qRgb(250, 250, 250)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, colours[(y >= height / 2) * 2 + (x >= width / 2)]);
  return image;
}

QByteArray JpegBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "JPG", 95));
  return bytes;
}

// A CMYK file written by libjpeg itself. With the Adobe marker the inks are stored inverted, as
// imaging software writes them; without it they are stored as they are.
QByteArray CmykJpeg(int width, int height, const unsigned char ink[4], bool adobe) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = 4;
  cinfo.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_colorspace(&cinfo, JCS_CMYK);
  cinfo.write_Adobe_marker = adobe ? TRUE : FALSE;
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  QByteArray row;
  for (int x = 0; x < width; ++x)
    for (int i = 0; i < 4; ++i) row.append(char(adobe ? 255 - ink[i] : ink[i]));
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW line = reinterpret_cast<JSAMPROW>(row.data());
    jpeg_write_scanlines(&cinfo, &line, 1);
  }
  jpeg_finish_compress(&cinfo);
  QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<int>(size));
  jpeg_destroy_compress(&cinfo);
  free(buffer);
  return bytes;
}

void ExpectNear(QRgb actual, QRgb expected) {
  EXPECT_NEAR(qRed(actual), qRed(expected), 12);
  EXPECT_NEAR(qGreen(actual), qGreen(expected), 12);
  EXPECT_NEAR(qBlue(actual), qBlue(expected), 12);
}

class JpegLoaderTest : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  QTemporaryDir dir_;
};

TEST_F(JpegLoaderTest, DecodesSizeAndColoursOfAFileWrittenByAnotherEncoder) {
  const QImage original = Quarters(64, 48);
  const gx::JpegResult result = gx::LoadJpegFile(Write("s1.jpg", JpegBytes(original)));
  ASSERT_TRUE(result.Ok()) << result.error.toStdString();
  ASSERT_EQ(result.image.size(), QSize(64, 48));
  ExpectNear(result.image.pixel(10, 10), original.pixel(10, 10));
  ExpectNear(result.image.pixel(50, 10), original.pixel(50, 10));
  ExpectNear(result.image.pixel(10, 40), original.pixel(10, 40));
  ExpectNear(result.image.pixel(50, 40), original.pixel(50, 40));
}

TEST_F(JpegLoaderTest, GreyPicturesComeOutGreyAndOddSizesAreKept) {
  QImage grey(37, 23, QImage::Format_Grayscale8);
  grey.fill(90);
  const gx::JpegResult result = gx::DecodeJpeg(JpegBytes(grey), "grey.jpg");
  ASSERT_TRUE(result.Ok()) << result.error.toStdString();
  ASSERT_EQ(result.image.size(), QSize(37, 23));
  ExpectNear(result.image.pixel(18, 11), qRgb(90, 90, 90));
}

TEST_F(JpegLoaderTest, CmykInksBecomeScreenColoursWithOrWithoutTheAdobeMarker) {
  const unsigned char red_ink[4] = {0, 255, 255, 0};
  const unsigned char grey_ink[4] = {0, 0, 0, 128};
  for (bool adobe : {true, false}) {
    const gx::JpegResult red = gx::DecodeJpeg(CmykJpeg(24, 16, red_ink, adobe), "cmyk.jpg");
    ASSERT_TRUE(red.Ok()) << red.error.toStdString();
    ASSERT_EQ(red.image.size(), QSize(24, 16));
    ExpectNear(red.image.pixel(12, 8), qRgb(255, 0, 0));
    const gx::JpegResult grey = gx::DecodeJpeg(CmykJpeg(8, 8, grey_ink, adobe), "cmyk.jpg");
    ASSERT_TRUE(grey.Ok());
    ExpectNear(grey.image.pixel(4, 4), qRgb(127, 127, 127));
  }
}

TEST_F(JpegLoaderTest, DeliveredRewardAndAdvertisementPicturesAllDecode) {
  const QDir dist(QStringLiteral(GRIDLEX_DIST_DIR));
  for (int n = 1; n <= 17; ++n) {
    const gx::JpegResult result = gx::LoadJpegFile(dist.filePath(QStringLiteral("pic/s%1.jpg").arg(n)));
    EXPECT_TRUE(result.Ok()) << result.error.toStdString();
  }
  const QStringList adverts = QDir(dist.filePath("rek")).entryList({"*.jpg"}, QDir::Files);
  for (const QString& name : adverts) {
    const gx::JpegResult result = gx::LoadJpegFile(dist.filePath("rek/" + name));
    EXPECT_TRUE(result.Ok()) << result.error.toStdString();
    EXPECT_LE(result.image.width(), 273);  // the window shows at most 273 x 273
    EXPECT_LE(result.image.height(), 273);
  }
}

TEST_F(JpegLoaderTest, DamagedFilesGiveAMessageNamingTheFileAndNoPicture) {
  const QByteArray good = JpegBytes(Quarters(64, 48));
  struct Case {
    const char* name;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"half.jpg", good.left(good.size() / 2)},
      {"header.jpg", good.left(20)},
      {"noend.jpg", good.left(good.size() - 2)},
      {"text.jpg", QByteArray("this is not a picture at all\r\n")},
      {"empty.jpg", QByteArray()},
      {"marker.jpg", QByteArray("\xFF\xD8\xFF", 3)},
  };
  for (const Case& c : cases) {
    const gx::JpegResult result = gx::LoadJpegFile(Write(c.name, c.bytes));
    EXPECT_FALSE(result.Ok()) << c.name;
    EXPECT_TRUE(result.image.isNull()) << c.name;
    EXPECT_TRUE(result.error.startsWith(QString(c.name) + ": ")) << result.error.toStdString();
  }
  EXPECT_TRUE(gx::LoadJpegFile(Write("t.jpg", "GIF89a")).error.contains("Not a JPEG file"));
  // A busy picture, so that the cut falls in the compressed pixels rather than in the tables.
  QImage busy(200, 200, QImage::Format_RGB32);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) busy.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (y * 53) % 256));
  const QByteArray busy_bytes = JpegBytes(busy);
  const QString cut = gx::LoadJpegFile(Write("h.jpg", busy_bytes.left(busy_bytes.size() * 3 / 4))).error;
  EXPECT_TRUE(cut.contains("premature end", Qt::CaseInsensitive)) << cut.toStdString();
}

TEST_F(JpegLoaderTest, MissingFileIsReportedAsNotFound) {
  const gx::JpegResult result = gx::LoadJpegFile(dir_.filePath("s17.jpg"));
  EXPECT_FALSE(result.Ok());
  EXPECT_EQ(result.error, "s17.jpg: File not found");
  EXPECT_FALSE(gx::LoadJpegFile(dir_.path()).Ok());  // a folder is not a picture
}

// A header may claim any size up to 65500 x 65500; a picture larger than any the program shows is
// refused before its memory is taken, however small the file.
TEST_F(JpegLoaderTest, HugeClaimedSizeIsRefusedBeforeDecoding) {
  const QByteArray small = JpegBytes(Quarters(16, 16));
  const int sof = small.indexOf(QByteArray("\xFF\xC0", 2));
  ASSERT_GT(sof, 0);
  // Marker, 2 length bytes, precision, then height and width, big-endian.
  auto claiming = [&](int width, int height) {
    QByteArray bytes = small;
    bytes[sof + 5] = char(height >> 8);
    bytes[sof + 6] = char(height & 0xFF);
    bytes[sof + 7] = char(width >> 8);
    bytes[sof + 8] = char(width & 0xFF);
    return bytes;
  };
  for (QSize size : {QSize(60000, 60000), QSize(8000, 4000), QSize(4097, 16), QSize(16, 4097)}) {
    const gx::JpegResult result = gx::DecodeJpeg(claiming(size.width(), size.height()), "big.jpg");
    EXPECT_FALSE(result.Ok());
    EXPECT_TRUE(result.error.contains("too large")) << result.error.toStdString();
  }
  // The bound itself is allowed: this one fails only because its pixels are missing.
  const gx::JpegResult bound = gx::DecodeJpeg(claiming(4096, 4096), "bound.jpg");
  EXPECT_FALSE(bound.Ok());
  EXPECT_FALSE(bound.error.contains("too large")) << bound.error.toStdString();
}

// Only a regular file is a picture: a device would be read for ever.
TEST_F(JpegLoaderTest, DevicesAreNoPictures) {
  if (!QFile::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero here";
  ASSERT_TRUE(QFile::link("/dev/zero", dir_.filePath("s1.jpg")));
  for (const QString& path : {QString("/dev/zero"), dir_.filePath("s1.jpg")}) {
    const gx::JpegResult result = gx::LoadJpegFile(path);
    EXPECT_FALSE(result.Ok());
    EXPECT_TRUE(result.error.endsWith("File access denied")) << result.error.toStdString();
  }
}

}  // namespace
