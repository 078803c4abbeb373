#pragma once
// The drawing door over QPainter: the board's backing image, the exported picture, a printed
// page. Each operation opens its own painter, so the device may be shown or saved between calls.

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <optional>
#include <string>

#include "base/Canvas.h"

namespace gx {

class QtCanvas : public Canvas {
 public:
  explicit QtCanvas(QPaintDevice* device = nullptr) : device_(device) {}
  // Draws through a painter that stays open across operations: a print job, whose pages end
  // when their painter ends.
  explicit QtCanvas(QPainter* painter) : device_(nullptr), external_(painter) {}

  void SetDevice(QPaintDevice* device) { device_ = device; }

  void SetPenColor(Color color) override { pen_color_ = color; }
  Color PenColor() const override { return pen_color_; }
  void SetPenMode(PenMode mode) override { pen_mode_ = mode; }
  PenMode GetPenMode() const override { return pen_mode_; }
  void SetBrushColor(Color color) override { brush_color_ = color; }
  Color BrushColor() const override { return brush_color_; }
  void SetFont(std::string_view name, int pixel_height) override;
  void SetFontColor(Color color) override { font_color_ = color; }
  Color FontColor() const override { return font_color_; }

  void Rectangle(int x1, int y1, int x2, int y2) override;
  void FillRect(int x1, int y1, int x2, int y2) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void TextOut(int x, int y, std::string_view text) override;
  TextExtent MeasureText(std::string_view text) const override;

 private:
  // Fills whole pixels in the given colour, XOR-ing them when the pen is in XOR mode.
  void FillPixels(QPainter& painter, int x, int y, int width, int height, Color color) const;

  // The device the text is measured for: the external painter's, or the canvas's own.
  QPaintDevice* Device() const;

  // The painter an operation draws with: the external one, or one opened on the device.
  class OperationPainter;

  QPaintDevice* device_;
  QPainter* external_ = nullptr;
  Color pen_color_ = 0;
  PenMode pen_mode_ = PenMode::Copy;
  Color brush_color_ = 0xFFFFFF;
  Color font_color_ = 0;
  QFont font_ = MakeFont("Arial", 11);

  static QFont MakeFont(std::string_view name, int pixel_height);
};

// 24-bit colour with red in the low byte, as Qt sees it.
QColor ToQColor(Color color);
Color FromQColor(const QColor& color);

}  // namespace gx
