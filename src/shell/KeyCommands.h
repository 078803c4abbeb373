#pragma once
// The keyboard of the main window: the function keys, each running one command, the characters
// typed while solving (Enter, Backspace, letters) and Escape.

#include "shell/BuildCommands.h"
#include "shell/CommandParts.h"
#include "shell/Input.h"
#include "shell/OptionCommands.h"
#include "shell/OutputCommands.h"
#include "shell/PuzzleCommands.h"
#include "shell/SolvingCommands.h"

namespace gx {

class KeyCommands {
 public:
  KeyCommands(const CommandParts& parts, BuildCommands& builds, PuzzleCommands& puzzles, OutputCommands& output,
              OptionCommands& options, SolvingCommands& solving)
      : parts_(parts), builds_(builds), puzzles_(puzzles), output_(output), options_(options), solving_(solving) {}

  // Runs the command of a function key or Delete.
  void Run(Key key);
  // A character typed while solving: Enter tallies, Backspace takes a letter back, a letter is
  // typed into the current word. While the grid is drawn letters are placed instead. Nothing
  // while the settings panel or its minimum-cells field has the keys.
  void Type(char character);
  // Escape closes the panel, the advertisement and the reward, and hides the answers.
  void Escape();

 private:
  // Placing: a letter goes into the current word, a space passes a cell, Backspace takes back.
  void Place(char character);

  CommandParts parts_;
  BuildCommands& builds_;
  PuzzleCommands& puzzles_;
  OutputCommands& output_;
  OptionCommands& options_;
  SolvingCommands& solving_;
};

}  // namespace gx
