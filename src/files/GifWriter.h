#pragma once
// The exported picture as a GIF89a file: one image, no transparency, no animation, its colours
// reduced without dithering to the 20 static colours of the default system palette.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/Settings.h"
#include "base/FileError.h"

namespace gx {

constexpr int StaticColorCount = 20;

// The 20 static colours; the GIF colour table lists them in this order.
constexpr std::array<Color, StaticColorCount> StaticColors = {
    Rgb(0, 0, 0),       Rgb(128, 0, 0),     Rgb(0, 128, 0),     Rgb(128, 128, 0),   Rgb(0, 0, 128),
    Rgb(128, 0, 128),   Rgb(0, 128, 128),   Rgb(192, 192, 192), Rgb(192, 220, 192), Rgb(166, 202, 240),
    Rgb(255, 251, 240), Rgb(160, 160, 164), Rgb(128, 128, 128), Rgb(255, 0, 0),     Rgb(0, 255, 0),
    Rgb(255, 255, 0),   Rgb(0, 0, 255),     Rgb(255, 0, 255),   Rgb(0, 255, 255),   Rgb(255, 255, 255)};

// The static colour nearest to `color` by the distance in red, green and blue (the first of
// equally near ones).
int NearestStaticColor(Color color);

using PixelSource = std::function<Color(int x, int y)>;

// The GIF file's bytes for a picture of width x height pixels (1..65535 each); false when the
// encoder fails.
bool EncodeGif(int width, int height, const PixelSource& pixel, std::string& bytes);

// Encodes the picture and writes it to `path`, replacing an existing file only once the new one
// is complete.
FileError WriteGifFile(const std::string& path, int width, int height, const PixelSource& pixel);

}  // namespace gx
