#include "shell/OptionCommands.h"

#include <algorithm>
#include <string>

#include "base/NumberParsing.h"

namespace gx {

void OptionCommands::OpenPanel2() {
  parts_.state.window.Panel1Visible = false;
  parts_.state.window.Panel2Visible = true;
  parts_.state.settings.HelpContext = 1;
}

void OptionCommands::ClosePanel2() {
  Settings& settings = parts_.state.settings;
  parts_.state.window.Panel2Visible = false;
  parts_.state.window.Panel1Visible = true;
  settings.HelpContext = 0;
  // The kaleidoscope switch takes effect only when the panel is closed.
  settings.KaleidoscopeOn = settings.KaleidoscopeBox;
}

void OptionCommands::ComboBox2Changed(std::string_view text) {
  parts_.state.window.ComboBox2Text = std::string(text);
  parts_.state.settings.MaxFillAttempts = ParseNumber16(text);
}

void OptionCommands::Edit1Changed(std::string_view text) {
  WindowState& window = parts_.state.window;
  window.Edit1Text = std::string(text);
  parts_.state.settings.MinSlotCount = ParseNumber8(text);
  // The spinner cannot show a value outside its range; the typed value stays in MinSlotCount.
  window.UpDown1Position = std::clamp<int>(parts_.state.settings.MinSlotCount, kUpDownMin, kUpDownMax);
}

void OptionCommands::UpDown1Changing(int position) {
  position = std::clamp(position, kUpDownMin, kUpDownMax);
  parts_.state.window.UpDown1Position = position;
  parts_.state.settings.MinSlotCount = static_cast<std::uint8_t>(position);
  parts_.state.window.Edit1Text = std::to_string(position);
}

void OptionCommands::UpDown1Step(int delta) {
  const int position = std::clamp(parts_.state.window.UpDown1Position + delta, kUpDownMin, kUpDownMax);
  if (position != parts_.state.window.UpDown1Position) UpDown1Changing(position);
}

void OptionCommands::CheckBoxChanged(CheckBox box, bool checked) {
  Settings& settings = parts_.state.settings;
  switch (box) {
    case CheckBox::CheckBox1: settings.NumberedExport = checked; break;
    case CheckBox::CheckBox2: settings.KaleidoscopeBox = checked; break;
    case CheckBox::CheckBox3: settings.SoundOn = checked; break;
  }
}

}  // namespace gx
