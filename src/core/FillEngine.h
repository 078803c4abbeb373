#pragma once
// The fill engine: puts a dictionary word into every slot so that crossing slots agree, greedy on
// the most crossed empty slot, repairing by freeing the crossing slots and retrying further on in
// the dictionary, bounded by MaxFillAttempts and stopped when FillRunning is cleared.

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/Host.h"
#include "core/Puzzle.h"
#include "core/Settings.h"
#include "core/SlotPainter.h"
#include "base/Progress.h"
#include "core/DictionaryStore.h"

namespace gx {

class WordSearch;

// Everything one fill run reads and changes.
struct FillRun {
  Puzzle& puzzle;
  DictionaryStore& dictionary;
  Progress& progress;  // the attempts count and the share of slots filled
  Host& host;
  SlotPainter& painter;
  Palette colors;
  std::uint16_t max_attempts = 0;
  // The search the build and refill use; the program's indexed search when none is given.
  WordSearch* search = nullptr;
};

// How a fill looks up words and reorders the dictionary. Both implementations choose the same
// entries; the indexed one is the program's, the plain one the yardstick it is measured against.
class WordSearch {
 public:
  virtual ~WordSearch() = default;
  // Called when a fill starts and after every reorder of the dictionary.
  virtual void Prepare(const DictionaryStore& dictionary) = 0;
  // Places in the slot the first fitting entry at a position >= start, or leaves it empty.
  virtual void FindWord(FillRun& run, std::uint8_t slot, std::uint16_t start) = 0;
  // Moves the entries used by the puzzle to the end of the dictionary, in slot order.
  virtual void RequeueUsedWords(Puzzle& puzzle, DictionaryStore& dictionary) = 0;
};

// Runs one fill with run.search or else the program's indexed search; returns the fill's attempt
// counter at its end.
// Success is PlacedCount = SlotCount with FillRunning still set.
std::uint16_t FillSlots(FillRun& run);
std::uint16_t FillSlots(FillRun& run, WordSearch& search);

// Removes the word of slot a; b is the slot whose failure caused it (the cell on b's line is
// always cleared, so b sees a fresh cell there).
void UnfillSlot(Puzzle& puzzle, std::uint8_t a, std::uint8_t b);

// The program's requeue (see WordSearch): marks the dictionary modified.
void RequeueUsedWords(Puzzle& puzzle, DictionaryStore& dictionary);

// How a requeue changed the order, for what follows it (the word index): the entries at the
// dropped positions left, every other entry up to DictionaryCount moved forward past the dropped
// ones before it, then the used entries were written from appended_from on (up to the store's
// capacity). Positions from appended_end to DictionaryCount kept the records they had.
struct RequeueMoves {
  std::vector<std::uint16_t> dropped;  // ascending
  int appended_from = 1;
  int appended_end = 1;
};
void RequeueUsedWords(Puzzle& puzzle, DictionaryStore& dictionary, RequeueMoves& moves);
// The requeue's second half, for a caller that knows which positions hold the used entries (every
// position whose entry equals one of `used`, and every empty entry when the puzzle has slots):
// drops moves.dropped and writes the used entries behind the rest.
void DropAndAppend(const Puzzle& puzzle, DictionaryStore& dictionary, const std::vector<std::string>& used,
                   RequeueMoves& moves);
// The entry each slot stands for in a requeue (UsedEntry), slot by slot.
std::vector<std::string> UsedEntries(const Puzzle& puzzle);

// Shared by the searches: puts entry e (its word and clue part) into the slot and counts it.
void PlaceEntry(FillRun& run, std::uint8_t slot, std::uint16_t e, std::string_view word, std::string_view clue);

// The entry a filled slot was made from: its answer followed by its clue text.
std::string ReconstructedEntry(const Puzzle& puzzle, int slot);
// The entry the requeue moves for a slot: the reconstructed entry, or none (as for an empty slot)
// when the slot holds a word of the user's own, which no entry of the dictionary is.
std::string UsedEntry(const Puzzle& puzzle, int slot);

}  // namespace gx
