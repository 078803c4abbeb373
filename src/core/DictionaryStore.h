#pragma once
// The in-memory dictionary: 16,384 records of 129 bytes allocated once for the whole run.
// Record e-1 holds entry e (1-based): a length byte (0..128) and up to 128 Windows-1251 bytes.
// An entry is the word, one space, then the clue; the word is the text before the first space.

#include <cstdint>
#include <memory>
#include <string_view>

#include "base/FixedString.h"

namespace gx {

class DictionaryStore {
 public:
  static constexpr int Capacity = 16384;
  static constexpr int RecordSize = 129;
  static constexpr int MaxEntryLength = 128;

  DictionaryStore();

  // Entry e, 1 <= e <= Capacity (positions outside give an empty text).
  std::string_view Entry(int e) const;
  // Writes entry e cut to 128 characters; positions outside the store are dropped.
  void SetEntry(int e, std::string_view text);

  // The records for writing: the stamp changes, so the pointer is for the change at hand only and
  // must not be kept past it.
  std::uint8_t* Buffer() {
    Changing();
    return buffer_.get();
  }
  const std::uint8_t* Buffer() const { return buffer_.get(); }

  // Names the records' present content: a change through SetEntry or the writable Buffer() after
  // the stamp was read draws a stamp no store of the run has had, and only CopyRecordsFrom hands
  // one on, with the records it names. What is derived from the records (the fill's word index)
  // remembers the stamp and the DictionaryCount it was made for, and is trusted only while both
  // still hold.
  std::uint64_t Stamp() const {
    stamp_read_ = true;
    return stamp_;
  }
  // Every record, the count and the stamp of the other store.
  void CopyRecordsFrom(const DictionaryStore& other);

  std::uint16_t DictionaryCount = 0;
  FixedString<32> DictionaryName;
  bool DictionaryLoaded = false;
  bool DictionaryModified = false;
  // The file held more entries than the store takes: writing the store back would lose them.
  bool DictionaryPartial = false;

 private:
  static std::uint64_t NewStamp();
  // A stamp nobody has read need not change: writes in a row (a load, a requeue) draw one at most.
  void Changing() {
    if (!stamp_read_) return;
    stamp_ = NewStamp();
    stamp_read_ = false;
  }

  std::unique_ptr<std::uint8_t[]> buffer_;
  std::uint64_t stamp_ = NewStamp();
  mutable bool stamp_read_ = false;
};

// The word of an entry: the text before its first space; an entry without a space has no word.
std::string_view EntryWord(std::string_view entry);
// The clue part of an entry: everything from the first space on, the space included.
std::string_view EntryCluePart(std::string_view entry);

}  // namespace gx
