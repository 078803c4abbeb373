#pragma once
// What the program gives out of the puzzle and about itself: help, print, the HTML export and
// the colour palette window.

#include "shell/CommandParts.h"

namespace gx {

class OutputCommands {
 public:
  explicit OutputCommands(const CommandParts& parts) : parts_(parts) {}

  void Help();        // F1, SpeedButton1
  void Print();       // SpeedButton5
  void HtmlExport();  // SpeedButton11
  void Palette();     // SpeedButton9: the palette window is asked for

 private:
  CommandParts parts_;
};

}  // namespace gx
