#include "qt/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

namespace gx {


BoardView::BoardView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Paint"));
  setMouseTracking(true);  // the editor follows moves only while a stroke is active
  setAttribute(Qt::WA_OpaquePaintEvent);
}

bool BoardView::FitImage(int side) {
  // The image holds a device pixel for every screen pixel: on a scaled desktop the board's lines, numbers
  // and letters are drawn at the screen's resolution while the drawing keeps to the board's pixels.
  const qreal ratio = devicePixelRatioF();
  const QSize device_size(qRound(side * ratio), qRound(side * ratio));
  if (!image_.isNull() && image_.size() == device_size && image_.devicePixelRatio() == ratio) return false;
  image_ = QImage(device_size, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(Qt::white);
  return true;
}

QPoint BoardView::ToImage(QPointF widget_point) const {
  if (!Scaled() || width() <= 0 || height() <= 0) return widget_point.toPoint();
  const QSizeF side = image_.deviceIndependentSize();
  return {static_cast<int>(widget_point.x() * side.width() / width()),
          static_cast<int>(widget_point.y() * side.height() / height())};
}

void BoardView::paintEvent(QPaintEvent*) {
  // Moved to a screen of another scale: the old image is shown until the window has drawn a new one.
  if (!image_.isNull() && image_.devicePixelRatio() != devicePixelRatioF()) emit DeviceRatioChanged();
  QPainter painter(this);
  if (!Scaled()) {
    painter.drawImage(0, 0, image_);
    return;
  }
  // Smoothing keeps the thin grid lines and the small letters readable at the smaller size.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), image_);
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = ToImage(event->position());
  emit MousePressed(at.x(), at.y(), event->button());
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = ToImage(event->position());
  emit MouseMoved(at.x(), at.y());
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = ToImage(event->position());
  emit MouseReleased(at.x(), at.y(), event->button());
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint at = ToImage(event->position());
  emit DoubleClicked(at.x(), at.y(), event->button());
}

}  // namespace gx
