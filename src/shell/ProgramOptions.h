#pragma once
// The command line of the window program: a puzzle to open, the program folder, help and version.
// Options of the window toolkit (-platform, -style, ...) are passed on to it untouched.

#include <optional>
#include <string>
#include <vector>

namespace gx {

struct ProgramOptions {
  bool help = false;
  bool version = false;
  std::optional<std::string> program_dir;
  std::optional<std::string> puzzle_file;
  std::vector<std::string> toolkit_args;  // in their order, each with its value
  std::string error;                      // bad usage, when not empty
};

// `args` are the arguments after the program name.
ProgramOptions ParseProgramOptions(const std::vector<std::string>& args);

// The text of --help.
const char* ProgramUsage();

}  // namespace gx
