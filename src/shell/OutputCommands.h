#pragma once
// What the program gives out of the puzzle and about itself: help, print, the HTML export and
// the colour palette window.

#include "shell/CommandParts.h"

namespace gx {

class OutputCommands {
 public:
  explicit OutputCommands(const CommandParts& parts) : parts_(parts) {}

  void Help();        // also F1
  void Print();
  void HtmlExport();
  void PlayablePage();  // also F11: a page to solve in a browser
  void Palette();     // the palette window is asked for

 private:
  CommandParts parts_;
};

}  // namespace gx
