#pragma once
// The paint box of the board: shows the image the board drawing paints into and reports the
// mouse in pixels of that image. An image larger than the box (a puzzle larger than the window
// can show at 16 pixels a cell) is shown scaled down to the box, whole.

#include <QImage>
#include <QWidget>
#include <functional>

namespace gx {

class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(QWidget* parent = nullptr);

  // The image keeps its address for the whole run, so a canvas may point at it once.
  QImage& Image() { return image_; }
  // Makes the image `side` x `side` pixels at the screen's device pixel ratio; true when it was made
  // anew (its picture is lost).
  bool FitImage(int side);
  // Whether the image is shown smaller than it is.
  bool Scaled() const { return !image_.isNull() && image_.deviceIndependentSize().width() > width(); }
  // A point of the widget in pixels of the image.
  QPoint ToImage(QPointF widget_point) const;

 signals:
  void MousePressed(int x, int y, Qt::MouseButton button);
  void MouseMoved(int x, int y);
  void MouseReleased(int x, int y, Qt::MouseButton button);
  // The second press of a double click: the window runs the double click, then the press.
  void DoubleClicked(int x, int y, Qt::MouseButton button);
  // The screen's device pixel ratio is no longer the image's: the image should be fitted again.
  void DeviceRatioChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage image_;
};

}  // namespace gx
