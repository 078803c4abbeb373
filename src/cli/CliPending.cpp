// Commands whose options are already checked while their work is still to come.

#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/CliSupport.h"

namespace gx::cli {

namespace {
int NotYetBuilt(const char* command) {
  WarnUtf8Line(std::string(command) + ": not yet built");
  return ExitBadUsage;
}
}  // namespace

int GenerateNotYetBuilt(const std::vector<std::string>& args) {
  ParseGenerateOptions(args);
  return NotYetBuilt("generate");
}

int FillNotYetBuilt(const std::vector<std::string>& args) {
  ParseFillOptions(args);
  return NotYetBuilt("fill");
}

int BuildNotYetBuilt(const std::vector<std::string>& args) {
  ParseBuildOptions(args);
  return NotYetBuilt("build");
}

}  // namespace gx::cli
