#include "core/LinearWordSearch.h"

#include <string>
#include <vector>

namespace gx {

void LinearWordSearch::FindWord(FillRun& run, std::uint8_t slot, std::uint16_t start) {
  const Puzzle& p = run.puzzle;
  const DictionaryStore& d = run.dictionary;
  if (d.DictionaryCount < start) return;
  for (int e = start; e <= d.DictionaryCount; ++e) {
    run.host.ProcessEvents();
    const std::string_view entry = d.Entry(e);
    const std::string_view word = EntryWord(entry);
    bool placed = false;
    for (int k = 1; k <= p.SlotCount; ++k) {
      if (p.SlotAnswer[k] == word) placed = true;
    }
    if (placed || word.size() != p.SlotLength[slot]) continue;
    bool fits = true;
    for (int t = 0; t < p.SlotLength[slot]; ++t) {
      const char letter = p.Letter(p.SlotCellX(slot, t), p.SlotCellY(slot, t));
      if (letter != NoLetter && letter != word[static_cast<std::size_t>(t)]) fits = false;
    }
    if (!fits) continue;
    PlaceEntry(run, slot, static_cast<std::uint16_t>(e), word, EntryCluePart(entry));
    return;
  }
}

void LinearWordSearch::RequeueUsedWords(Puzzle& p, DictionaryStore& d) {
  d.DictionaryModified = true;
  std::vector<std::string> used;
  for (int k = 1; k <= p.SlotCount; ++k) used.push_back(UsedEntry(p, k));
  int w = 1;
  for (int e = 1; e <= d.DictionaryCount; ++e) {
    const std::string_view entry = d.Entry(e);
    bool drop = false;
    for (const std::string& slot_entry : used) {
      if (entry == slot_entry || entry.empty()) drop = true;
    }
    if (drop) continue;
    d.SetEntry(w, entry);
    ++w;
  }
  for (int k = 1; k <= p.SlotCount; ++k) {
    if (p.SlotAnswer[k].empty() || p.SlotPlaced[k] == PlacedOwnWord) continue;
    if (w <= DictionaryStore::Capacity) d.SetEntry(w, used[static_cast<std::size_t>(k - 1)]);
    ++w;
  }
}

}  // namespace gx
