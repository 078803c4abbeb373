#include <string>
#include <unordered_set>
#include <vector>

#include "core/FillEngine.h"

namespace gx {

void RequeueUsedWords(Puzzle& p, DictionaryStore& dictionary) {
  dictionary.DictionaryModified = 1;
  // Every slot's reconstructed entry, the empty slots' included: an empty slot stands for the
  // empty entry, which is dropped whenever there is a slot at all.
  std::vector<std::string> used;
  used.reserve(p.SlotCount);
  for (int k = 1; k <= p.SlotCount; ++k) used.push_back(ReconstructedEntry(p, k));
  const std::unordered_set<std::string_view> used_set(used.begin(), used.end());
  const bool drop_empty = p.SlotCount > 0;

  int w = 1;
  for (int e = 1; e <= dictionary.DictionaryCount; ++e) {
    const std::string_view entry = dictionary.Entry(e);
    if (used_set.count(entry) != 0 || (drop_empty && entry.empty())) continue;
    // Kept entries only ever move towards the front, so copying in place never overwrites one
    // that is still to be read (and two records never overlap).
    if (w != e) dictionary.SetEntry(w, entry);
    ++w;
  }
  for (int k = 1; k <= p.SlotCount; ++k) {
    if (p.SlotAnswer[k].empty()) continue;
    // An entry whose text was not in the store drops nothing, so w may pass DictionaryCount;
    // writes past the end of the store are left out.
    if (w <= DictionaryStore::Capacity) dictionary.SetEntry(w, used[static_cast<std::size_t>(k - 1)]);
    ++w;
  }
}

}  // namespace gx
