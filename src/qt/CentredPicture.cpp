#include "qt/CentredPicture.h"

#include <QPixmap>

#include "qt/JpegLoader.h"

namespace gx {

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
  setPixmap(QPixmap::fromImage(result.image));
  return true;
}

bool CentredPicture::HasPicture() const { return !pixmap().isNull(); }

}  // namespace gx
