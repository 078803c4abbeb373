// The batch tool's ipuz import on any bytes as a file. A crossword it takes has its slots on the
// 63 x 63 board within the fixed tables, and comes back the same from a puzzle file; a text it
// refuses leaves the puzzle as it was.

#include <memory>

#include "FuzzSupport.h"
#include "PuzzleChecks.h"
#include "cli/CliSupport.h"
#include "files/IpuzReader.h"
#include "files/PuzzleFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gx;
  using namespace gx::fuzz;
  auto puzzle = std::make_unique<Puzzle>();
  puzzle->SetMask(5, 5, GridCell);
  const std::string before = Snapshot(*puzzle);
  const IpuzReading reading = ReadIpuz(cli::ReadFileOrFail(Scratch().Write("in.ipuz", data, size)), *puzzle);
  if (!reading.faults.empty()) {
    FUZZ_CHECK(Snapshot(*puzzle) == before);
    return 0;
  }
  CheckSlotTable(*puzzle);
  const std::string saved = SerializePuzzle(*puzzle);
  auto again = std::make_unique<Puzzle>();
  FUZZ_CHECK(LoadPuzzleFile(*again, Scratch().Write("in.gx", saved)).status == PuzzleLoadResult::Status::Loaded);
  FUZZ_CHECK(SerializePuzzle(*again) == saved);
  return 0;
}
