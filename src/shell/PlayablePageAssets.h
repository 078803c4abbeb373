#pragma once
// The style and script every solvable page carries inline.

namespace gx {

extern const char* const kPlayablePageStyle;
extern const char* const kPlayablePageScript;

}  // namespace gx
