// The batch tool's scripted-draws reader on any bytes, and the grid generator run on what it
// read. Draws it takes are within the seed range and read back the same once written out; a grid
// drawn from them, however the draws fall, keeps its slots on the board.

#include <memory>

#include "FuzzSupport.h"
#include "PuzzleChecks.h"
#include "cli/CliOptions.h"
#include "cli/CliSupport.h"
#include "core/Generator.h"
#include "core/RandomSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gx;
  using namespace gx::fuzz;
  std::vector<std::uint64_t> draws;
  try {
    draws = cli::ReadDraws(Scratch().Write("draws.txt", data, size));
  } catch (const cli::UsageError&) {
    return 0;
  }
  std::string written;
  for (std::uint64_t draw : draws) {
    FUZZ_CHECK(draw <= UINT64_MAX / 10);
    written += std::to_string(draw) + "\n";
  }
  FUZZ_CHECK(cli::ReadDraws(Scratch().Write("again.txt", written)) == draws);

  // The board the batch tool's generate command may be given: 9 to 63 cells.
  const int board = 9 + static_cast<int>(draws.empty() ? 0 : draws[0] % 55);
  auto puzzle = std::make_unique<Puzzle>();
  puzzle->BoardRows = static_cast<std::uint16_t>(board);
  puzzle->BoardCols = static_cast<std::uint16_t>(board);
  ScriptedRandom random(draws);
  NullHost host;
  const GenerateStatus status = GenerateGrid(*puzzle, random, host);
  FUZZ_CHECK(random.Used() <= draws.size() + 1);
  if (status == GenerateStatus::Extracted) CheckSlotTable(*puzzle, board, board);
  return 0;
}
