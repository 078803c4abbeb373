#pragma once
// The commands that put the crossword on paper and on a web page, over the layouts of output/.

#include "base/Host.h"
#include "shell/Gridlex.h"

namespace gx {

// The print command: NotReadyText without clues, otherwise the print dialog and the pages.
void PrintCommand(Gridlex& state, Host& host);

// The export command for a board paint area of width x height pixels.
void HtmlExportCommand(Gridlex& state, Host& host, int paint_width, int paint_height);

}  // namespace gx
