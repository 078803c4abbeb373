#include "qtdraw/QtCanvas.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/Cp1251.h"

namespace gx {

QColor ToQColor(Color color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

Color FromQColor(const QColor& color) { return Rgb(color.red(), color.green(), color.blue()); }

class QtCanvas::OperationPainter {
 public:
  explicit OperationPainter(const QtCanvas& canvas) {
    if (canvas.external_) {
      painter_ = canvas.external_;
      painter_->save();
    } else if (canvas.device_) {
      painter_ = &local_.emplace(canvas.device_);
    }
  }
  ~OperationPainter() {
    if (painter_ && !local_) painter_->restore();
  }
  OperationPainter(const OperationPainter&) = delete;
  OperationPainter& operator=(const OperationPainter&) = delete;

  explicit operator bool() const { return painter_ != nullptr; }
  QPainter& operator*() const { return *painter_; }

 private:
  std::optional<QPainter> local_;
  QPainter* painter_ = nullptr;
};

QFont QtCanvas::MakeFont(std::string_view name, int pixel_height) {
  QFont font(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  font.setPixelSize(std::max(pixel_height, 1));
  // Crisp letters in 16-pixel cells, and exact colours in the exported picture.
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

void QtCanvas::SetFont(std::string_view name, int pixel_height) { font_ = MakeFont(name, pixel_height); }

void QtCanvas::FillPixels(QPainter& painter, int x, int y, int width, int height, Color color) const {
  if (width <= 0 || height <= 0) return;
  painter.setCompositionMode(pen_mode_ == PenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                       : QPainter::CompositionMode_SourceOver);
  painter.fillRect(x, y, width, height, ToQColor(color));
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  OperationPainter open(*this);
  if (!open) return;
  QPainter& painter = *open;
  const int width = x2 - x1;
  const int height = y2 - y1;
  if (width <= 0 || height <= 0) return;
  if (pen_mode_ == PenMode::Xor) {
    // Each pixel is touched once, so the outline and the inside do not cancel each other.
    FillPixels(painter, x1, y1, width, 1, pen_color_);
    if (height > 1) FillPixels(painter, x1, y2 - 1, width, 1, pen_color_);
    FillPixels(painter, x1, y1 + 1, 1, height - 2, pen_color_);
    if (width > 1) FillPixels(painter, x2 - 1, y1 + 1, 1, height - 2, pen_color_);
  } else {
    FillPixels(painter, x1, y1, width, height, pen_color_);
  }
  FillPixels(painter, x1 + 1, y1 + 1, width - 2, height - 2, brush_color_);
}

void QtCanvas::FillRect(int x1, int y1, int x2, int y2) {
  OperationPainter open(*this);
  if (!open) return;
  QPainter& painter = *open;
  FillPixels(painter, x1, y1, x2 - x1, y2 - y1, brush_color_);
}

void QtCanvas::Line(int x1, int y1, int x2, int y2) {
  OperationPainter open(*this);
  if (!open) return;
  QPainter& painter = *open;
  if (y1 == y2) {
    if (x2 > x1) FillPixels(painter, x1, y1, x2 - x1, 1, pen_color_);
    else FillPixels(painter, x2 + 1, y1, x1 - x2, 1, pen_color_);
    return;
  }
  if (x1 == x2) {
    if (y2 > y1) FillPixels(painter, x1, y1, 1, y2 - y1, pen_color_);
    else FillPixels(painter, x1, y2 + 1, 1, y1 - y2, pen_color_);
    return;
  }
  // Slanted lines step pixel by pixel so that the end point stays out, as for straight ones.
  const int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
  for (int i = 0; i < steps; ++i) {
    const int x = x1 + static_cast<int>(std::lround(static_cast<double>(x2 - x1) * i / steps));
    const int y = y1 + static_cast<int>(std::lround(static_cast<double>(y2 - y1) * i / steps));
    FillPixels(painter, x, y, 1, 1, pen_color_);
  }
}

namespace {

QString FromWindows1251(std::string_view text) {
  const std::string utf8 = Cp1251ToUtf8(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

QPaintDevice* QtCanvas::Device() const {
  if (external_) return external_->device();
  return device_;
}

TextExtent QtCanvas::MeasureText(std::string_view text) const {
  const QString qtext = FromWindows1251(text);
  QPaintDevice* device = Device();
  const QFontMetrics metrics = device ? QFontMetrics(font_, device) : QFontMetrics(font_);
  return {metrics.horizontalAdvance(qtext), metrics.height()};
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
  OperationPainter open(*this);
  if (!open) return;
  QPainter& painter = *open;
  const QString qtext = FromWindows1251(text);
  painter.setFont(font_);
  const QFontMetrics metrics(font_, painter.device());
  painter.fillRect(x, y, metrics.horizontalAdvance(qtext), metrics.height(), ToQColor(brush_color_));
  painter.setPen(ToQColor(font_color_));
  painter.drawText(x, y + metrics.ascent(), qtext);
}

}  // namespace gx
