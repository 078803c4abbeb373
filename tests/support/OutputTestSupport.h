#pragma once
// Helpers for the tests of the palette, the printed page and the HTML export: an off-screen
// picture kept in memory, a host that also makes pictures, prints on memory pages and answers
// the colour dialog as scripted, and a reader of GIF files.

#include <gif_lib.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "PlayTestSupport.h"

namespace gx::test {

class MemoryPicture : public PictureSurface {
 public:
  MemoryPicture(int width, int height) : canvas_(width, height), width_(width), height_(height) {}
  Canvas& GetCanvas() override { return canvas_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  Color Pixel(int x, int y) const override { return canvas_.At(x, y); }
  const MemoryCanvas& Memory() const { return canvas_; }

 private:
  MemoryCanvas canvas_;
  int width_;
  int height_;
};

class OutputHost : public ScriptedHost {
 public:
  std::unique_ptr<PictureSurface> CreatePicture(int width, int height) override {
    if (!pictures_possible) return nullptr;
    ++pictures_made;
    return std::make_unique<MemoryPicture>(width, height);
  }
  PrintOutcome PrintPages(PrintDocument& document, int, std::string& error) override {
    ++print_dialogs;
    if (print_outcome == PrintOutcome::Printed) {
      pages.clear();
      NullCanvas measure;
      const int count = document.Paginate(page_width, page_height, measure);
      for (int page = 0; page < count; ++page) {
        pages.emplace_back(canvas_size, canvas_size);
        document.DrawPage(page, pages.back());
      }
    }
    if (print_outcome == PrintOutcome::Failed) error = "I/O error 160";
    return print_outcome;
  }
  std::optional<Color> ColorDialog(Color initial) override {
    dialog_presets.push_back(initial);
    if (color_answers.empty()) return std::nullopt;
    auto answer = color_answers.front();
    color_answers.pop_front();
    return answer;
  }
  void SetWaitCursor(bool on) override { cursor_changes.push_back(on); }

  bool pictures_possible = true;
  int pictures_made = 0;
  PrintOutcome print_outcome = PrintOutcome::Printed;
  int print_dialogs = 0;
  // The printable area offered to the document (0: unknown, one page of any height) and the
  // pixels kept of each page.
  int page_width = 2400;
  int page_height = 0;
  int canvas_size = 1500;
  std::vector<MemoryCanvas> pages;
  std::vector<Color> dialog_presets;
  std::deque<std::optional<Color>> color_answers;
  std::vector<bool> cursor_changes;
};

// A decoded GIF file: its size, image count and every pixel's colour.
struct DecodedGif {
  int width = 0;
  int height = 0;
  int image_count = 0;
  std::vector<Color> pixels;
  Color At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

inline std::optional<DecodedGif> ReadGif(const std::string& path) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  if (!gif) return std::nullopt;
  std::optional<DecodedGif> result;
  if (DGifSlurp(gif) == GIF_OK && gif->ImageCount >= 1) {
    DecodedGif decoded;
    decoded.width = gif->SWidth;
    decoded.height = gif->SHeight;
    decoded.image_count = gif->ImageCount;
    const SavedImage& image = gif->SavedImages[0];
    const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
    for (int i = 0; i < image.ImageDesc.Width * image.ImageDesc.Height; ++i) {
      const GifColorType& c = map->Colors[image.RasterBits[i]];
      decoded.pixels.push_back(Rgb(c.Red, c.Green, c.Blue));
    }
    result = decoded;
  }
  DGifCloseFile(gif, &error);
  return result;
}

}  // namespace gx::test
