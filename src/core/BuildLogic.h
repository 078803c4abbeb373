#pragma once
// The window-free steps of the build command (generate a grid until acceptable, prune it, clear it,
// fill it, requeue the used words) and of the refill command (check the drawn grid, clear it, fill
// it, requeue). The commands themselves, which run these in order, are in shell/BuildCommands.h.

#include <cstdint>
#include <string>
#include <vector>

#include "core/FillEngine.h"
#include "core/RandomSource.h"

namespace gx {

constexpr int kMinAcceptedSlots = 4;
constexpr int kMaxGeneratedSlots = 128;
constexpr int kMaxRefillSlots = 250;
constexpr int kMaxRefillSlotLength = 19;
// Bounds the generation of one build: a board that rarely gives an acceptable grid must not
// hold the window forever, since grid generation cannot be stopped.
constexpr unsigned kDefaultMaxGenerations = 10000;

// MinSlotCount as the build uses it: a value above 128 could never be met and one below 4 would
// accept grids too small to fill, so it is held within 4..128.
std::uint8_t BoundedMinSlotCount(int value);

// The slot-count rules a generated grid must meet: MinSlotCount..128 slots, and a multiple of 4
// slots, or 2 more than one when the centre cell (on both middle lines) is part of the grid.
bool IsAcceptableGrid(const Puzzle& puzzle, std::uint8_t min_slot_count);

enum class GridSearchOutcome { Accepted, DrawsExhausted, NoAcceptableGrid };
struct GridSearch {
  GridSearchOutcome outcome = GridSearchOutcome::NoAcceptableGrid;
  unsigned generations = 0;  // calls of GenerateGrid
};
GridSearch GenerateAcceptableGrid(Puzzle& puzzle, RandomSource& random, Host& host, std::uint8_t min_slot_count,
                                  unsigned max_generations);

// Removes grid cells that lie in no slot; a crossing neighbour of a removed cell becomes plain.
void PruneUnusedCells(Puzzle& puzzle);

// Empties every letter of the board and every answer before a fill; placed letters are not
// touched and play no part in it.
void ClearLettersAndAnswers(Puzzle& puzzle, Host& host);

// Why a fill ended with slots left empty. The dictionary alone decides it when it holds fewer
// different words of some slot length than the grid has slots of that length (a crossword never
// uses a word twice): no number of attempts would fill that grid.
struct FillShortfall {
  enum class Cause : std::uint8_t { None, Stopped, NoWordsOfLength, TooFewWordsOfLength, AttemptsUsedUp };
  Cause cause = Cause::None;
  int length = 0;    // the shortest slot length the dictionary cannot serve
  int words = 0;     // the different words of that length in the dictionary
  int needed = 0;    // the slots of that length in the grid
  int attempts = 0;  // AttemptsUsedUp: the attempts made
};
// Cause None, NoWordsOfLength or TooFewWordsOfLength for the slots of the puzzle.
FillShortfall FindDictionaryShortfall(const Puzzle& puzzle, const DictionaryStore& dictionary);

// The fill and requeue that end both commands. complete is the success test of the finish:
// FillRunning still set after the fill, which only holds when every slot got a word.
struct FillOutcome {
  bool ran = false;
  bool complete = false;
  std::uint8_t placed = 0;
  std::uint8_t slot_count = 0;  // not "slots": Qt defines that word as a macro
  std::uint16_t attempts = 0;
  FillShortfall shortfall;  // why an incomplete fill ended
};
FillOutcome FillAndRequeue(FillRun& run);

// Why the slots on the board cannot be refilled, checked after extraction.
// NoWordFitsPattern: a fill around placed letters found a slot no dictionary word completes.
enum class RefillCheck { Ready, TooFewSlots, TooManySlots, SlotsTooLong, NoWordFitsPattern };
struct RefillSlots {
  RefillCheck check = RefillCheck::Ready;
  std::vector<std::uint8_t> long_slots;  // slots of 20 cells or more, to paint in WrongWordColor
};
RefillSlots CheckRefillSlots(const Puzzle& puzzle);

}  // namespace gx
