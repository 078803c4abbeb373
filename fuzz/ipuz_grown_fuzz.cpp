// The ipuz import on large texts grown from a short input, so that faults of size (time or memory
// that grows faster than the text) show within the fuzzer's time and memory limits: the input is
// a count (two bytes), then a head, a piece and a tail parted by NUL bytes. The text is the head,
// the piece repeated up to the count times (each '@' in it replaced by the repetition's number, so
// that keys differ) and the tail, grown at most a little past the largest file the import takes.

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "PuzzleChecks.h"
#include "files/IpuzReader.h"
#include "files/PuzzleFile.h"

namespace {

constexpr std::size_t kLongest = gx::MaxIpuzBytes + 4096;

std::string Grown(std::string_view input) {
  std::size_t count = (static_cast<unsigned char>(input[0]) << 8 | static_cast<unsigned char>(input[1])) * 64 + 1;
  input.remove_prefix(2);
  std::string_view head, piece = input, tail;
  if (const std::size_t first = input.find('\0'); first != std::string_view::npos) {
    head = input.substr(0, first);
    piece = input.substr(first + 1);
    if (const std::size_t second = piece.find('\0'); second != std::string_view::npos) {
      tail = piece.substr(second + 1);
      piece = piece.substr(0, second);
    }
  }
  std::string text(head);
  for (std::size_t n = 0; n < count && !piece.empty() && text.size() + piece.size() + tail.size() <= kLongest; ++n) {
    const std::string number = std::to_string(n);
    for (char c : piece) {
      if (c == '@') {
        text += number;
      } else {
        text.push_back(c);
      }
    }
  }
  return text.append(tail);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gx;
  using namespace gx::fuzz;
  if (size < 2) return 0;
  const std::string text = Grown(std::string_view(reinterpret_cast<const char*>(data), size));
  auto puzzle = std::make_unique<Puzzle>();
  const std::string before = Snapshot(*puzzle);
  const IpuzReading reading = ReadIpuz(text, *puzzle);
  FUZZ_CHECK(text.size() <= MaxIpuzBytes || !reading.faults.empty());
  if (!reading.faults.empty()) {
    FUZZ_CHECK(Snapshot(*puzzle) == before);
    return 0;
  }
  CheckSlotTable(*puzzle);
  return 0;
}
