#pragma once
// The style, the controls under the grid and the script every solvable page carries inline.

namespace gx {

extern const char* const kPlayablePageControls;
extern const char* const kPlayablePageStyle;
extern const char* const kPlayablePageScript;

}  // namespace gx
