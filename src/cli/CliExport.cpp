// gridlex-cli export GX: a puzzle file as ipuz, PDF, HTML page with its picture, GIF picture or
// text.

#include <memory>

#include "cli/CliCommands.h"
#include "cli/CliDrawn.h"
#include "cli/CliOutputs.h"
#include "cli/CliPuzzle.h"
#include "cli/CliSupport.h"
#include "base/FileIo.h"

namespace gx::cli {

namespace {

const char* const kOutputs[] = {"--ipuz", "--gif", "--text"};

std::string ChosenOutput(const Arguments& arguments) {
  std::string chosen;
  for (const char* output : kOutputs) {
    if (!arguments.Has(output)) continue;
    if (!chosen.empty()) throw UsageError{"give one of --ipuz, --gif and --text, not " + chosen + " and " + output};
    chosen = output;
  }
  if (chosen.empty()) throw UsageError{"export needs one of --ipuz FILE, --gif FILE and --text"};
  return chosen;
}

// The window draws only a finished crossword.
void CheckReady(const Puzzle& puzzle, const std::string& source) {
  if (puzzle.Grid1.Clue(0).empty()) Refuse(source, {"Кроссворд не готов"});
}

void ExportGif(Puzzle& puzzle, const std::string& source, const std::string& program_dir, const std::string& path) {
  CheckReady(puzzle, source);
  const ExportFolder folder = ReadProgramFolder(program_dir);
  const int cells = FitBoard(puzzle);
  if (FileError error = ReplaceFile(path, PictureGif(puzzle, folder.settings.Colors, PictureSide(cells)))) {
    throw IoFailure{error, path};
  }
}

}  // namespace

int RunExportPuzzle(const std::vector<std::string>& args) {
  Arguments arguments(args, {{"--ipuz", true}, {"--gif", true}, {"--text", false}, {"--program-dir", true}}, 1, 1);
  const std::string output = ChosenOutput(arguments);
  const bool drawn = output == "--gif";
  if (arguments.Has("--program-dir") && !drawn) throw UsageError{"--program-dir goes with --gif"};
  const std::string program_dir = arguments.Has("--program-dir") ? arguments.Value("--program-dir") : ".";
  const std::string& source = arguments.Positional(0);
  auto puzzle = std::make_unique<Puzzle>();
  LoadPuzzleOrFail(source, *puzzle);
  if (output == "--text") {
    PrintPuzzleText(*puzzle);
  } else if (output == "--ipuz") {
    WriteIpuzOrFail(*puzzle, FileNameOf(source), source, arguments.Value("--ipuz"));
  } else {
    ExportGif(*puzzle, source, program_dir, arguments.Value("--gif"));
  }
  return ExitSuccess;
}

}  // namespace gx::cli
