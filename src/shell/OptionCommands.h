#pragma once
// The settings panel: opening and closing it, the fill-attempts box, the minimum-cells field with
// its spinner, and the three check boxes.

#include <string_view>

#include "shell/CommandParts.h"
#include "shell/Input.h"

namespace gx {

// The spinner's range; a typed minimum outside it is kept, the spinner shows the nearest end.
constexpr int kSpinnerMin = 4;
constexpr int kSpinnerMax = 100;

class OptionCommands {
 public:
  explicit OptionCommands(const CommandParts& parts) : parts_(parts) {}

  void OpenSettings();
  void CloseSettings();  // also Escape

  void FillAttemptsChanged(std::string_view text);
  void MinCellsChanged(std::string_view text);
  void SpinnerMoved(int position);
  // An arrow of the spinner: one step up or down, nothing at the end of the range.
  void SpinnerStep(int delta);
  void CheckBoxChanged(CheckBox box, bool checked);

 private:
  CommandParts parts_;
};

}  // namespace gx
