#pragma once
// The clue line under the board: shows the whole text in the strip it was given, wrapping onto a
// second line and stepping the font down when the text is long, so that no other control moves.

#include <QString>
#include <string>

class QLabel;

namespace gx {

// The text the clue line shows: the status text, except that the start of the current clue stands
// for the whole clue.
std::string WholeClueText(const std::string& label_text, const std::string& current_clue);

// Puts the text into the label at the largest font size from its base size down that lets the
// wrapped text fit the label's height; the full text is also the label's tooltip.
void ShowFitted(QLabel& label, const QString& text, int base_pixel_size);

}  // namespace gx
