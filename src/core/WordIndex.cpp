#include "core/WordIndex.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace gx {

namespace {

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

// The first element >= value from `from` on: a galloping search, since the lists are walked
// forward in small steps far more often than in long ones.
const std::uint16_t* SeekFrom(const std::uint16_t* from, const std::uint16_t* end, int value) {
  // An empty list may have no storage at all: no arithmetic on its null pointer.
  if (from == end) return end;
  std::ptrdiff_t step = 1;
  const std::uint16_t* low = from;
  while (low + step < end && low[step] < value) {
    low += step;
    step *= 2;
  }
  const std::uint16_t* high = low + step < end ? low + step + 1 : end;
  return std::lower_bound(low, high, value);
}

// Entry e read straight from its record; e is a position of the store (1..DictionaryCount).
std::string_view RecordText(const DictionaryStore& d, int e) {
  const std::uint8_t* record = d.Buffer() + static_cast<std::size_t>(DictionaryStore::RecordSize) * (e - 1);
  const std::size_t size = record[0] <= DictionaryStore::MaxEntryLength ? record[0] : DictionaryStore::MaxEntryLength;
  return {reinterpret_cast<const char*>(record + 1), size};
}

// Offset of the first space among 8 bytes (8 when none): a zero byte of bytes ^ spaces marks a
// space, and the lowest marked byte is exact (borrows only run towards higher bytes).
int FirstSpaceIn(std::uint64_t bytes) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
  const std::uint64_t spaces = bytes ^ (kOnes * ' ');
  const std::uint64_t marks = (spaces - kOnes) & ~spaces & kHighs;
  return marks == 0 ? 8 : std::countr_zero(marks) / 8;
}

// The length of the word of a record's entry: the offset of the first space within the entry's
// size, 0 when it has none. Words are short, so the first 16 bytes are tested without a branch
// per byte; the record always holds them, whatever the entry's size.
int RecordWordLength(const std::uint8_t* record) {
  const int size = record[0] <= DictionaryStore::MaxEntryLength ? record[0] : DictionaryStore::MaxEntryLength;
  int length = 16;
  if constexpr (std::endian::native == std::endian::little) {
    std::uint64_t low = 0, high = 0;
    std::memcpy(&low, record + 1, sizeof low);
    std::memcpy(&high, record + 9, sizeof high);
    length = FirstSpaceIn(low);
    if (length == 8) length = 8 + FirstSpaceIn(high);
  } else {
    length = 0;
    while (length < 16 && record[1 + length] != ' ') ++length;
  }
  if (length < 16) return length < size ? length : 0;
  // No space among the first 16 bytes: a longer entry may still have one further on.
  if (size <= 16) return 0;
  while (length < size && record[1 + length] != ' ') ++length;
  return length < size ? length : 0;
}

// The key of an entry of this size whose first 16 bytes (zero past the size) are low and high.
std::uint16_t MixKey(std::size_t size, std::uint64_t low, std::uint64_t high) {
  std::uint64_t h = low * 0x9E3779B97F4A7C15ull ^ (high + size) * 0xC2B2AE3D27D4EB4Full;
  h ^= h >> 29;
  h *= 0xBF58476D1CE4E5B9ull;
  return static_cast<std::uint16_t>(h >> 48);
}

// The first 16 bytes of a text of the given size, as two words with the bytes past the size
// zero; the bytes are read from `bytes`, which holds at least 16 (a record always does).
void First16(const std::uint8_t* bytes, std::size_t size, std::uint64_t& low, std::uint64_t& high) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&low, bytes, sizeof low);
    std::memcpy(&high, bytes + 8, sizeof high);
    if (size < 16) high &= size <= 8 ? 0 : ~std::uint64_t{0} >> (8 * (16 - size));
    if (size < 8) low &= size == 0 ? 0 : ~std::uint64_t{0} >> (8 * (8 - size));
  } else {
    low = high = 0;
    for (std::size_t i = 0; i < 16 && i < size; ++i) (i < 8 ? low : high) |= std::uint64_t{bytes[i]} << (8 * (i % 8));
  }
}

std::uint64_t RecordPrefix(const std::uint8_t* record) {
  std::uint64_t prefix = 0;
  std::memcpy(&prefix, record + 1, sizeof prefix);
  return prefix;
}

std::uint16_t RecordKey(const std::uint8_t* record) {
  const std::size_t size = record[0] <= DictionaryStore::MaxEntryLength ? record[0] : DictionaryStore::MaxEntryLength;
  std::uint64_t low = 0, high = 0;
  First16(record + 1, size, low, high);
  return MixKey(size, low, high);
}

