#pragma once
// An ipuz crossword from another program turned into this program's slot table, answers and clue
// list, ready to be saved as a puzzle file the window solves. What a puzzle file cannot hold
// (grids beyond 63 x 63, more than 255 words, words beyond 24 letters, clues beyond 128
// characters, characters outside the letter code, missing answers, several letters in one cell,
// bars, shapes and colours, given letters, directions other than across and down) is refused
// with its place named, the most telling reason first. ё is written as е, and ordinary punctuation
// the letter code lacks with its nearest characters (« » as ", — as -, № as «номер»), each with
// one warning; fields that say nothing about the words (title, author, notes) are left out with a
// warning.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/Puzzle.h"

namespace gx {

// Larger files are refused before they are parsed. A 64 x 64 crossword written with every cell an
// object on a line of its own, in the grid and in the solution (about 100 bytes a cell), and a
// thousand clues of a few hundred bytes each, stays under 1.5 MiB.
constexpr std::size_t MaxIpuzBytes = 2u << 20;
// The fault that refuses a larger file.
extern const char IpuzTooLarge[];

struct IpuzReading {
  std::vector<std::string> faults;    // UTF-8; when any, the puzzle is left as it was
  std::vector<std::string> warnings;  // UTF-8: what was changed or left out
};

// Reads the ipuz text. On success the puzzle holds what a puzzle file load gives: across words
// first, each direction in the order of its numbers, the letters in lower case on the board.
IpuzReading ReadIpuz(std::string_view bytes, Puzzle& puzzle);

}  // namespace gx
