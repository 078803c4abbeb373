#include "qt/CentredPicture.h"

#include <QPixmap>

#include "qt/JpegLoader.h"

namespace gx {

QPixmap CentredPicture::ForScreen(const QImage& image) const {
  const qreal ratio = devicePixelRatioF();
  if (ratio == 1.0) return QPixmap::fromImage(image);
  // On a scaled desktop the picture keeps its size on screen, filtered rather than pixel-doubled.
  QPixmap pixmap = QPixmap::fromImage(
      image.scaled(image.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

CentredPicture::CentredPicture(QWidget* parent) : QLabel(parent) {
  setFixedSize(kSide, kSide);
  setAlignment(Qt::AlignCenter);
  setScaledContents(false);
  setFocusPolicy(Qt::NoFocus);
}

bool CentredPicture::LoadFile(const QString& path, QString* error) {
  JpegResult result = LoadJpegFile(path);
  if (!result.Ok()) {
    if (error) *error = result.error;
    return false;
  }
  setPixmap(ForScreen(result.image));
  return true;
}

bool CentredPicture::HasPicture() const { return !pixmap().isNull(); }

}  // namespace gx
