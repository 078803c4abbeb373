// The drawing module's door: the Qt drawings of CliDrawnQt.cpp behind plain functions that report
// a failure instead of throwing it across the library's edge.

#include <exception>
#include <new>

#include "GridlexConfig.h"
#include "cli/CliDrawn.h"
#include "cli/CliSupport.h"
#include "cli/DrawingModule.h"

namespace gx::cli {

namespace {

template <typename Draw>
bool Reported(Draw draw, DrawingFailure& failure) {
  try {
    draw();
    return true;
  } catch (const CommandFailure& error) {
    failure = {error.exit_code, error.message};
  } catch (const std::bad_alloc&) {
    failure = {ExitIoError, "not enough memory to draw"};
  } catch (const std::exception& error) {
    failure = {ExitIoError, std::string("the drawing failed: ") + error.what()};
  }
  return false;
}

bool DrawPictureGif(Puzzle& puzzle, const Palette& palette, int side, std::string& bytes, DrawingFailure& failure) {
  return Reported([&] { bytes = PictureGif(puzzle, palette, side); }, failure);
}

bool DrawPrintedPdf(PrintDocument& document, const std::string& title, std::string& bytes, DrawingFailure& failure) {
  return Reported([&] { bytes = PrintedPdf(document, title); }, failure);
}

const DrawingModule kModule = {GRIDLEX_VERSION, sizeof(Puzzle), sizeof(Palette), DrawPictureGif, DrawPrintedPdf};

}  // namespace

}  // namespace gx::cli

extern "C" __attribute__((visibility("default"))) const gx::cli::DrawingModule* gridlex_drawing_module() {
  return &gx::cli::kModule;
}
