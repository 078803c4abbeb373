#include "shell/OptionCommands.h"

#include <algorithm>
#include <string>

#include "base/NumberParsing.h"

namespace gx {

void OptionCommands::OpenSettings() {
  parts_.state.window.RightBarVisible = false;
  parts_.state.window.SettingsPanelVisible = true;
  parts_.state.settings.HelpContext = 1;
}

void OptionCommands::CloseSettings() {
  Settings& settings = parts_.state.settings;
  parts_.state.window.SettingsPanelVisible = false;
  parts_.state.window.RightBarVisible = true;
  settings.HelpContext = 0;
  // The kaleidoscope switch takes effect only when the panel is closed.
  settings.KaleidoscopeOn = settings.KaleidoscopeBox;
}

void OptionCommands::FillAttemptsChanged(std::string_view text) {
  parts_.state.window.FillAttemptsText = std::string(text);
  parts_.state.settings.MaxFillAttempts = ParseNumber16(text);
}

void OptionCommands::MinCellsChanged(std::string_view text) {
  WindowState& window = parts_.state.window;
  window.MinCellsText = std::string(text);
  parts_.state.settings.MinSlotCount = ParseNumber8(text);
  // The spinner cannot show a value outside its range; the typed value stays in MinSlotCount.
  window.SpinnerPosition = std::clamp<int>(parts_.state.settings.MinSlotCount, kSpinnerMin, kSpinnerMax);
}

void OptionCommands::SpinnerMoved(int position) {
  position = std::clamp(position, kSpinnerMin, kSpinnerMax);
  parts_.state.window.SpinnerPosition = position;
  parts_.state.settings.MinSlotCount = static_cast<std::uint8_t>(position);
  parts_.state.window.MinCellsText = std::to_string(position);
}

void OptionCommands::SpinnerStep(int delta) {
  const int position = std::clamp(parts_.state.window.SpinnerPosition + delta, kSpinnerMin, kSpinnerMax);
  if (position != parts_.state.window.SpinnerPosition) SpinnerMoved(position);
}

void OptionCommands::CheckBoxChanged(CheckBox box, bool checked) {
  Settings& settings = parts_.state.settings;
  switch (box) {
    case CheckBox::NumberedExport: settings.NumberedExport = checked; break;
    case CheckBox::Kaleidoscope: settings.KaleidoscopeBox = checked; break;
    case CheckBox::Sound: settings.SoundOn = checked; break;
  }
}

}  // namespace gx