std::uint16_t TextKey(std::string_view text) {
  std::array<std::uint8_t, 16> bytes{};
  if (!text.empty()) std::memcpy(bytes.data(), text.data(), text.size() < 16 ? text.size() : 16);
  std::uint64_t low = 0, high = 0;
  First16(bytes.data(), text.size(), low, high);
  return MixKey(text.size(), low, high);
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
  lengths_.resize(static_cast<std::size_t>(count) + 1);
  keys_.resize(static_cast<std::size_t>(count) + 1);
  key_counts_.assign(std::size_t{1} << 16, 0);
  const std::uint8_t* record = dictionary.Buffer();
  for (int e = 1; e <= count; ++e, record += DictionaryStore::RecordSize) {
    // An entry without a space has no word: it goes with the words of length 0, never looked up.
    lengths_[e] = static_cast<std::uint8_t>(RecordWordLength(record));
    ++sizes[lengths_[e]];
    keys_[e] = RecordKey(record);
    ++key_counts_[keys_[e]];
  }
  offsets_[0] = 0;
  for (int length = 0; length <= MaxWordLength; ++length) offsets_[length + 1] = offsets_[length] + sizes[length];
  positions_.resize(static_cast<std::size_t>(count));
  std::array<std::uint32_t, MaxWordLength + 2> next = offsets_;
  // Positions are visited in ascending order, so every group stays in store order.
  group_keys_.resize(static_cast<std::size_t>(count));
  group_prefixes_.resize(static_cast<std::size_t>(count));
  record = dictionary.Buffer();
  for (int e = 1; e <= count; ++e, record += DictionaryStore::RecordSize) {
    const std::uint32_t at = next[lengths_[e]]++;
    positions_[at] = static_cast<std::uint16_t>(e);
    group_keys_[at] = keys_[e];
    group_prefixes_[at] = RecordPrefix(record);
  }
  for (LetterLists& lists : letters_) lists.built = false;
  Describe(dictionary);
}

void WordIndex::FollowRequeue(const DictionaryStore& dictionary, const RequeueMoves& moves) {
  const int count = dictionary.DictionaryCount;
  const std::vector<std::uint16_t>& dropped = moves.dropped;
  const int drops = static_cast<int>(dropped.size());
  // The word lengths move as the records did: each run between two dropped positions moves
  // forward by the drops before it; the used entries are read where the requeue wrote them; the
  // positions behind them keep their records and so their lengths.
  // The keys go the same way; their counts lose the dropped entries and gain the written ones
  // and those behind them, which now stand twice in the store.
  std::uint8_t* lengths = lengths_.data();
  std::uint16_t* keys = keys_.data();
  for (std::uint16_t e : dropped) --key_counts_[keys[e]];
  for (int j = 0; j < drops; ++j) {
    const int from = dropped[j] + 1, to = j + 1 < drops ? dropped[j + 1] : count + 1;
    if (to <= from) continue;
    std::memmove(lengths + from - (j + 1), lengths + from, static_cast<std::size_t>(to - from));
    std::memmove(keys + from - (j + 1), keys + from, sizeof *keys * static_cast<std::size_t>(to - from));
  }
  const int appended_end = std::min(moves.appended_end, count + 1);
  const std::uint8_t* record = dictionary.Buffer() + static_cast<std::size_t>(DictionaryStore::RecordSize) * (moves.appended_from - 1);
  for (int e = moves.appended_from; e < appended_end; ++e, record += DictionaryStore::RecordSize) {
    lengths[e] = static_cast<std::uint8_t>(RecordWordLength(record));
    keys[e] = RecordKey(record);
  }
  for (int e = moves.appended_from; e <= count; ++e) ++key_counts_[keys[e]];
  // Each group keeps its kept positions in order, each lowered by the drops before it, and takes
  // the written and the untouched positions behind them that have its length.
  behind_.clear();
  for (int e = moves.appended_from; e <= count; ++e) behind_.push_back(static_cast<std::uint16_t>(e));
  std::stable_sort(behind_.begin(), behind_.end(), [lengths](int a, int b) { return lengths[a] < lengths[b]; });
  const std::uint16_t* next_behind = behind_.data();
  const std::uint16_t* const behind_end = behind_.data() + behind_.size();
  spare_.resize(static_cast<std::size_t>(count));
  spare_keys_.resize(static_cast<std::size_t>(count));
  std::uint16_t* out = spare_.data();
  std::uint16_t* out_keys = spare_keys_.data();
  spare_prefixes_.resize(static_cast<std::size_t>(count));
  std::uint64_t* out_prefixes = spare_prefixes_.data();
  std::array<std::uint32_t, MaxWordLength + 2> offsets{};
  for (int length = 0; length <= MaxWordLength; ++length) {
    offsets[length] = static_cast<std::uint32_t>(out - spare_.data());
    const PositionList group = Words(length);
    const std::uint16_t* it = group.begin;
    for (int j = 0; j <= drops && it != group.end; ++j) {
      const int bound = j < drops ? dropped[j] : count + 1;
      const std::uint16_t* run_end = SeekFrom(it, group.end, bound);
      const auto shift = static_cast<std::uint16_t>(j);
      const std::size_t run = static_cast<std::size_t>(run_end - it);
      std::memcpy(out_keys, group_keys_.data() + (it - positions_.data()), run * sizeof *out_keys);
      out_keys += run;
      std::memcpy(out_prefixes, group_prefixes_.data() + (it - positions_.data()), run * sizeof *out_prefixes);
      out_prefixes += run;
      for (; it != run_end; ++it) *out++ = static_cast<std::uint16_t>(*it - shift);
      if (it != group.end && *it == bound) ++it;
    }
    for (; next_behind != behind_end && lengths[*next_behind] == length; ++next_behind) {
      *out++ = *next_behind;
      *out_keys++ = keys[*next_behind];
      *out_prefixes++ = RecordPrefix(dictionary.Buffer() + static_cast<std::size_t>(DictionaryStore::RecordSize) * (*next_behind - 1));
    }
  }
  offsets[MaxWordLength + 1] = static_cast<std::uint32_t>(out - spare_.data());
  group_keys_.swap(spare_keys_);
  group_prefixes_.swap(spare_prefixes_);
  offsets_ = offsets;
  positions_.swap(spare_);
  for (LetterLists& lists : letters_) lists.built = false;
  Describe(dictionary);
}

