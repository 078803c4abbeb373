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
  if (image_.size() == QSize(side, side) && !image_.isNull()) return false;
  image_ = QImage(side, side, QImage::Format_RGB32);
  image_.fill(Qt::white);
  return true;
}

QPoint BoardView::ToImage(QPointF widget_point) const {
  if (!Scaled() || width() <= 0 || height() <= 0) return widget_point.toPoint();
  return {static_cast<int>(widget_point.x() * image_.width() / width()),
          static_cast<int>(widget_point.y() * image_.height() / height())};
}

void BoardView::paintEvent(QPaintEvent*) {
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
