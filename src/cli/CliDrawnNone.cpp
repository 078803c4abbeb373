// The drawn outputs of a batch tool built without Qt: refused, since there are no fonts to draw
// the numbers and clues with.

#ifndef GRIDLEX_CLI_DRAWS

#include "cli/CliDrawn.h"
#include "cli/CliSupport.h"

namespace gx::cli {

namespace {

[[noreturn]] void NoDrawing() {
  throw CommandFailure{ExitIoError, "this gridlex-cli was built without Qt: it draws no PDF, page or picture"};
}

}  // namespace

std::string PictureGif(Puzzle&, const Palette&, int) { NoDrawing(); }

std::string PrintedPdf(PrintDocument&, const std::string&) { NoDrawing(); }

}  // namespace gx::cli

#endif
