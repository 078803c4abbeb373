#pragma once
// Letters the user places into the slots of a grid before it is filled, and what a fill around
// them needs: the slots they fill whole keep their word (with the dictionary's clue when the word
// is there, else an empty clue the user is to write), and every other slot must still be
// completable by some dictionary word, which is checked before anything is filled.

#include <string>
#include <vector>

#include "core/DictionaryStore.h"
#include "core/Puzzle.h"

namespace gx {

bool HasPlacedLetters(const Puzzle& puzzle);
// The placed letters of slot k in order, NoLetter where none is placed.
std::string PlacedPattern(const Puzzle& puzzle, int k);
// Every cell of slot k holds a placed letter.
bool WhollyPlaced(const Puzzle& puzzle, int k);
// Removes the placed letters of slot k (crossing slots lose them too: a cell holds one letter).
void ClearPlacedLetters(Puzzle& puzzle, int k);

// A slot no dictionary word can complete, with the placed letters that rule every word out.
struct UnfillableSlot {
  int slot = 0;  // 0 when every slot can be completed
  std::string pattern;
};
// The first slot in table order, not wholly placed, that no dictionary word fits: right length,
// the placed letters in their places, and not a word placed whole elsewhere (a word is used once).
UnfillableSlot FindUnfillableSlot(const Puzzle& puzzle, const DictionaryStore& dictionary);

// A clue the user wrote for a word of their own, found again by the word's place and text.
struct OwnClue {
  int x = 0, y = 0, vertical = 0;
  std::string word;
  std::string clue;
};
// The clues of the user's own words, taken before the slot table is made anew.
std::vector<OwnClue> TakeOwnClues(const Puzzle& puzzle);

// Before a fill around the placed letters, on a freshly extracted slot table: empties every answer
// and every letter but the placed ones, and gives each wholly placed slot its word, with the clue
// of the word's first dictionary entry (and that entry's position) or else the clue kept in
// own_clues for it, or none. Such slots are marked in SlotPlaced and count as filled.
void KeepPlacedWords(Puzzle& puzzle, const DictionaryStore& dictionary, const std::vector<OwnClue>& own_clues);

// The slots holding a word of the user's own that still has no clue, in table order.
std::vector<int> SlotsWantingClue(const Puzzle& puzzle);

}  // namespace gx
