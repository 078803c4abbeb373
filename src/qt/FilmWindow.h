#pragma once
// The window a film plays in: it shows the frames a QVideoSink receives, fitted to the window
// with the film's proportions kept. MediaPlayer creates it, shows it and hides it; nobody else needs to.
// Closing it by its close box stops the film; it never keeps the program running on its own.

#include <QImage>
#include <QWidget>

class QVideoFrame;
class QVideoSink;

namespace gx {

class FilmWindow : public QWidget {
  Q_OBJECT

 public:
  explicit FilmWindow(QWidget* parent = nullptr);

  QVideoSink* Sink() const { return sink_; }
  const QImage& LastFrame() const { return frame_; }
  void ClearFrame();

 signals:
  void Closed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void OnFrame(const QVideoFrame& frame);

  QVideoSink* sink_;
  QImage frame_;
};

}  // namespace gx
