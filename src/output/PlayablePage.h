#pragma once
// A finished puzzle as one web page to solve in a browser: the grid with its numbers, both clue
// lists, typing, checking a word, revealing a letter or everything, progress kept in the
// browser's local storage under the puzzle's content. The page holds its style and script and
// forbids itself every network access. The answers are in it, XOR-ed with a key derived from the
// content and written in base64: that keeps them from a glance at the source, not from a
// determined reader.

#include <string>
#include <string_view>
#include <vector>

#include "core/Puzzle.h"

namespace gx {

struct PlayablePage {
  std::string html;                 // UTF-8, empty when there are faults
  std::vector<std::string> faults;  // UTF-8: why the puzzle cannot be solved on a page
};

// The page of the puzzle titled `title` (UTF-8). Refused for the puzzles the ipuz writer refuses,
// and for answers with a letter no key types.
PlayablePage WritePlayablePage(const Puzzle& puzzle, std::string_view title);

// What a page keeps its progress under: a digest of the grid, answers and clues, not of any
// name, so that a renamed copy finds the same progress.
std::string PlayableContentId(const Puzzle& puzzle);

}  // namespace gx
