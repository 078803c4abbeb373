#include "qt/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

namespace gx {

namespace {
QPoint Pixel(const QMouseEvent* event) { return event->position().toPoint(); }
}  // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Paint"));
  setMouseTracking(true);  // the editor follows moves only while a stroke is active
  setAttribute(Qt::WA_OpaquePaintEvent);
}

bool BoardView::FitImage() {
  // The image holds a device pixel for every screen pixel: on a scaled desktop the board's lines, numbers
  // and letters are drawn at the screen's resolution while the drawing keeps to the widget's pixels.
  const qreal ratio = devicePixelRatioF();
  const QSize device_size(qRound(width() * ratio), qRound(height() * ratio));
  if (!image_.isNull() && image_.size() == device_size && image_.devicePixelRatio() == ratio) return false;
  image_ = QImage(device_size, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(Qt::white);
  return true;
}

void BoardView::paintEvent(QPaintEvent*) {
  // Moved to a screen of another scale: the old image is shown until the window has drawn a new one.
  if (!image_.isNull() && image_.devicePixelRatio() != devicePixelRatioF()) emit DeviceRatioChanged();
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  emit MousePressed(Pixel(event).x(), Pixel(event).y(), event->button());
}

void BoardView::mouseMoveEvent(QMouseEvent* event) { emit MouseMoved(Pixel(event).x(), Pixel(event).y()); }

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  emit MouseReleased(Pixel(event).x(), Pixel(event).y(), event->button());
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
  emit DoubleClicked(Pixel(event).x(), Pixel(event).y(), event->button());
}

}  // namespace gx
