#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/FillEngine.h"

namespace gx {

namespace {

// A quick first test of whether an entry can be one of the puzzle's: a bit per key of length and
// first two bytes. Most entries fail it and are never compared in full.
class EntryFilter {
 public:
  void Add(std::string_view entry) { bits_[Key(entry) >> 6] |= std::uint64_t{1} << (Key(entry) & 63); }
  bool MayContain(std::string_view entry) const { return (bits_[Key(entry) >> 6] >> (Key(entry) & 63)) & 1; }

 private:
  static unsigned Key(std::string_view entry) {
    unsigned key = static_cast<unsigned>(entry.size());
    if (!entry.empty()) key = key * 131 + static_cast<unsigned char>(entry[0]);
    if (entry.size() > 1) key = key * 131 + static_cast<unsigned char>(entry[1]);
    return key & 0xFFFF;
  }
  std::array<std::uint64_t, 1024> bits_{};
};

// Kept entries move towards the front in runs; a run of neighbouring records moves in one copy.
class RecordMover {
 public:
  explicit RecordMover(DictionaryStore& d) : d_(d) {}
  void Keep(int from, int to) {
    if (count_ > 0 && from == from_ + count_ && to == to_ + count_) {
      ++count_;
      return;
    }
    Flush();
    from_ = from;
    to_ = to;
    count_ = 1;
  }
  void Flush() {
    if (count_ > 0 && from_ != to_) {
      constexpr std::size_t size = DictionaryStore::RecordSize;
      std::memmove(d_.Buffer() + size * static_cast<std::size_t>(to_ - 1),
                   d_.Buffer() + size * static_cast<std::size_t>(from_ - 1), size * static_cast<std::size_t>(count_));
    }
    count_ = 0;
  }

 private:
  DictionaryStore& d_;
  int from_ = 0, to_ = 0, count_ = 0;
};

}  // namespace

void RequeueUsedWords(Puzzle& p, DictionaryStore& dictionary) {
  RequeueMoves moves;
  RequeueUsedWords(p, dictionary, moves);
}

void RequeueUsedWords(Puzzle& p, DictionaryStore& dictionary, RequeueMoves& moves) {
  dictionary.DictionaryModified = true;
  moves.dropped.clear();
  std::vector<std::string> used;
  used.reserve(p.SlotCount);
  auto filter = std::make_unique<EntryFilter>();
  for (int k = 1; k <= p.SlotCount; ++k) {
    used.push_back(UsedEntry(p, k));
    filter->Add(used.back());
  }
  // An empty slot stands for the empty entry, which goes whenever there is a slot at all.
  const bool drop_empty = p.SlotCount > 0;
  auto is_used = [&](std::string_view entry) {
    if (entry.empty()) return drop_empty;
    if (!filter->MayContain(entry)) return false;
    for (const std::string& slot_entry : used) {
      if (slot_entry == entry) return true;
    }
    return false;
  };

  int w = 1;
  RecordMover mover(dictionary);
  const std::uint8_t* record = dictionary.Buffer();
  for (int e = 1; e <= dictionary.DictionaryCount; ++e, record += DictionaryStore::RecordSize) {
    const std::size_t size = record[0] <= DictionaryStore::MaxEntryLength ? record[0] : DictionaryStore::MaxEntryLength;
    if (is_used(std::string_view(reinterpret_cast<const char*>(record + 1), size))) {
      moves.dropped.push_back(static_cast<std::uint16_t>(e));
      continue;
    }
    mover.Keep(e, w);
    ++w;
  }
  mover.Flush();
  moves.appended_from = w;
  for (int k = 1; k <= p.SlotCount; ++k) {
    if (p.SlotAnswer[k].empty() || p.SlotPlaced[k] == PlacedOwnWord) continue;
    // An entry whose text was not in the store drops nothing, so w may pass DictionaryCount;
    // writes past the end of the store are left out.
    if (w <= DictionaryStore::Capacity) dictionary.SetEntry(w, used[static_cast<std::size_t>(k - 1)]);
    ++w;
  }
  moves.appended_end = w;
}

}  // namespace gx
