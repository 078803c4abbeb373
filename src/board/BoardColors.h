#pragma once
// The fixed colours of the board and the clue list; the user's palette supplies the rest.

#include "core/Settings.h"

namespace gx {

constexpr Color GridGrey = Rgb(128, 128, 128);  // grid lines and cell outlines
constexpr Color Navy = Rgb(0, 0, 128);          // clue numbers and typed letters
constexpr Color Maroon = Rgb(128, 0, 0);        // answers when shown
constexpr Color Purple = Rgb(128, 0, 128);      // the XOR pen of the current-word highlight
constexpr Color White = Rgb(255, 255, 255);     // across rows of the clue list
constexpr Color Silver = Rgb(192, 192, 192);    // down rows of the clue list
// The letters the user placed while drawing: dark green on pale gold, unlike any solving colour.
constexpr Color PlacedInk = Rgb(0, 100, 0);
constexpr Color PlacedCell = Rgb(255, 236, 160);

}  // namespace gx
