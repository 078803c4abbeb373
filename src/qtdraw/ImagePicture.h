#pragma once
// An off-screen picture with fonts over a QImage: the exported picture, drawn without touching the
// board. The window's host and the batch tool make theirs the same way, so both give the same bytes.

#include <QImage>
#include <memory>

#include "base/Host.h"
#include "qtdraw/QtCanvas.h"

namespace gx {

class ImagePicture : public PictureSurface {
 public:
  ImagePicture(int width, int height);
  Canvas& GetCanvas() override { return canvas_; }
  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  Color Pixel(int x, int y) const override;

 private:
  QImage image_;
  QtCanvas canvas_;
};

// A picture of width x height pixels, or nothing when it cannot be made.
std::unique_ptr<PictureSurface> MakeImagePicture(int width, int height);

}  // namespace gx
