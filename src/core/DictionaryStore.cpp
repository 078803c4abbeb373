#include "core/DictionaryStore.h"

#include <atomic>
#include <cstring>

namespace gx {

DictionaryStore::DictionaryStore() : buffer_(new std::uint8_t[Capacity * RecordSize]()) {}

std::string_view DictionaryStore::Entry(int e) const {
  if (e < 1 || e > Capacity) return {};
  const std::uint8_t* record = buffer_.get() + static_cast<std::size_t>(RecordSize) * (e - 1);
  std::size_t length = record[0] <= MaxEntryLength ? record[0] : MaxEntryLength;
  return {reinterpret_cast<const char*>(record + 1), length};
}

std::uint64_t DictionaryStore::NewStamp() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

void DictionaryStore::CopyRecordsFrom(const DictionaryStore& other) {
  std::memcpy(buffer_.get(), other.buffer_.get(), static_cast<std::size_t>(Capacity) * RecordSize);
  DictionaryCount = other.DictionaryCount;
  stamp_ = other.Stamp();
  stamp_read_ = true;  // both stores now bear it: a change of either must leave it
}

void DictionaryStore::SetEntry(int e, std::string_view text) {
  if (e < 1 || e > Capacity) return;
  Changing();
  std::uint8_t* record = buffer_.get() + static_cast<std::size_t>(RecordSize) * (e - 1);
  std::size_t length = text.size() < MaxEntryLength ? text.size() : MaxEntryLength;
  record[0] = static_cast<std::uint8_t>(length);
  if (length > 0) std::memcpy(record + 1, text.data(), length);
}

std::string_view EntryWord(std::string_view entry) {
  std::size_t space = entry.find(' ');
  return space == std::string_view::npos ? std::string_view{} : entry.substr(0, space);
}

std::string_view EntryCluePart(std::string_view entry) {
  std::size_t space = entry.find(' ');
  return space == std::string_view::npos ? std::string_view{} : entry.substr(space);
}

}  // namespace gx