void WordIndex::PositionsOf(const DictionaryStore& dictionary, const std::vector<std::string_view>& texts,
                            const std::vector<int>& hints, std::vector<std::uint16_t>& positions) const {
  positions.clear();
  const int count = count_;
  const std::uint16_t* keys = keys_.data();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string_view text = texts[i];
    if (text.size() > static_cast<std::size_t>(DictionaryStore::MaxEntryLength)) continue;  // no entry is that long
    const std::uint16_t key = TextKey(text);
    if (key_counts_[key] == 0) continue;
    const int hint = hints[i];
    if (key_counts_[key] == 1 && hint >= 1 && hint <= count && keys[hint] == key) {
      if (RecordText(dictionary, hint) == text) positions.push_back(static_cast<std::uint16_t>(hint));
      continue;
    }
    // An equal entry has the same word, so only the text's length group is searched, four keys at
    // once: a lane of keys ^ key is zero where the key is.
    const std::size_t space = text.find(' ');
    const int length = space == std::string_view::npos ? 0 : static_cast<int>(space);
    const std::uint16_t* group = positions_.data() + offsets_[length];
    const std::uint16_t* group_keys = group_keys_.data() + offsets_[length];
    const std::size_t size = offsets_[length + 1] - offsets_[length];
    constexpr std::uint64_t kLanes = 0x0001000100010001ull, kHighs = 0x8000800080008000ull;
    const std::uint64_t spread = kLanes * key;
    std::size_t i4 = 0;
    for (; i4 + 4 <= size; i4 += 4) {
      std::uint64_t lanes = 0;
      std::memcpy(&lanes, group_keys + i4, sizeof lanes);
      lanes ^= spread;
      if (((lanes - kLanes) & ~lanes & kHighs) == 0) continue;
      for (std::size_t b = i4; b < i4 + 4; ++b) {
        if (group_keys[b] == key && RecordText(dictionary, group[b]) == text) positions.push_back(group[b]);
      }
    }
    for (; i4 < size; ++i4) {
      if (group_keys[i4] == key && RecordText(dictionary, group[i4]) == text) positions.push_back(group[i4]);
    }
  }
  std::sort(positions.begin(), positions.end());
}

