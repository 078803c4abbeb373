#pragma once
// Colours as the program keeps them, and the user's palette of eight.

#include <cstdint>

namespace gx {

using Color = std::uint32_t;  // 24-bit, red in the low byte

constexpr Color Rgb(int red, int green, int blue) {
  return static_cast<Color>(red) | static_cast<Color>(green) << 8 | static_cast<Color>(blue) << 16;
}

// The eight palette colours in the order of the settings file.
enum PaletteIndex { BoardColorIndex, WordCellColorIndex, FoundWordColorIndex, TryingWordColorIndex,
                    WrongWordColorIndex, GifBorderColorIndex, GifInnerColorIndex, PrintBackColorIndex,
                    PaletteSize };

struct Palette {
  Color BoardColor = 0;
  Color WordCellColor = 0;
  Color FoundWordColor = 0;
  Color TryingWordColor = 0;
  Color WrongWordColor = 0;
  Color GifBorderColor = 0;
  Color GifInnerColor = 0;
  Color PrintBackColor = 0;

  Color& operator[](int index);
  Color operator[](int index) const { return const_cast<Palette&>(*this)[index]; }
};

}  // namespace gx
