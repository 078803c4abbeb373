#include "qt/FilmWindow.h"

#include <QPainter>
#include <QVideoFrame>
#include <QVideoSink>

namespace gx {

FilmWindow::FilmWindow(QWidget* parent) : QWidget(parent, Qt::Window), sink_(new QVideoSink(this)) {
  setWindowTitle(QStringLiteral("Gridlex"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_QuitOnClose, false);  // closing the main window ends the program even mid-film
  resize(352, 288);
  connect(sink_, &QVideoSink::videoFrameChanged, this, &FilmWindow::OnFrame);
}

void FilmWindow::ClearFrame() {
  frame_ = QImage();
  update();
}

void FilmWindow::OnFrame(const QVideoFrame& frame) {
  if (!frame.isValid()) return;
  frame_ = frame.toImage();
  update();
}

void FilmWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit Closed();
}

void FilmWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (frame_.isNull()) return;
  const QSize fitted = frame_.size().scaled(size(), Qt::KeepAspectRatio);
  const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, frame_);
}

}  // namespace gx
