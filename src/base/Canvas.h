#pragma once
// The drawing door: immediate drawing with state that carries over between calls, exactly what
// the board, the exported picture and the printed page need. Implemented over QPainter in the
// front end (a QImage behind the board, the GIF picture, a printed page).

#include <string_view>

#include "base/Color.h"

namespace gx {

enum class PenMode { Copy, Xor };

// The box a text takes in the current font: its advance and the line's height.
struct TextExtent {
  int width = 0;
  int height = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetPenColor(Color color) = 0;
  virtual Color PenColor() const = 0;
  virtual void SetPenMode(PenMode mode) = 0;
  virtual PenMode GetPenMode() const = 0;
  virtual void SetBrushColor(Color color) = 0;  // the fill colour
  virtual Color BrushColor() const = 0;
  virtual void SetFont(std::string_view name, int pixel_height) = 0;
  virtual void SetFontColor(Color color) = 0;
  virtual Color FontColor() const = 0;

  // Outline in the pen on the pixels x1..x2-1 by y1..y2-1, the inside filled with the brush.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  // Fills x1..x2-1 by y1..y2-1 with the brush, no outline.
  virtual void FillRect(int x1, int y1, int x2, int y2) = 0;
  // A line in the pen from (x1, y1) to (x2, y2), the end point excluded.
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  // Text (Windows-1251) with its top-left corner at (x, y), on an opaque background in the brush.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // The box TextOut would fill for `text` in the current font.
  virtual TextExtent MeasureText(std::string_view text) const = 0;
};

// A canvas that keeps its drawing state and draws nowhere: the batch tool and the benchmarks,
// which run the window's commands without a picture.
class NullCanvas : public Canvas {
 public:
  void SetPenColor(Color color) override { pen_ = color; }
  Color PenColor() const override { return pen_; }
  void SetPenMode(PenMode mode) override { mode_ = mode; }
  PenMode GetPenMode() const override { return mode_; }
  void SetBrushColor(Color color) override { brush_ = color; }
  Color BrushColor() const override { return brush_; }
  void SetFont(std::string_view, int pixel_height) override { font_height_ = pixel_height; }
  void SetFontColor(Color color) override { font_ = color; }
  Color FontColor() const override { return font_; }
  void Rectangle(int, int, int, int) override {}
  void FillRect(int, int, int, int) override {}
  void Line(int, int, int, int) override {}
  void TextOut(int, int, std::string_view) override {}
  // Without fonts every character is taken four fifths of the font's height wide, wider than most
  // letters of a real font, so that a layout planned here rarely understates the room a text needs.
  TextExtent MeasureText(std::string_view text) const override {
    return {static_cast<int>(text.size()) * (font_height_ * 4 + 4) / 5, font_height_ + (font_height_ + 7) / 8};
  }

 private:
  Color pen_ = 0, brush_ = 0, font_ = 0;
  PenMode mode_ = PenMode::Copy;
  int font_height_ = 11;
};

}  // namespace gx
