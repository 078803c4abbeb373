#pragma once
// The drawn outputs of the batch tool, made by the window's own layouts and drawing: the printed
// pages as a PDF file, the exported picture as GIF and the exported page. Drawing needs Qt's fonts;
// a batch tool built without Qt refuses these outputs.

#include <string>

#include "base/Host.h"
#include "core/Puzzle.h"
#include "core/Settings.h"

namespace gx::cli {

// What the window takes from its program folder for these outputs: the settings (the palette)
// and the folder of the page templates.
struct ExportFolder {
  Settings settings;
  std::string pic_folder;
};

// Reads gx.dat of `program_dir`; without one the delivered values are used, with a warning.
ExportFolder ReadProgramFolder(const std::string& program_dir);

// The board the window shows at its design size (21 cells), or the smallest odd one up to 63 that
// holds the puzzle when it does not fit. The puzzle's board size is set to it.
int FitBoard(Puzzle& puzzle);

// The side of the exported picture for that board, in pixels.
inline int PictureSide(int cells) { return cells * kCellSize; }

// The exported picture of the empty grid, as GIF bytes.
std::string PictureGif(Puzzle& puzzle, const Palette& palette, int side);

// The title the window gives a puzzle loaded from the file `path`.
std::string PuzzleTitleOf(const Puzzle& puzzle, const std::string& path);

// The PDF file of the pages the window prints for the puzzle titled `title`, with the palette and
// print background of `settings`; with `answers` followed by the pages it prints while the
// answers are shown.
std::string PuzzlePdf(const Puzzle& puzzle, const Settings& settings, const std::string& title, bool answers);

// The answer key on A4 pages as a PDF file: the pages of PuzzlePdf with the answer letters in the
// grid and the answers in the clue lines.
std::string KeyPdf(const Puzzle& puzzle, const Settings& settings, const std::string& title);

// The window's export of the puzzle, numbered `number` ("" without numbering): the picture on the
// board the window shows (FitBoard) and the page framed by the templates of the program folder,
// with the answers listed when `answers`. A template that cannot be read fails (IoFailure).
struct HtmlFiles {
  std::string picture;  // GIF
  std::string page;
};
HtmlFiles PuzzleHtml(Puzzle& puzzle, const ExportFolder& folder, const std::string& title, const std::string& number,
                     bool answers);

// The PDF pages are A4 at this resolution; the pages are laid out for it.
constexpr int kPdfDpi = 300;

// The document printed on A4 pages into a PDF file, as the window prints on a printer: laid out
// for the printable area, its text kept as text. The PDF file's bytes; `title` (Windows-1251)
// goes into the file's description.
std::string PrintedPdf(PrintDocument& document, const std::string& title);

}  // namespace gx::cli
