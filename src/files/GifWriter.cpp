#include "files/GifWriter.h"

#include <gif_lib.h>

#include <map>
#include <vector>

#include "base/FileIo.h"

namespace gx {

namespace {

constexpr int ColorTableSize = 32;  // the next power of two above the 20 colours
constexpr int ColorResolution = 8;
constexpr int MaxSide = 0xFFFF;
// The run-time's "file not open for output": the encoder refused the picture.
constexpr int EncoderFailure = 105;

int Red(Color c) { return static_cast<int>(c & 0xFF); }
int Green(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
int Blue(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

int Distance(Color a, Color b) {
  const int r = Red(a) - Red(b);
  const int g = Green(a) - Green(b);
  const int bl = Blue(a) - Blue(b);
  return r * r + g * g + bl * bl;
}

int AppendBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::string*>(gif->UserData);
  out->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
  return length;
}

class ColorTable {
 public:
  ColorTable() : map_(GifMakeMapObject(ColorTableSize, nullptr)) {
    if (!map_) return;
    for (int i = 0; i < ColorTableSize; ++i) {
      const Color c = i < StaticColorCount ? StaticColors[static_cast<std::size_t>(i)] : 0;
      map_->Colors[i] = GifColorType{static_cast<GifByteType>(Red(c)), static_cast<GifByteType>(Green(c)),
                                     static_cast<GifByteType>(Blue(c))};
    }
  }
  ~ColorTable() { GifFreeMapObject(map_); }
  ColorTable(const ColorTable&) = delete;
  ColorTable& operator=(const ColorTable&) = delete;
  ColorMapObject* get() const { return map_; }

 private:
  ColorMapObject* map_;
};

bool EncodeInto(GifFileType* gif, int width, int height, const PixelSource& pixel) {
  ColorTable table;
  if (!table.get()) return false;
  EGifSetGifVersion(gif, true);
  if (EGifPutScreenDesc(gif, width, height, ColorResolution, 0, table.get()) == GIF_ERROR) return false;
  if (EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_ERROR) return false;
  // Pictures hold few distinct colours; each is matched once.
  std::map<Color, GifPixelType> matched;
  std::vector<GifPixelType> line(static_cast<std::size_t>(width));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Color c = pixel(x, y) & 0xFFFFFF;
      auto it = matched.find(c);
      if (it == matched.end()) it = matched.emplace(c, static_cast<GifPixelType>(NearestStaticColor(c))).first;
      line[static_cast<std::size_t>(x)] = it->second;
    }
    if (EGifPutLine(gif, line.data(), width) == GIF_ERROR) return false;
  }
  return true;
}

}  // namespace

int NearestStaticColor(Color color) {
  int best = 0;
  for (int i = 1; i < StaticColorCount; ++i) {
    if (Distance(color, StaticColors[static_cast<std::size_t>(i)]) <
        Distance(color, StaticColors[static_cast<std::size_t>(best)])) {
      best = i;
    }
  }
  return best;
}

bool EncodeGif(int width, int height, const PixelSource& pixel, std::string& bytes) {
  bytes.clear();
  if (width < 1 || height < 1 || width > MaxSide || height > MaxSide) return false;
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, AppendBytes, &error);
  if (!gif) return false;
  const bool encoded = EncodeInto(gif, width, height, pixel);
  // Closing writes the trailer and frees the encoder whatever happened before.
  const bool closed = EGifCloseFile(gif, &error) != GIF_ERROR;
  return encoded && closed;
}

FileError WriteGifFile(const std::string& path, int width, int height, const PixelSource& pixel) {
  std::string bytes;
  if (!EncodeGif(width, height, pixel, bytes)) return FileError(EncoderFailure);
  return ReplaceFile(path, bytes);
}

}  // namespace gx