void WordIndex::BuildLetterLists(const DictionaryStore& dictionary, int length) {
  LetterLists& lists = letters_[static_cast<std::size_t>(length)];
  const PositionList words = Words(length);
  const std::size_t keys = static_cast<std::size_t>(length) * 256;
  lists.offsets.assign(keys + 1, 0);
  for (const std::uint16_t* e = words.begin; e != words.end; ++e) {
    const std::string_view word = RecordText(dictionary, *e);
    for (int t = 0; t < length; ++t) ++lists.offsets[static_cast<std::size_t>(t) * 256 + static_cast<unsigned char>(word[t]) + 1];
  }
  for (std::size_t key = 0; key < keys; ++key) lists.offsets[key + 1] += lists.offsets[key];
  lists.positions.resize(lists.offsets[keys]);
  std::vector<std::uint32_t> next(lists.offsets.begin(), lists.offsets.end() - 1);
  // The length group is in store order, so every list is too.
  for (const std::uint16_t* e = words.begin; e != words.end; ++e) {
    const std::string_view word = RecordText(dictionary, *e);
    for (int t = 0; t < length; ++t) {
      lists.positions[next[static_cast<std::size_t>(t) * 256 + static_cast<unsigned char>(word[t])]++] = *e;
    }
  }
  lists.built = true;
}

PositionList WordIndex::WordsWithLetter(const DictionaryStore& dictionary, int length, int t, char letter) {
  LetterLists& lists = letters_[static_cast<std::size_t>(length)];
  if (!lists.built) BuildLetterLists(dictionary, length);
  const std::size_t key = static_cast<std::size_t>(t) * 256 + static_cast<unsigned char>(letter);
  return {lists.positions.data() + lists.offsets[key], lists.positions.data() + lists.offsets[key + 1]};
}

void IndexedWordSearch::FindWord(FillRun& run, std::uint8_t slot, std::uint16_t start) {
  const int length = run.puzzle.SlotLength[slot];
  // An entry without a space has no word and never fits; no word is longer than an entry.
  if (length == 0 || length > WordIndex::MaxWordLength) return;
  int next = start;
  if (!index_.Describes(run.dictionary)) {
    if (ScanDirectly(run, slot, start, next)) return;
    index_.Build(run.dictionary);
  }
  SearchIndex(run, slot, next);
}

bool IndexedWordSearch::ScanDirectly(FillRun& run, std::uint8_t slot, int start, int& next) {
  const Puzzle& p = run.puzzle;
  const DictionaryStore& d = run.dictionary;
  const int length = p.SlotLength[slot];
  const SlotPattern pattern = PatternOf(p, slot);
  for (int e = start; e <= d.DictionaryCount; ++e) {
    if (scanned_ >= budget_) {
      next = e;
      return false;
    }
    ++scanned_;
    run.host.ProcessEvents();
    const std::string_view entry = RecordText(d, e);
    // The word is the text before the first space: it has the slot's length when the space
    // stands right after it and nowhere before.
    if (entry.size() <= static_cast<std::size_t>(length) || entry[static_cast<std::size_t>(length)] != ' ') continue;
    const std::string_view word = entry.substr(0, static_cast<std::size_t>(length));
    if (word.find(' ') != std::string_view::npos || !Fits(pattern, entry.data()) || AlreadyPlaced(p, word)) continue;
    PlaceEntry(run, slot, static_cast<std::uint16_t>(e), word, entry.substr(static_cast<std::size_t>(length)));
    return true;
  }
  return true;
}

void IndexedWordSearch::SearchIndex(FillRun& run, std::uint8_t slot, int start) {
  const int length = run.puzzle.SlotLength[slot];
  const PositionList group = index_.Words(length);
  const bool constrained = PatternOf(run.puzzle, slot).count > 0;
  if (constrained && (index_.HasLetterLists(length) || group_scanned_[length] >= 8 * (group.end - group.begin))) {
    SearchLetterLists(run, slot, start);
  } else {
    ScanGroup(run, slot, start);
  }
}

