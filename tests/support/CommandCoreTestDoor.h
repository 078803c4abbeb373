#pragma once
// The tests' way into the command core's state: they set up a puzzle, a dictionary or a window
// field directly and then run the commands. The program itself changes the state only through the
// commands.

#include "shell/CommandCore.h"

namespace gx {

struct CommandCoreTestDoor {
  static Gridlex& State(CommandCore& core) { return *core.state_; }
  static BoardDrawing& Board(CommandCore& core) { return core.board_; }
  static BuildCommands& Builds(CommandCore& core) { return core.builds_; }
};

}  // namespace gx
