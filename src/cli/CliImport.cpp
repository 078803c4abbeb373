// gridlex-cli import-ipuz FILE.ipuz OUT.gx: a crossword from another program as a puzzle file.

#include <filesystem>
#include <memory>

#include "cli/CliCommands.h"
#include "cli/CliOutputs.h"
#include "cli/CliSupport.h"
#include "base/FileIo.h"
#include "cli/FilePlan.h"
#include "base/SafeText.h"
#include "files/IpuzReader.h"
#include "files/PuzzleFile.h"

namespace gx::cli {

int RunImportIpuz(const std::vector<std::string>& args) {
  Arguments arguments(args, {{"--force", false}}, 2, 2);
  const std::string& source = arguments.Positional(0);
  const std::string& target = arguments.Positional(1);
  const std::string name = InputName(source);
  const bool force = arguments.Has("--force");
  FilePlan plan;
  plan.Input("FILE.ipuz", source);
  plan.Output("OUT.gx", target, false);
  plan.Check();
  const bool to_output = IsStandardStream(target);
  if (!to_output) CheckOutputsFree({target}, force);
  std::error_code error;
  const std::uintmax_t size = IsStandardStream(source) ? 0 : std::filesystem::file_size(source, error);
  if (!error && size > MaxIpuzBytes) Refuse(name, {IpuzTooLarge});
  const std::string bytes = ReadInputOrFail(source, IsStandardStream(source) ? MaxIpuzBytes : MaxAnyFileBytes);
  auto puzzle = std::make_unique<Puzzle>();
  const IpuzReading reading = ReadIpuz(bytes, *puzzle);
  if (!reading.faults.empty()) Refuse(name, reading.faults);
  for (const std::string& warning : reading.warnings) WarnUtf8Line("gridlex-cli: " + SafeText(name) + ": " + warning);
  if (to_output) {
    WriteStandardOutput(SerializePuzzle(*puzzle));
  } else {
    WriteOutputOrFail(target, SerializePuzzle(*puzzle), force);
  }
  return ExitSuccess;
}

}  // namespace gx::cli
