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
  if (image_.size() == size() && !image_.isNull()) return false;
  image_ = QImage(size(), QImage::Format_RGB32);
  image_.fill(Qt::white);
  return true;
}

void BoardView::paintEvent(QPaintEvent*) {
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
