#pragma once
// Whether the puzzle is a finished crossword. A stopped build, a lattice, a hand-drawn grid or a
// grid whose fill was refused has slots without answers or clues: it is not solved, rewarded or
// saved, since a file of it would not read back as a crossword. Every command that refuses such a
// puzzle says so with NotReadyText.

#include <string_view>

#include "core/Puzzle.h"

namespace gx {

// What a command that needs a finished crossword says to one that is not (UTF-8).
constexpr std::string_view NotReadyText = "Кроссворд не готов";

// The clue list is filled. Every fill writes the clues together and a fill that stops clears them
// all, so the first clue stands for the list. Printing, exporting and showing the answers need
// only this: they show the clues and whatever answers there are.
bool CluesWritten(const Puzzle& puzzle);

// Slots, clues, and an answer in every slot: what the tally judges entries against.
bool PuzzleReady(const Puzzle& puzzle);

}  // namespace gx
