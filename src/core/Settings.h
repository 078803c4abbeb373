#pragma once
// The user's settings values, read from gx.dat at start and written back at close.

#include <cstdint>
#include <string>

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

struct Settings {
  std::uint16_t Score = 0;
  std::uint8_t RewardPictureNo = 0;
  std::uint16_t MaxFillAttempts = 0;
  std::uint8_t MinSlotCount = 0;
  bool NumberedExport = false;  // CheckBox1
  bool KaleidoscopeBox = false;  // CheckBox2 as checked now
  bool SoundOn = false;         // CheckBox3
  bool KaleidoscopeOn = false;  // the copy of CheckBox2 the editor uses
  Palette Colors;

  // Not stored.
  std::uint16_t HelpContext = 0;
  std::uint16_t PrinterDpiX = 0;
  std::uint16_t PrinterDpiY = 0;
  std::string ProgramDir;
};

}  // namespace gx
