#pragma once
// A finished puzzle as an ipuz crossword, the open JSON format other crossword programs read:
// the grid of clue numbers, the solution in capital letters and the two clue lists, nothing more.
// The grid is the smallest rectangle from the board's corner that holds every slot, so a file
// read back puts every slot where it was.

#include <string>
#include <string_view>
#include <vector>

#include "core/Puzzle.h"

namespace gx {

struct IpuzText {
  std::string json;                 // UTF-8, empty when there are faults
  std::vector<std::string> faults;  // UTF-8: why the puzzle cannot be written, naming slot or cell
};

// The puzzle's slot table, answers and clue list as ipuz, titled `title` (UTF-8). A puzzle without
// slots, with a slot whose answer does not fill it, with crossing answers that disagree or with
// clue numbers that contradict each other is refused.
IpuzText WriteIpuz(const Puzzle& puzzle, std::string_view title);

// The capital of a Russian letter given as a Unicode character; anything else as it is.
char32_t RussianCapital(char32_t c);

}  // namespace gx
