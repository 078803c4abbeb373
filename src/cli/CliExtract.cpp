// gridlex-cli extract GRID: the slots of a drawn grid, exactly as after a pencil stroke.

#include "cli/CliCommands.h"
#include "cli/CliGrid.h"
#include "cli/CliSupport.h"
#include "core/Extraction.h"

#include <memory>

namespace gx::cli {

int RunExtract(const std::vector<std::string>& args) {
  Arguments arguments(args, {}, 1, 1);
  auto puzzle = std::make_unique<Puzzle>();
  LoadGridText(arguments.Positional(0), *puzzle);
  ClassifyCells(*puzzle);
  ExtractSlots(*puzzle);
  PrintSlotTable(*puzzle);
  return ExitSuccess;
}

}  // namespace gx::cli
