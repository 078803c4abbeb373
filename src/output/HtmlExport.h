#pragma once
// The puzzle as a web page in the pic folder: a GIF picture of the empty grid with its numbers,
// and a page framed by the templates "b0" and "b2" that shows the title, the picture and the two
// clue lists. With numbered export the page and picture keep numbered names, and the fixed page
// "gxp.htm" (the one opened in the browser) is a copy of the numbered one.

#include <optional>
#include <string>
#include <vector>

#include "base/Host.h"
#include "base/FileError.h"

namespace gx {

class Canvas;
struct Puzzle;
struct Palette;

// The highest export number among the pages (*.htm) of the folder: the leading digits of each
// name from its 4th character on, compared as signed 16-bit values; 0 when there is none.
int HighestPageNumber(const std::string& pic_folder);

// Page numbers are read back as signed 16-bit values: 32767 is the last one.
constexpr int kHighestPageNumber = 32767;

// The number N of the next export: empty without numbering, the highest page number plus one
// with it, and nothing when 32767 is already taken.
std::optional<std::string> ExportNumber(bool numbered, const std::string& pic_folder);
// The notice for an export refused for want of a number.
std::string NoExportNumberMessage();

// Draws the picture of the empty grid on a canvas of width x height pixels. The outside of the
// crossword is marked in the model's letters while drawing and cleared again.
void DrawExportPicture(Puzzle& puzzle, const Palette& palette, Canvas& canvas, int width, int height);

// The lines written between the two templates, for the puzzle named `caption`; the caption,
// answers and clues have "<", "&" and '"' written as entities.
std::vector<std::string> PageBodyLines(const Puzzle& puzzle, const std::string& caption, const std::string& number,
                                       int width, int height);

// The names of export N's page and picture: gxpN.htm and picN.gif ("" without numbering).
std::string ExportPageName(const std::string& number);
std::string ExportPictureName(const std::string& number);

// The page of export `number`: the template b0 of `template_folder`, the body lines and the
// template b2, each line ended by CR LF. Without b0 there is no page; without b2 the page ends
// after the clue lists. The window writes such a cut page and then reports the failure.
struct ExportPage {
  std::string text;
  FileError start_error;  // b0 could not be read
  FileError end_error;    // b2 could not be read
};
ExportPage MakeExportPage(const Puzzle& puzzle, const std::string& caption, const std::string& template_folder,
                          const std::string& number, int width, int height);


}  // namespace gx