void IndexedWordSearch::ScanGroup(FillRun& run, std::uint8_t slot, int start) {
  const Puzzle& p = run.puzzle;
  const int length = p.SlotLength[slot];
  const SlotPattern pattern = PatternOf(p, slot);
  // The letters among the first 8 are tested on the index's copy of those bytes, all at once; only
  // the letters further on are read from the record.
  std::array<std::uint8_t, 8> mask_bytes{}, letter_bytes{};
  SlotPattern further;
  for (int i = 0; i < pattern.count; ++i) {
    if (pattern.offsets[i] < 8) {
      mask_bytes[pattern.offsets[i]] = 0xFF;
      letter_bytes[pattern.offsets[i]] = static_cast<std::uint8_t>(pattern.letters[i]);
    } else {
      further.offsets[further.count] = pattern.offsets[i];
      further.letters[further.count++] = pattern.letters[i];
    }
  }
  std::uint64_t mask = 0, letters = 0;
  std::memcpy(&mask, mask_bytes.data(), sizeof mask);
  std::memcpy(&letters, letter_bytes.data(), sizeof letters);
  const PositionList group = index_.Words(length);
  const std::uint64_t* prefixes = index_.Prefixes(length);
  const std::uint16_t* first = std::lower_bound(group.begin, group.end, start);
  const std::uint16_t* it = first;
  for (; it != group.end; ++it) {
    // An entry costs far less than the host's look at its clock: events are processed every 64.
    if (((it - first) & 63) == 63) run.host.ProcessEvents();
    if (((prefixes[it - group.begin] ^ letters) & mask) != 0) continue;
    const std::string_view entry = RecordText(run.dictionary, *it);
    if (!Fits(further, entry.data())) continue;
    const std::string_view word = entry.substr(0, static_cast<std::size_t>(length));
    if (AlreadyPlaced(p, word)) continue;
    PlaceEntry(run, slot, *it, word, entry.substr(static_cast<std::size_t>(length)));
    ++it;
    break;
  }
  group_scanned_[length] += static_cast<int>(it - first);
}

void IndexedWordSearch::SearchLetterLists(FillRun& run, std::uint8_t slot, int start) {
  const Puzzle& p = run.puzzle;
  const int length = p.SlotLength[slot];
  const SlotPattern pattern = PatternOf(p, slot);
  std::array<PositionList, 64> lists;
  std::array<const std::uint16_t*, 64> at;
  for (int i = 0; i < pattern.count; ++i) {
    lists[i] = index_.WordsWithLetter(run.dictionary, length, pattern.offsets[i], pattern.letters[i]);
    at[i] = lists[i].begin;
  }
  // Leapfrog: every list moves to the first position >= the candidate; a list that overshoots
  // makes its position the next candidate. Positions found in all lists fit the letters.
  int candidate = start;
  for (;;) {
    bool agreed = true;
    for (int i = 0; i < pattern.count; ++i) {
      at[i] = SeekFrom(at[i], lists[i].end, candidate);
      if (at[i] == lists[i].end) return;
      if (*at[i] != candidate) {
        candidate = *at[i];
        agreed = false;
        break;
      }
    }
    if (!agreed) continue;
    run.host.ProcessEvents();
    const std::string_view entry = RecordText(run.dictionary, candidate);
    const std::string_view word = entry.substr(0, static_cast<std::size_t>(length));
    if (!AlreadyPlaced(p, word)) {
      PlaceEntry(run, slot, static_cast<std::uint16_t>(candidate), word, entry.substr(static_cast<std::size_t>(length)));
      return;
    }
    ++candidate;
  }
}

void IndexedWordSearch::RequeueUsedWords(Puzzle& puzzle, DictionaryStore& dictionary) {
  if (!index_.Describes(dictionary)) {
    // The next fill will want the index: it is made now, from the order the requeue leaves.
    gx::RequeueUsedWords(puzzle, dictionary);
    index_.Build(dictionary);
    group_scanned_.fill(0);
    return;
  }
  // The index finds the positions of the used entries, which spares reading the whole store.
  const std::vector<std::string> used = UsedEntries(puzzle);
  std::vector<std::string_view> texts;
  std::vector<int> hints;
  std::vector<int> order(used.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::sort(order.begin(), order.end(), [&used](int a, int b) { return used[a] < used[b]; });
  for (std::size_t i = 0; i < order.size(); ++i) {
    const std::string& text = used[order[i]];
    if (i > 0 && text == used[order[i - 1]]) continue;
    texts.push_back(text);
    hints.push_back(text.empty() ? 0 : puzzle.SlotDictPos[order[i] + 1]);
  }
  // Empty entries go whenever the puzzle has a slot, as an empty slot stands for them.
  if (puzzle.SlotCount > 0 && (texts.empty() || !texts.front().empty())) {
    texts.insert(texts.begin(), std::string_view{});
    hints.insert(hints.begin(), 0);
  }
  index_.PositionsOf(dictionary, texts, hints, moves_.dropped);
  DropAndAppend(puzzle, dictionary, used, moves_);
  index_.FollowRequeue(dictionary, moves_);
  group_scanned_.fill(0);
}

}  // namespace gx
