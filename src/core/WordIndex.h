#pragma once
// The program's word search: the dictionary positions grouped by word length, each group in store
// order, and within a length by the letter at each offset. "The first fitting entry at a position
// >= start" is the first position >= start found in every list of the letters already standing in
// the slot (or in the length group when none stands there); only such entries are compared with
// the placed answers. The letter lists of a length are made only once plain walks of its group
// have become costly. The index describes one content of the store, named by the store's stamp:
// it is kept from one fill to the next while the stamp holds, follows each requeue (the requeue
// says which positions it dropped and where it wrote the used entries, so the groups are shifted,
// not rebuilt) and is built anew after any other change.
//
// Building the index reads the whole store, which costs more than an easy fill: most lookups find
// a word within the first few hundred entries. So without an index at hand, lookups first scan the
// store directly, with the same cheap tests, and the index is built once such scans have read a
// few thousand entries, or at the latest by the requeue that ends the fill.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/FillEngine.h"

namespace gx {

// Ascending dictionary positions, as a range.
struct PositionList {
  const std::uint16_t* begin = nullptr;
  const std::uint16_t* end = nullptr;
};

class WordIndex {
 public:
  static constexpr int MaxWordLength = DictionaryStore::MaxEntryLength;

  void Build(const DictionaryStore& dictionary);
  // Brings the index from the order before the requeue to the order after it.
  void FollowRequeue(const DictionaryStore& dictionary, const RequeueMoves& moves);
  // Every position whose entry equals one of the texts (given once each), ascending; hints[i] is
  // where texts[i] most likely stands (0 when unknown). Exact: a key shared by several entries
  // makes the search read them all.
  void PositionsOf(const DictionaryStore& dictionary, const std::vector<std::string_view>& texts,
                   const std::vector<int>& hints, std::vector<std::uint16_t>& positions) const;
  // The index was made for the store's present records.
  bool Describes(const DictionaryStore& dictionary) const {
    return built_ && stamp_ == dictionary.Stamp() && count_ == dictionary.DictionaryCount;
  }
  // The entries whose word has this many characters.
  PositionList Words(int length) const {
    return {positions_.data() + offsets_[length], positions_.data() + offsets_[length + 1]};
  }
  // The first 8 bytes of each entry of Words(length), in the same order.
  const std::uint64_t* Prefixes(int length) const { return group_prefixes_.data() + offsets_[length]; }
  // The entries whose word has this many characters and this letter at offset t (0-based). The
  // lists of one length are made on first use after a build.
  PositionList WordsWithLetter(const DictionaryStore& dictionary, int length, int t, char letter);
  bool HasLetterLists(int length) const { return letters_[static_cast<std::size_t>(length)].built; }

 private:
  struct LetterLists {
    bool built = false;
    std::vector<std::uint32_t> offsets;  // by t * 256 + letter
    std::vector<std::uint16_t> positions;
  };
  void BuildLetterLists(const DictionaryStore& dictionary, int length);
  void Describe(const DictionaryStore& dictionary) {
    built_ = true;
    stamp_ = dictionary.Stamp();
    count_ = dictionary.DictionaryCount;
  }

  bool built_ = false;
  std::uint64_t stamp_ = 0;
  int count_ = 0;

  std::array<std::uint32_t, MaxWordLength + 2> offsets_{};
  std::vector<std::uint16_t> positions_;
  std::vector<std::uint8_t> lengths_;  // word length per position
  // A 16-bit key of each position's entry (from its size and first bytes), and for every key the
  // number of positions that have it: a key that only one entry has leads straight to it.
  std::vector<std::uint16_t> keys_;
  std::vector<std::uint16_t> key_counts_;
  std::vector<std::uint16_t> group_keys_;  // the key of each entry of positions_
  // The first 8 bytes of each entry of positions_: scans test the letters there without reading
  // the scattered records.
  std::vector<std::uint64_t> group_prefixes_;
  // The next positions_, group_keys_ and group_prefixes_ while a requeue is followed, and the
  // positions it wrote.
  std::vector<std::uint16_t> spare_, spare_keys_, behind_;
  std::vector<std::uint64_t> spare_prefixes_;
  std::array<LetterLists, MaxWordLength + 1> letters_;
};

class IndexedWordSearch : public WordSearch {
 public:
  // Entries read by direct scans before the index is built.
  static constexpr int kDirectScanBudget = 4096;
  explicit IndexedWordSearch(int direct_scan_budget = kDirectScanBudget) : budget_(direct_scan_budget) {}

  void Prepare(const DictionaryStore& dictionary) override {
    if (!index_.Describes(dictionary)) Invalidate();
  }
  void FindWord(FillRun& run, std::uint8_t slot, std::uint16_t start) override;
  void RequeueUsedWords(Puzzle& puzzle, DictionaryStore& dictionary) override;

 private:
  void Invalidate() {
    scanned_ = 0;
    group_scanned_.fill(0);
  }
  // Scans from start until a word is placed (true), the store ends (true) or the budget is
  // spent (false, with next the first position not yet read).
  bool ScanDirectly(FillRun& run, std::uint8_t slot, int start, int& next);
  void SearchIndex(FillRun& run, std::uint8_t slot, int start);
  // Walks the length group, testing the letters of each entry.
  void ScanGroup(FillRun& run, std::uint8_t slot, int start);
  // Intersects the lists of the letters standing in the slot.
  void SearchLetterLists(FillRun& run, std::uint8_t slot, int start);

  WordIndex index_;
  RequeueMoves moves_;
  int budget_;
  int scanned_ = 0;  // entries read by direct scans since the store last changed
  // Entries read by group scans per word length since the index was built or last followed a
  // requeue (which drops the letter lists): the letter lists of a length are made once scans have
  // read its group eight times over. Scans test the index's copy of the first letters, so they stay
  // cheaper than making the lists for that long.
  std::array<int, WordIndex::MaxWordLength + 1> group_scanned_{};
};

}  // namespace gx
