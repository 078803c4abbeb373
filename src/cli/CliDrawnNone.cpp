// The drawn outputs of a batch tool built without Qt: refused, since there are no fonts to draw
// the numbers and clues with.

#ifndef GRIDLEX_CLI_DRAWS

#include "cli/CliDrawn.h"
#include "cli/CliSupport.h"

namespace gx::cli {

std::string PictureGif(Puzzle&, const Palette&, int) {
  throw CommandFailure{ExitIoError, "this gridlex-cli was built without Qt: it draws no PDF, page or picture"};
}

}  // namespace gx::cli

#endif
