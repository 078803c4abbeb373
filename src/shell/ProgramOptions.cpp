#include "shell/ProgramOptions.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace gx {

namespace {

// Toolkit options that take the next argument as their value.
constexpr std::array<std::string_view, 21> kToolkitOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "session", "style", "stylesheet", "display", "geometry", "title", "name", "visual", "ncols", "cmap", "im",
    "fn", "bg", "fg"};
// Toolkit options known under the double dash as well; any other double-dash option is ours.
constexpr std::array<std::string_view, 3> kToolkitFlags = {"reverse", "widgetcount", "nograb"};

bool TakesValue(std::string_view name) {
  return std::find(kToolkitOptionsWithValue.begin(), kToolkitOptionsWithValue.end(), name) !=
         kToolkitOptionsWithValue.end();
}

bool IsToolkitFlag(std::string_view name) {
  return std::find(kToolkitFlags.begin(), kToolkitFlags.end(), name) != kToolkitFlags.end();
}

}  // namespace

const char* ProgramUsage() {
  return "Usage: gridlex [--program-dir DIR] [FILE.gx]\n"
         "Build and solve Russian-language crosswords.\n"
         "\n"
         "  FILE.gx              open this puzzle at start instead of the highest-numbered one\n"
         "  --program-dir DIR    keep settings, puzzles and dictionaries in DIR; a new DIR is made\n"
         "                       from the delivered program folder\n"
         "  -h, --help           show this help and exit\n"
         "  --version            show the version and exit\n"
         "\n"
         "Without --program-dir Gridlex works in the current folder when that holds its settings\n"
         "file gx.dat and can be written, and otherwise in $XDG_DATA_HOME/gridlex\n"
         "(~/.local/share/gridlex): a copy of the delivered program folder made at the first start.\n"
         "At later starts delivered files you have not changed are brought up to date; files you\n"
         "changed, and your own puzzles and dictionaries, are never overwritten.\n"
         "\n"
         "Options of the Qt toolkit, such as -platform offscreen or -style NAME, are passed on.\n";
}

ProgramOptions ParseProgramOptions(const std::vector<std::string>& args) {
  ProgramOptions options;
  bool options_end = false;
  for (std::size_t i = 0; i < args.size() && options.error.empty(); ++i) {
    const std::string& arg = args[i];
    if (options_end || arg.empty() || arg[0] != '-') {
      if (options.puzzle_file) {
        options.error = "only one puzzle file may be given, not also " + arg;
      } else {
        options.puzzle_file = arg;
      }
      continue;
    }
    if (arg == "--") {
      options_end = true;
    } else if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--program-dir" || arg.rfind("--program-dir=", 0) == 0) {
      std::string value;
      if (arg.size() > 13) {
        value = arg.substr(14);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        options.error = "--program-dir needs a folder";
        break;
      }
      if (value.empty()) options.error = "--program-dir needs a folder";
      if (options.program_dir) options.error = "--program-dir given twice";
      options.program_dir = value;
    } else {
      const bool double_dash = arg.size() > 1 && arg[1] == '-';
      const std::string name = arg.substr(double_dash ? 2 : 1);
      const bool with_value = TakesValue(name);
      if (double_dash && !with_value && !IsToolkitFlag(name)) {
        options.error = "unknown option " + arg;
        break;
      }
      // The toolkit checks its own options; an unknown single-dash one is its to ignore.
      options.toolkit_args.push_back(arg);
      if (with_value) {
        if (i + 1 >= args.size()) {
          options.error = "option " + arg + " needs a value";
          break;
        }
        options.toolkit_args.push_back(args[++i]);
      }
    }
  }
  return options;
}

}  // namespace gx
