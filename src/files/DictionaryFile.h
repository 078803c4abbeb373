#pragma once
// The dictionary file *.dct: every entry in the letter code followed by the byte 86, and one more
// 86 after the last entry (an empty entry marks the end). It is read whole into the store.

#include <cstdint>
#include <string>
#include <vector>

#include "base/Host.h"
#include "base/Progress.h"
#include "core/DictionaryStore.h"
#include "base/FileError.h"

namespace gx {

struct DictionaryLoadResult {
  FileError error;                   // the store is untouched when set
  int count = 0;                     // entries loaded
  bool cut_to_capacity = false;      // the file held more entries than the store takes (never written back)
  std::vector<std::string> notices;  // information boxes to show, Windows-1251
};

// No dictionary file can be larger: even one whose every entry fills the longest work text.
constexpr std::uint64_t MaxDictionaryFileBytes = std::uint64_t{16} << 20;

// Reads the file at `path` into the store, replacing its contents, reporting its progress and
// letting the host handle pending events after every byte. The file is parsed into a scratch
// area first, so a failed read leaves the store, its count and its loaded flag as they were.
// A file with more entries than the store takes loads its first 16,384 and marks the store
// partial, which keeps it from being written back.
DictionaryLoadResult LoadDictionary(DictionaryStore& store, const std::string& path, Progress& progress, Host& host);

// The file bytes for entries 1..DictionaryCount of the store.
std::string SerializeDictionary(const DictionaryStore& store);
// Writes entries 1..DictionaryCount to `path`; the old file is replaced only when the new one is
// complete. Reports the writing message and its progress.
FileError WriteDictionary(const DictionaryStore& store, const std::string& path, Progress& progress);

// Texts of the window (Windows-1251).
std::string DictionaryLine(const DictionaryStore& store);  // "Словарь common.dct 512 сл"
std::string SmallDictionaryMessage(int count);            // "В словаре всего 120 слов"
std::string DictionaryCutMessage(int capacity);
constexpr int SmallDictionaryLimit = 5000;

}  // namespace gx
