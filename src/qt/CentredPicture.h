#pragma once
// A 273 x 273 picture control that shows its picture centred and never stretched: a larger
// picture shows its middle part. Serves Image1 of the advertisement window and can serve Image2,
// the reward picture over the board.
//
// Usage:
//   QString error;
//   if (!picture->LoadFile(path, &error)) host.ShowError(error);  // old picture kept
//   else picture->show();

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QString>

namespace gx {

class CentredPicture : public QLabel {
  Q_OBJECT

 public:
  static constexpr int kSide = 273;

  explicit CentredPicture(QWidget* parent = nullptr);

  // Decodes a JPEG file and shows it. On failure fills `error` and keeps the picture it had.
  bool LoadFile(const QString& path, QString* error);
  bool HasPicture() const;
  // The picture as this control's screen shows it: its own pixels at scale 1, smoothly scaled above.
  QPixmap ForScreen(const QImage& image) const;
};

}  // namespace gx
