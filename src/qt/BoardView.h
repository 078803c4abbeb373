#pragma once
// The paint box of the board: shows the image the board drawing paints into and reports the
// mouse in pixels of the board.

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
  // Makes the image as large as the widget at the screen's device pixel ratio; true when it was made
  // anew (its picture is lost).
  bool FitImage();

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
