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

}  // namespace

void RequeueUsedWords(Puzzle& p, DictionaryStore& dictionary) {
  RequeueMoves moves;
  RequeueUsedWords(p, dictionary, moves);
}

std::vector<std::string> UsedEntries(const Puzzle& p) {
  std::vector<std::string> used;
  used.reserve(p.SlotCount);
  for (int k = 1; k <= p.SlotCount; ++k) used.push_back(UsedEntry(p, k));
  return used;
}

void RequeueUsedWords(Puzzle& p, DictionaryStore& dictionary, RequeueMoves& moves) {
  const std::vector<std::string> used = UsedEntries(p);
  auto filter = std::make_unique<EntryFilter>();
  for (const std::string& entry : used) filter->Add(entry);
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
  moves.dropped.clear();
  const DictionaryStore& store = dictionary;
  const std::uint8_t* record = store.Buffer();
  for (int e = 1; e <= store.DictionaryCount; ++e, record += DictionaryStore::RecordSize) {
    const std::size_t size = record[0] <= DictionaryStore::MaxEntryLength ? record[0] : DictionaryStore::MaxEntryLength;
    if (is_used(std::string_view(reinterpret_cast<const char*>(record + 1), size))) {
      moves.dropped.push_back(static_cast<std::uint16_t>(e));
    }
  }
  DropAndAppend(p, dictionary, used, moves);
}

void DropAndAppend(const Puzzle& p, DictionaryStore& dictionary, const std::vector<std::string>& used,
                   RequeueMoves& moves) {
  dictionary.DictionaryModified = true;
  const std::vector<std::uint16_t>& dropped = moves.dropped;
  const int count = dictionary.DictionaryCount;
  // The kept entries between two dropped ones move forward together, in one copy.
  constexpr std::size_t size = DictionaryStore::RecordSize;
  std::uint8_t* records = dictionary.Buffer();
  for (std::size_t j = 0; j < dropped.size(); ++j) {
    const int from = dropped[j] + 1, to = j + 1 < dropped.size() ? dropped[j + 1] : count + 1;
    if (to <= from) continue;
    std::memmove(records + size * static_cast<std::size_t>(from - 1 - static_cast<int>(j + 1)),
                 records + size * static_cast<std::size_t>(from - 1), size * static_cast<std::size_t>(to - from));
  }
  int w = count - static_cast<int>(dropped.size()) + 1;
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
