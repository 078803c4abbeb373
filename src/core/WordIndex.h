#pragma once
// The program's word search: the dictionary positions grouped by word length, each group in store
// order, so "the first fitting entry at a position >= start" is found by a binary search for start
// and a scan of that one group. Only entries whose letters fit are compared with the placed
// answers. The index describes one order of the store: it is rebuilt when a fill starts and after
// every requeue (the only reorder that happens during a fill) before the next lookup.

#include <array>
#include <cstdint>
#include <vector>

#include "core/FillEngine.h"

namespace gx {

class WordIndex {
 public:
  static constexpr int MaxWordLength = DictionaryStore::MaxEntryLength;

  void Build(const DictionaryStore& dictionary);
  // Positions (1-based, ascending) of the entries whose word has this many characters.
  const std::uint16_t* Begin(int length) const { return positions_.data() + offsets_[length]; }
  const std::uint16_t* End(int length) const { return positions_.data() + offsets_[length + 1]; }

 private:
  std::array<std::uint32_t, MaxWordLength + 2> offsets_{};
  std::vector<std::uint16_t> positions_;
  std::vector<std::uint8_t> lengths_;  // word length per position, kept to spare reallocation
};

class IndexedWordSearch : public WordSearch {
 public:
  void Prepare(const DictionaryStore& dictionary) override {
    index_.Build(dictionary);
    stale_ = false;
  }
  void FindWord(FillRun& run, std::uint8_t slot, std::uint16_t start) override;
  void RequeueUsedWords(Puzzle& puzzle, DictionaryStore& dictionary) override;

 private:
  WordIndex index_;
  bool stale_ = false;  // the store was reordered since the index was built
};

}  // namespace gx
