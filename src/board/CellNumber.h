#pragma once
// The slot number written in the first cell of its slot, on the board, in the exported picture and
// on paper. Numbers up to 99 show their two-character label (" 7", "12") at the usual place in the
// usual font; a number of 100 or more is written whole, in the largest font no larger than the
// usual one whose box fits inside the cell, so that no cell is matched to the wrong clue.

#include <string_view>

#include "base/Canvas.h"

namespace gx {

// Where a cell stands and how its number is usually written.
struct NumberCell {
  int left = 0;          // the cell's outline, left and top
  int top = 0;
  int inside_width = 0;  // the pixels inside the outline
  int inside_height = 0;
  int font_pixels = 0;   // the usual font and where its label starts
  int label_x = 3;
  int label_y = 1;
};

// The text a cell shows for the number text of the clue list ("  7", " 12", "105").
std::string_view CellNumberLabel(std::string_view number_text);

// Writes the number in the canvas's font colour on its brush; the font is "Arial" at the usual
// size afterwards.
void DrawCellNumber(Canvas& canvas, const NumberCell& cell, std::string_view number_text);

}  // namespace gx
