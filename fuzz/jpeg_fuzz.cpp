// The JPEG loader on any bytes as a file. A picture it takes is an RGB image of at most
// 4096 x 4096 pixels; one it refuses gives no image and a message naming the file.

#include "FuzzSupport.h"
#include "qt/JpegLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gx;
  using namespace gx::fuzz;
  const QString path = QString::fromStdString(Scratch().Write("s1.jpg", data, size));
  const JpegResult result = LoadJpegFile(path);
  if (!result.Ok()) {
    FUZZ_CHECK(result.image.isNull());
    FUZZ_CHECK(result.error.startsWith(QStringLiteral("s1.jpg: ")));
    return 0;
  }
  FUZZ_CHECK(!result.image.isNull() && result.image.format() == QImage::Format_RGB32);
  FUZZ_CHECK(result.image.width() >= 1 && result.image.width() <= kMaxJpegSide);
  FUZZ_CHECK(result.image.height() >= 1 && result.image.height() <= kMaxJpegSide);
  return 0;
}
