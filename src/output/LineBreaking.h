#pragma once
// Breaking a line of text into lines no wider than a column: at blanks where it can, inside a word
// only where a word alone is wider than the column. Texts are Windows-1251, one byte a character.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gx {

// The width of a text in the font it will be written in.
using TextWidth = std::function<int(std::string_view)>;

// The pieces of `text`: the first no wider than `first_width`, the others no wider than
// `next_width` (a piece of one character may be wider when not even that fits). Blanks where a line
// breaks are dropped; the first piece keeps the text's leading blanks. An empty text gives one
// empty piece.
std::vector<std::string> BreakLine(std::string_view text, int first_width, int next_width, const TextWidth& width);

}  // namespace gx
