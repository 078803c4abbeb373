#pragma once
// The user's settings values, read from gx.dat at start and written back at close.

#include <cstdint>
#include <string>

#include "base/Color.h"
#include "base/ProgramFolder.h"

namespace gx {

struct Settings {
  std::uint16_t Score = 0;
  std::uint8_t RewardPictureNo = 0;
  std::uint16_t MaxFillAttempts = 0;
  std::uint8_t MinSlotCount = 0;
  bool NumberedExport = false;  // HTML and GIF export under numbered names
  bool KaleidoscopeBox = false;  // the kaleidoscope box as checked now
  bool SoundOn = false;
  bool KaleidoscopeOn = false;  // the copy of the box the editor uses, taken as the settings close
  Palette Colors;

  // Not stored.
  std::uint16_t HelpContext = 0;
  std::uint16_t PrinterDpiX = 0;
  std::uint16_t PrinterDpiY = 0;
  ProgramFolder ProgramDir;
};

}  // namespace gx
