#include "cli/CliOptions.h"

#include <limits>

#include "cli/CliSupport.h"
#include "core/Puzzle.h"

namespace gx::cli {

namespace {

constexpr std::uint64_t kMaxSeed = std::numeric_limits<std::uint64_t>::max();
// Draws stay below a tenth of the range, as they always were: a draw is taken modulo a small count.
constexpr std::uint64_t kMaxDraw = std::numeric_limits<std::uint64_t>::max() / 10;

RandomChoice TakeRandomChoice(const Arguments& arguments) {
  RandomChoice choice;
  bool seeded = arguments.Has("--seed");
  bool scripted = arguments.Has("--draws");
  if (seeded == scripted) throw UsageError{"give exactly one of --seed S and --draws FILE"};
  if (seeded) choice.seed = arguments.Number("--seed", 0, kMaxSeed, 0);
  if (scripted) choice.draws_path = arguments.Value("--draws");
  return choice;
}

std::optional<std::string> Optional(const Arguments& arguments, const std::string& option) {
  if (!arguments.Has(option)) return std::nullopt;
  return arguments.Value(option);
}

}  // namespace

int ParseBuildBoard(const Arguments& arguments) {
  const int board = static_cast<int>(arguments.Number("--board", kSmallestBuildBoard, MaxBoardInUse, 21));
  if (board > kLargestBuildBoard) {
    throw UsageError{"--board " + std::to_string(board) + ": on boards above " + std::to_string(kLargestBuildBoard) +
                     " cells nearly every grid drawn has more than 128 words, which no build accepts; give "
                     "an odd number from " + std::to_string(kSmallestBuildBoard) + " to " +
                     std::to_string(kLargestBuildBoard)};
  }
  if (board % 2 == 0) throw UsageError{"--board must be odd"};
  return board;
}

GenerateOptions ParseGenerateOptions(const std::vector<std::string>& args) {
  Arguments arguments(args, {{"--board", true}, {"--seed", true}, {"--draws", true}}, 0, 0);
  if (!arguments.Has("--board")) throw UsageError{"generate needs --board N"};
  GenerateOptions options;
  options.board = static_cast<int>(arguments.Number("--board", 9, 63, 0));
  options.random = TakeRandomChoice(arguments);
  return options;
}

FillOptions ParseFillOptions(const std::vector<std::string>& args) {
  Arguments arguments(args, {{"--attempts", true}, {"--dict-out", true}, {"--keep", false}, {"--grid-out", true}}, 2,
                      2);
  FillOptions options;
  options.grid_path = arguments.Positional(0);
  options.dictionary_path = arguments.Positional(1);
  options.attempts = static_cast<std::uint16_t>(arguments.Number("--attempts", 0, 65535, 256));
  options.dict_out = Optional(arguments, "--dict-out");
  options.keep = arguments.Has("--keep");
  options.grid_out = Optional(arguments, "--grid-out");
  return options;
}

BuildOptions ParseBuildOptions(const std::vector<std::string>& args) {
  Arguments arguments(args,
                      {{"--board", true}, {"--seed", true}, {"--draws", true}, {"--min-slots", true},
                       {"--attempts", true}, {"--max-generations", true}, {"--out", true}, {"--dict-out", true}},
                      1, 1);
  BuildOptions options;
  options.dictionary_path = arguments.Positional(0);
  options.board = ParseBuildBoard(arguments);
  options.random = TakeRandomChoice(arguments);
  options.min_slots = static_cast<std::uint8_t>(arguments.Number("--min-slots", 4, 128, 4));
  options.attempts = static_cast<std::uint16_t>(arguments.Number("--attempts", 0, 65535, 256));
  options.max_generations = static_cast<std::uint32_t>(arguments.Number("--max-generations", 1, 1000000000, 10000));
  options.out = Optional(arguments, "--out");
  options.dict_out = Optional(arguments, "--dict-out");
  return options;
}

std::vector<std::uint64_t> ReadDraws(const std::string& path) {
  std::string text = ReadFileOrFail(path);
  std::vector<std::uint64_t> draws;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ' || text[i] == '\n' || text[i] == '\t' || text[i] == '\r') {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && text[end] != ' ' && text[end] != '\n' && text[end] != '\t' && text[end] != '\r') ++end;
    draws.push_back(ParseDecimal(std::string_view(text).substr(i, end - i), 0, kMaxDraw, "a draw in " + path));
    i = end;
  }
  return draws;
}

}  // namespace gx::cli
