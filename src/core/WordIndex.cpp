#include "core/WordIndex.h"

#include <algorithm>

namespace gx {

namespace {

std::size_t WordLength(std::string_view entry) {
  const std::size_t space = entry.find(' ');
  return space == std::string_view::npos ? 0 : space;
}

// The letters already standing in a slot's cells: the only ones a candidate must match.
struct SlotPattern {
  std::array<std::uint8_t, 64> offsets{};
  std::array<char, 64> letters{};
  int count = 0;
};

SlotPattern PatternOf(const Puzzle& p, int slot) {
  SlotPattern pattern;
  for (int t = 0; t < p.SlotLength[slot] && t < 64; ++t) {
    const char letter = p.Letter(p.SlotCellX(slot, t), p.SlotCellY(slot, t));
    if (letter == NoLetter) continue;
    pattern.offsets[pattern.count] = static_cast<std::uint8_t>(t);
    pattern.letters[pattern.count++] = letter;
  }
  return pattern;
}

bool Fits(const SlotPattern& pattern, const char* word) {
  for (int i = 0; i < pattern.count; ++i) {
    if (word[pattern.offsets[i]] != pattern.letters[i]) return false;
  }
  return true;
}

bool AlreadyPlaced(const Puzzle& p, std::string_view word) {
  for (int k = 1; k <= p.SlotCount; ++k) {
    if (p.SlotAnswer[k] == word) return true;
  }
  return false;
}

}  // namespace

void WordIndex::Build(const DictionaryStore& dictionary) {
  const int count = dictionary.DictionaryCount;
  std::array<std::uint32_t, MaxWordLength + 2> sizes{};
  std::vector<std::uint8_t> lengths(static_cast<std::size_t>(count) + 1);
  for (int e = 1; e <= count; ++e) {
    lengths[e] = static_cast<std::uint8_t>(WordLength(dictionary.Entry(e)));
    ++sizes[lengths[e]];
  }
  offsets_[0] = 0;
  for (int length = 0; length <= MaxWordLength; ++length) offsets_[length + 1] = offsets_[length] + sizes[length];
  positions_.assign(static_cast<std::size_t>(count), 0);
  std::array<std::uint32_t, MaxWordLength + 2> next = offsets_;
  // Positions are visited in ascending order, so every group stays in store order.
  for (int e = 1; e <= count; ++e) positions_[next[lengths[e]]++] = static_cast<std::uint16_t>(e);
}

void IndexedWordSearch::FindWord(FillRun& run, std::uint8_t slot, std::uint16_t start) {
  const Puzzle& p = run.puzzle;
  const int length = p.SlotLength[slot];
  // An entry without a space has no word and never fits; no word is longer than an entry.
  if (length == 0 || length > WordIndex::MaxWordLength) return;
  const SlotPattern pattern = PatternOf(p, slot);
  const std::uint16_t* end = index_.End(length);
  for (const std::uint16_t* it = std::lower_bound(index_.Begin(length), end, start); it != end; ++it) {
    run.host.ProcessEvents();
    const std::string_view entry = run.dictionary.Entry(*it);
    if (!Fits(pattern, entry.data())) continue;
    const std::string_view word = entry.substr(0, static_cast<std::size_t>(length));
    if (AlreadyPlaced(p, word)) continue;
    PlaceEntry(run, slot, *it, word, entry.substr(static_cast<std::size_t>(length)));
    return;
  }
}

void IndexedWordSearch::RequeueUsedWords(Puzzle& puzzle, DictionaryStore& dictionary) {
  gx::RequeueUsedWords(puzzle, dictionary);
  index_.Build(dictionary);
}

}  // namespace gx
