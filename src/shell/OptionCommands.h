#pragma once
// The settings panel: opening and closing it, the fill-attempts box, the minimum-cells field with
// its spinner, and the three check boxes.

#include <string_view>

#include "shell/CommandParts.h"
#include "shell/Input.h"

namespace gx {

// The spinner's range; a typed minimum outside it is kept, the spinner shows the nearest end.
constexpr int kUpDownMin = 4;
constexpr int kUpDownMax = 100;

class OptionCommands {
 public:
  explicit OptionCommands(const CommandParts& parts) : parts_(parts) {}

  void OpenPanel2();   // SpeedButton13
  void ClosePanel2();  // SpeedButton12, Escape

  void ComboBox2Changed(std::string_view text);
  void Edit1Changed(std::string_view text);
  void UpDown1Changing(int position);
  // An arrow of the spinner: one step up or down, nothing at the end of the range.
  void UpDown1Step(int delta);
  void CheckBoxChanged(CheckBox box, bool checked);

 private:
  CommandParts parts_;
};

}  // namespace gx
