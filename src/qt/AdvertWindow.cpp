#include "qt/AdvertWindow.h"

#include "qt/CentredPicture.h"

namespace gx {

AdvertWindow::AdvertWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      image1_(new CentredPicture(this)) {
  setWindowTitle(QString::fromUtf8("\xD0\xA0\xD0\xB5\xD0\xBA\xD0\xBB\xD0\xB0\xD0\xBC\xD0\xB0"));  // Реклама
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_QuitOnClose, false);  // an advert left open never keeps the program running
  setFocusPolicy(Qt::NoFocus);
  setFixedSize(kWidth, kHeight);
  move(403, 18);
  image1_->move(8, 8);
}

bool AdvertWindow::ShowPicture(const QString& path, QString* error) {
  if (!image1_->LoadFile(path, error)) return false;
  show();
  raise();
  return true;
}

}  // namespace gx
