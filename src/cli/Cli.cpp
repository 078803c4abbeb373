#include "cli/Cli.h"

#include <cerrno>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/CliHelp.h"
#include "cli/CliSupport.h"
#include "base/SafeText.h"

namespace gx::cli {

namespace {

struct Command {
  const char* name;
  CommandHandler handler;
};

// One line per command; a command added later replaces its entry here.
const Command kCommands[] = {
    {"extract", RunExtract},
    {"dict", RunDictionary},
    {"show", RunShow},
    {"generate", RunGenerate},
    {"fill", RunFill},
    {"build", RunBuild},
    {"export", RunExportPuzzle},
    {"import-ipuz", RunImportIpuz},
    {"series", RunSeries},
};

const char kUsage[] =
    "usage:\n"
    "  gridlex-cli extract GRID\n"
    "  gridlex-cli fill GRID DICT [--attempts N] [--dict-out FILE]\n"
    "  gridlex-cli generate --board N (--seed S | --draws FILE)\n"
    "  gridlex-cli build DICT [--board N] (--seed S | --draws FILE) [--min-slots M] [--attempts A]\n"
    "                    [--max-generations G] [--out FILE.gx] [--dict-out FILE]\n"
    "  gridlex-cli dict import TEXT DCT [--lossy]\n"
    "  gridlex-cli dict export DCT\n"
    "  gridlex-cli dict stats DCT\n"
    "  gridlex-cli show GX\n"
    "  gridlex-cli export GX (--ipuz FILE | --pdf FILE | --html DIR | --gif FILE | --text) [--answers]\n"
    "                    [--program-dir DIR] [--force]\n"
    "  gridlex-cli import-ipuz FILE.ipuz OUT.gx [--force]\n"
    "  gridlex-cli series DICT --count N --out-dir DIR [--board N] [--seed S] [--min-slots M] [--attempts A]\n"
    "                    [--format gx,ipuz,pdf,html] [--program-dir DIR] [--dict-out FILE] [--tries T] [--force]\n"
    "  gridlex-cli --help | --version | COMMAND --help\n";

// The message, then the usage of the command it concerns; the list of every command only when no
// command was given.
int BadUsage(const std::string& message, const std::string& command) {
  WarnUtf8Line("gridlex-cli: " + message);
  const std::string usage = CommandUsage(command);
  if (!usage.empty()) {
    std::fputs(usage.c_str(), stderr);
  } else if (command.empty()) {
    std::fputs(kUsage, stderr);
  } else {
    std::fputs("Try 'gridlex-cli --help' for the list of commands.\n", stderr);
  }
  return ExitBadUsage;
}

int Dispatch(const std::vector<std::string>& args) {
  if (args.empty()) throw UsageError{"no command given"};
  if (args[0] == "--help" || args[0] == "-h") {
    std::fputs(ToolHelp(), stdout);
    return ExitSuccess;
  }
  if (args[0] == "--version") {
    PrintUtf8Line(VersionLine());
    return ExitSuccess;
  }
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (const char* help = CommandHelp(args[0]); help != nullptr && AsksForHelp(rest)) {
    std::fputs(help, stdout);
    return ExitSuccess;
  }
  for (const Command& command : kCommands) {
    if (args[0] == command.name) return command.handler(rest);
  }
  throw UsageError{"unknown command " + args[0]};
}

}  // namespace

int Run(int argc, char** argv) {
  std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  int status = ExitSuccess;
  try {
    status = Dispatch(args);
  } catch (const UsageError& usage) {
    status = BadUsage(usage.message, args.empty() ? std::string() : args[0]);
  } catch (const IoFailure& failure) {
    WarnUtf8Line("gridlex-cli: " + failure.error.Text() + ": " + SafeText(failure.path));
    status = ExitIoError;
  } catch (const CommandFailure& failure) {
    WarnUtf8Line("gridlex-cli: " + failure.message);
    status = failure.exit_code;
  } catch (const std::exception& error) {
    WarnUtf8Line(std::string("gridlex-cli: ") + error.what());
    status = ExitIoError;
  }
  // Results that never reached their reader are an input/output error, said as such.
  int flushed = std::fflush(stdout);
  int error_number = errno;
  if ((flushed != 0 || std::ferror(stdout)) && status == ExitSuccess) {
    FileError error = FileError::FromErrno(error_number);
    WarnUtf8Line("gridlex-cli: " + (error ? error.Text() : FileError(FileError::DiskFull).Text()) +
                 ": standard output");
    status = ExitIoError;
  }
  return status;
}

}  // namespace gx::cli
