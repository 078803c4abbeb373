#pragma once
// The door between the batch tool and its drawing module: a shared library installed with the
// program and loaded on the first drawn output, so that the commands which draw nothing never
// load Qt. Both sides are built from the same sources; the tool refuses a module whose build
// does not match its own.

#include <cstddef>
#include <string>

#include "base/Color.h"
#include "base/Host.h"
#include "core/Puzzle.h"

namespace gx::cli {

// A drawing that failed: the exit status and the message (UTF-8) the command ends with.
struct DrawingFailure {
  int exit_code = 0;
  std::string message;
};

struct DrawingModule {
  // What the two sides must agree on: the version and the sizes of what crosses the door.
  const char* version;
  std::size_t puzzle_bytes;
  std::size_t palette_bytes;
  // Each fills `bytes` and returns true, or fills `failure` and returns false.
  bool (*picture_gif)(Puzzle& puzzle, const Palette& palette, int side, std::string& bytes, DrawingFailure& failure);
  bool (*printed_pdf)(PrintDocument& document, const std::string& title, std::string& bytes,
                      DrawingFailure& failure);
};

// The module's one exported function, found by this name.
constexpr char kDrawingModuleEntry[] = "gridlex_drawing_module";
using DrawingModuleEntry = const DrawingModule* (*)();

}  // namespace gx::cli
