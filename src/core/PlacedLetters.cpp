#include "core/PlacedLetters.h"

#include <string_view>

namespace gx {

namespace {

bool Fits(std::string_view word, const std::string& pattern) {
  if (word.size() != pattern.size()) return false;
  for (std::size_t t = 0; t < pattern.size(); ++t) {
    if (pattern[t] != NoLetter && pattern[t] != word[t]) return false;
  }
  return true;
}

// The word a wholly placed slot holds, or nothing for any other slot.
std::string PlacedWord(const Puzzle& p, int k) { return WhollyPlaced(p, k) ? PlacedPattern(p, k) : std::string(); }

bool PlacedWhole(const Puzzle& p, std::string_view word) {
  for (int k = 1; k <= p.SlotCount; ++k) {
    if (WhollyPlaced(p, k) && PlacedPattern(p, k) == word) return true;
  }
  return false;
}

// The first entry whose word is this one, 0 when there is none.
int FirstEntryOf(const DictionaryStore& d, std::string_view word) {
  for (int e = 1; e <= d.DictionaryCount; ++e) {
    if (EntryWord(d.Entry(e)) == word) return e;
  }
  return 0;
}

}  // namespace

bool HasPlacedLetters(const Puzzle& p) {
  for (char letter : p.PlacedLetter) {
    if (letter != NoLetter) return true;
  }
  return false;
}

std::string PlacedPattern(const Puzzle& p, int k) {
  std::string pattern;
  for (int t = 0; t < p.SlotLength[k]; ++t) pattern.push_back(p.Placed(p.SlotCellX(k, t), p.SlotCellY(k, t)));
  return pattern;
}

bool WhollyPlaced(const Puzzle& p, int k) {
  if (p.SlotLength[k] == 0) return false;
  return PlacedPattern(p, k).find(NoLetter) == std::string::npos;
}

void ClearPlacedLetters(Puzzle& p, int k) {
  for (int t = 0; t < p.SlotLength[k]; ++t) p.SetPlaced(p.SlotCellX(k, t), p.SlotCellY(k, t), NoLetter);
}

UnfillableSlot FindUnfillableSlot(const Puzzle& p, const DictionaryStore& d) {
  for (int k = 1; k <= p.SlotCount; ++k) {
    if (WhollyPlaced(p, k)) continue;
    const std::string pattern = PlacedPattern(p, k);
    bool found = false;
    for (int e = 1; e <= d.DictionaryCount && !found; ++e) {
      const std::string_view word = EntryWord(d.Entry(e));
      found = Fits(word, pattern) && !PlacedWhole(p, word);
    }
    if (!found) return {k, pattern};
  }
  return {};
}

std::vector<OwnClue> TakeOwnClues(const Puzzle& p) {
  std::vector<OwnClue> clues;
  for (int k = 1; k <= p.SlotCount; ++k) {
    if (p.SlotPlaced[k] != PlacedOwnWord || p.Clues.Clue(k - 1).empty()) continue;
    clues.push_back({p.SlotX[k], p.SlotY[k], p.SlotVertical[k], p.SlotAnswer[k].str(), std::string(p.Clues.Clue(k - 1))});
  }
  return clues;
}

void KeepPlacedWords(Puzzle& p, const DictionaryStore& d, const std::vector<OwnClue>& own_clues) {
  for (int i = 0; i < BoardStorage * BoardStorage; ++i) p.CellLetter[i] = p.PlacedLetter[i];
  for (auto& answer : p.SlotAnswer) answer.Clear();
  p.SlotPlaced.fill(NotPlaced);
  for (int k = 1; k <= p.SlotCount; ++k) {
    const std::string word = PlacedWord(p, k);
    if (word.empty()) continue;
    p.SlotAnswer[k] = word;
    const int e = FirstEntryOf(d, word);
    p.SlotDictPos[k] = static_cast<std::uint16_t>(e);
    p.SlotPlaced[k] = e != 0 ? PlacedDictionaryWord : PlacedOwnWord;
    std::string clue = e != 0 ? std::string(EntryCluePart(d.Entry(e))) : std::string();
    for (const OwnClue& own : own_clues) {
      if (e == 0 && own.x == p.SlotX[k] && own.y == p.SlotY[k] && own.vertical == p.SlotVertical[k] && own.word == word) {
        clue = own.clue;
      }
    }
    p.Clues.SetCell(1, k - 1, clue);
  }
}

std::vector<int> SlotsWantingClue(const Puzzle& p) {
  std::vector<int> slots;
  for (int k = 1; k <= p.SlotCount; ++k) {
    if (p.SlotPlaced[k] == PlacedOwnWord && p.Clues.Clue(k - 1).empty()) slots.push_back(k);
  }
  return slots;
}

}  // namespace gx
