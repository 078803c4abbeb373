// gridlex-cli export GX: a puzzle file as ipuz, PDF, HTML page with its picture, GIF picture or
// text.

#include <memory>

#include "cli/CliCommands.h"
#include "cli/CliOutputs.h"
#include "cli/CliPuzzle.h"
#include "cli/CliSupport.h"

namespace gx::cli {

namespace {

const char* const kOutputs[] = {"--ipuz", "--text"};

std::string ChosenOutput(const Arguments& arguments) {
  std::string chosen;
  for (const char* output : kOutputs) {
    if (!arguments.Has(output)) continue;
    if (!chosen.empty()) throw UsageError{"give one of --ipuz and --text, not " + chosen + " and " + output};
    chosen = output;
  }
  if (chosen.empty()) throw UsageError{"export needs --ipuz FILE or --text"};
  return chosen;
}

}  // namespace

int RunExportPuzzle(const std::vector<std::string>& args) {
  Arguments arguments(args, {{"--ipuz", true}, {"--text", false}}, 1, 1);
  const std::string output = ChosenOutput(arguments);
  const std::string& source = arguments.Positional(0);
  auto puzzle = std::make_unique<Puzzle>();
  LoadPuzzleOrFail(source, *puzzle);
  if (output == "--text") {
    PrintPuzzleText(*puzzle);
  } else {
    WriteIpuzOrFail(*puzzle, FileNameOf(source), source, arguments.Value("--ipuz"));
  }
  return ExitSuccess;
}

}  // namespace gx::cli
