#pragma once
// The program's word search: the dictionary positions grouped by word length, each group in store
// order, so "the first fitting entry at a position >= start" is found by a binary search for start
// and a scan of that one group. Only entries whose letters fit are compared with the placed
// answers. The index describes one order of the store, so it is dropped when a fill starts and
// after every requeue (the only reorder that happens during a fill).
//
// Building the index reads the whole store, which costs more than an easy fill: most lookups find
// a word within the first few hundred entries. So lookups first scan the store directly, with the
// same cheap tests, and the index is built only once such scans have read a few thousand entries
// since the store last changed order.

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
  // Entries read by direct scans before the index is built.
  static constexpr int kDirectScanBudget = 4096;
  explicit IndexedWordSearch(int direct_scan_budget = kDirectScanBudget) : budget_(direct_scan_budget) {}

  void Prepare(const DictionaryStore&) override { Invalidate(); }
  void FindWord(FillRun& run, std::uint8_t slot, std::uint16_t start) override;
  void RequeueUsedWords(Puzzle& puzzle, DictionaryStore& dictionary) override;

 private:
  void Invalidate() {
    indexed_ = false;
    scanned_ = 0;
  }
  // Scans from start until a word is placed (true), the store ends (true) or the budget is
  // spent (false, with next the first position not yet read).
  bool ScanDirectly(FillRun& run, std::uint8_t slot, int start, int& next);
  void SearchIndex(FillRun& run, std::uint8_t slot, int start);

  WordIndex index_;
  int budget_;
  bool indexed_ = false;  // the index describes the store's present order
  int scanned_ = 0;       // entries read by direct scans since the order last changed
};

}  // namespace gx
