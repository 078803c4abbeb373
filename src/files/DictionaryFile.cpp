#include "files/DictionaryFile.h"

#include <cstring>
#include <memory>

#include "base/Cp1251.h"
#include "base/FileIo.h"
#include "files/LetterCode.h"

namespace gx {

namespace {

constexpr std::size_t kStoreBytes = static_cast<std::size_t>(DictionaryStore::Capacity) * DictionaryStore::RecordSize;

// Loads parse here first; one block for the whole run, as large as the store.
std::uint8_t* Scratch() {
  static std::unique_ptr<std::uint8_t[]> scratch(new std::uint8_t[kStoreBytes]);
  return scratch.get();
}

// i / size * kProgressScale rounded to the nearest, halves to even, in whole numbers.
int ProgressPosition(std::uint64_t i, std::uint64_t size) {
  if (size == 0) return 0;
  std::uint64_t scaled = i * kProgressScale;
  std::uint64_t q = scaled / size;
  std::uint64_t twice_rest = (scaled % size) * 2;
  if (twice_rest > size || (twice_rest == size && (q & 1))) ++q;
  return static_cast<int>(q);
}

// Decodes the bytes of a dictionary file into records laid out as the store's.
class DictionaryParser {
 public:
  explicit DictionaryParser(std::uint8_t* records) : records_(records) {}

  // False once the end marker or a full store stops the reading.
  bool Feed(std::uint8_t byte) {
    if (!decoder_.Feed(byte, text_)) return CloseEntry();
    return true;
  }
  int count() const { return count_; }
  bool cut() const { return cut_; }

 private:
  bool CloseEntry() {
    if (text_.empty()) return false;
    if (count_ == DictionaryStore::Capacity) {
      cut_ = true;
      return false;
    }
    std::uint8_t* record = records_ + static_cast<std::size_t>(count_) * DictionaryStore::RecordSize;
    std::size_t length = std::min<std::size_t>(text_.size(), DictionaryStore::MaxEntryLength);
    record[0] = static_cast<std::uint8_t>(length);
    std::memcpy(record + 1, text_.view().data(), length);
    ++count_;
    text_.Clear();
    return true;
  }

  std::uint8_t* records_;
  LetterDecoder decoder_{LetterDecoder::Rules::DictionaryFile};
  GeneralText text_;
  int count_ = 0;
  bool cut_ = false;
};

}  // namespace

DictionaryLoadResult LoadDictionary(DictionaryStore& store, const std::string& path, Progress& progress, Host& host) {
  DictionaryLoadResult result;
  progress.Shown(true);
  store.DictionaryModified = false;
  DictionaryParser parser(Scratch());
  std::uint64_t size = 0;
  std::uint64_t i = 0;
  result.error = ReadFileBlocks(path, size, [&](const std::uint8_t* data, std::size_t count) {
    for (std::size_t b = 0; b < count; ++b) {
      ++i;
      host.ProcessEvents();
      progress.Moved(ProgressPosition(i, size));
      if (!parser.Feed(data[b])) return false;
    }
    return true;
  }, MaxDictionaryFileBytes);
  progress.Shown(false);
  if (result.error) return result;

  result.count = parser.count();
  result.cut_to_capacity = parser.cut();
  std::memcpy(store.Buffer(), Scratch(), static_cast<std::size_t>(result.count) * DictionaryStore::RecordSize);
  store.DictionaryCount = static_cast<std::uint16_t>(result.count);
  store.DictionaryLoaded = true;
  store.DictionaryPartial = result.cut_to_capacity;
  if (result.cut_to_capacity) result.notices.push_back(DictionaryCutMessage(DictionaryStore::Capacity));
  if (result.count < SmallDictionaryLimit) result.notices.push_back(SmallDictionaryMessage(result.count));
  return result;
}

std::string SerializeDictionary(const DictionaryStore& store) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(store.DictionaryCount) * 32 + 1);
  for (int e = 1; e <= store.DictionaryCount; ++e) EncodeText(store.Entry(e), bytes);
  bytes.push_back(static_cast<char>(EndOfText));
  return bytes;
}

FileError WriteDictionary(const DictionaryStore& store, const std::string& path, Progress& progress) {
  progress.Status(Utf8ToCp1251("Выгрузка словаря.."));
  progress.Shown(true);
  std::string bytes;
  for (int e = 1; e <= store.DictionaryCount; ++e) {
    progress.Moved(ProgressPosition(static_cast<std::uint64_t>(e), store.DictionaryCount));
    EncodeText(store.Entry(e), bytes);
  }
  bytes.push_back(static_cast<char>(EndOfText));
  FileError error = ReplaceFile(path, bytes);
  progress.Shown(false);
  return error;
}

std::string DictionaryLine(const DictionaryStore& store) {
  return Utf8ToCp1251("Словарь ") + store.DictionaryName.str() + " " + std::to_string(store.DictionaryCount) +
         Utf8ToCp1251(" сл");
}

std::string SmallDictionaryMessage(int count) {
  return Utf8ToCp1251("В словаре всего ") + std::to_string(count) + Utf8ToCp1251(" слов");
}

std::string DictionaryCutMessage(int capacity) {
  return Utf8ToCp1251("В словаре больше ") + std::to_string(capacity) +
         Utf8ToCp1251(" слов: загружены первые ") + std::to_string(capacity) +
         Utf8ToCp1251(", изменения в файл записаны не будут");
}

}  // namespace gx
