#include "qtdraw/ImagePicture.h"

#include <QColor>

namespace gx {

ImagePicture::ImagePicture(int width, int height) : image_(width, height, QImage::Format_RGB32), canvas_(&image_) {
  image_.fill(Qt::white);
}

Color ImagePicture::Pixel(int x, int y) const { return FromQColor(QColor(image_.pixel(x, y))); }

std::unique_ptr<PictureSurface> MakeImagePicture(int width, int height) {
  if (width < 1 || height < 1) return nullptr;
  auto picture = std::make_unique<ImagePicture>(width, height);
  if (picture->Width() != width) return nullptr;  // the image could not be allocated
  return picture;
}

}  // namespace gx
