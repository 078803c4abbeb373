#include "cli/DefaultProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "GridlexConfig.h"
#include "shell/UserProgramFolder.h"

namespace gx::cli {

namespace {

namespace fs = std::filesystem;

// The delivered folder lies at a fixed place from the folder of the programs.
std::string DeliveredFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return (program.parent_path() / GRIDLEX_DELIVERED_FROM_BIN).lexically_normal().string();
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::is_directory(path, error);
}

}  // namespace

std::string DefaultProgramFolder() {
  std::error_code error;
  const fs::path current = fs::current_path(error);
  const ProgramFolderChoice choice = ChooseProgramFolder(std::nullopt, error ? std::string(".") : current.string(),
                                                         std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (!choice.copy_delivered || IsFolder(choice.dir)) return choice.dir.empty() ? "." : choice.dir;
  const std::string delivered = DeliveredFolder();
  return IsFolder(delivered) ? delivered : ".";
}

}  // namespace gx::cli
