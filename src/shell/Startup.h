#pragma once
// The window-free steps of program start and shutdown: the main window's creation restores the
// settings, loads the highest-numbered puzzle and measures the printer; its close writes the
// settings and a changed dictionary back. The Qt window calls these and shows the state after.

#include <functional>
#include <optional>
#include <string>

#include "base/Host.h"
#include "shell/Gridlex.h"

namespace gx {

class PuzzleCommands;

struct PrinterResolution {
  int x = 0;
  int y = 0;
};
// Asks the default printer for its resolution; nothing when there is no printer.
using PrinterQuery = std::function<std::optional<PrinterResolution>()>;

// The main window's creation, in order: settings (from the program folder the state names), selection state, option fields,
// the highest puzzle loaded and drawn, printer resolution, score and dictionary line,
// advertisement list. Without a settings file, or with one that cannot be read (reported), the
// start goes on with the delivered values. A puzzle that cannot be read is reported and ends the
// sequence there; the window opens all the same.
// A puzzle file named on the command line (`start_puzzle`) is loaded instead of the highest one;
// one that cannot be read is reported with the run-time's text and the usual puzzle follows.
void StartProgram(Gridlex& state, Host& host, PuzzleCommands& commands, const PrinterQuery& printer,
                  const std::string& start_puzzle = {});

// The main window's close, once a running fill has been stopped: keeps a settings file that the
// start could not read as gx.dat.bad, writes the settings and, when changed, the dictionary. False
// after a failed write has been reported: the window must stay open, and the next close tries again.
bool CloseProgram(Gridlex& state, Host& host);

}  // namespace gx
