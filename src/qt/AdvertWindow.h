#pragma once
// TForm3, the advertisement window: 296 x 314 at (403, 18), on top of the program's other
// windows, only a close box, one centred picture Image1 (273 x 273 at 8, 8). Created hidden.
//
// Usage (QtHost creates one at start-up, after the main window, with the main window as parent):
//   auto* advert = new gx::AdvertWindow(mainWindow);
//   advert->SetCaption(QString());                        // a chosen entry clears the caption
//   QString error;
//   if (!advert->ShowPicture(path, &error)) host.ShowError(error);  // window left as it was
//   advert->hide();                                       // no match, Escape, refill
// Showing never takes the keyboard focus from the main window.

#include <QString>
#include <QWidget>

namespace gx {

class CentredPicture;

class AdvertWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 296;
  static constexpr int kHeight = 314;

  explicit AdvertWindow(QWidget* parent = nullptr);

  void SetCaption(const QString& caption) { setWindowTitle(caption); }
  // Loads the picture, then shows the window; a picture that cannot be loaded leaves the window
  // and its old picture as they were and returns false with the loader's message.
  bool ShowPicture(const QString& path, QString* error);

  CentredPicture* Image1() const { return image1_; }

 private:
  CentredPicture* image1_;
};

}  // namespace gx
