#pragma once
// The drawn outputs of the batch tool, made by the window's own layouts and drawing: the printed
// pages as a PDF file, the exported picture as GIF and the exported page. Drawing needs Qt's fonts;
// a batch tool built without Qt refuses these outputs.

#include <string>

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
inline int PictureSide(int cells) { return cells * 16; }

// The exported picture of the empty grid, as GIF bytes.
std::string PictureGif(Puzzle& puzzle, const Palette& palette, int side);


}  // namespace gx::cli
