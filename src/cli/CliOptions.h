#pragma once
// The options of the commands that generate and fill grids, parsed and checked against the
// ranges of the batch tool contract. Bad values are bad usage.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gx::cli {

// Either a seed for the program's own generator or a file of scripted draws.
struct RandomChoice {
  std::optional<std::uint64_t> seed;
  std::optional<std::string> draws_path;
};

struct GenerateOptions {
  int board = 0;  // 9..63
  RandomChoice random;
};

struct FillOptions {
  std::string grid_path;
  std::string dictionary_path;
  std::uint16_t attempts = 256;
  std::optional<std::string> dict_out;
  bool keep = false;                    // the grid's letters are kept and filled around
  std::optional<std::string> grid_out;  // the filled board as grid text
};

// The boards a crossword is built on. Above 57 cells nearly every grid drawn has more than 128
// words, which no build accepts (tools/measure_builds.py, seeds 1..100: 22 build on 59, none on
// 61, one on 63; on 57, 99).
constexpr int kSmallestBuildBoard = 19;
constexpr int kLargestBuildBoard = 57;

class Arguments;
// --board of build and series: odd, 19..57 (default 21); 59..63 are refused with the reason.
int ParseBuildBoard(const Arguments& arguments);

struct BuildOptions {
  std::string dictionary_path;
  int board = 21;  // odd, 19..57
  RandomChoice random;
  std::uint8_t min_slots = 4;  // 4..128
  std::uint16_t attempts = 256;
  std::uint32_t max_generations = 10000;
  std::optional<std::string> out;
  std::optional<std::string> dict_out;
};

GenerateOptions ParseGenerateOptions(const std::vector<std::string>& args);
FillOptions ParseFillOptions(const std::vector<std::string>& args);
BuildOptions ParseBuildOptions(const std::vector<std::string>& args);

// The integers of a draws file (whitespace-separated non-negative decimals). A missing file is an
// input/output failure, a malformed one bad usage.
std::vector<std::uint64_t> ReadDraws(const std::string& path);

}  // namespace gx::cli
