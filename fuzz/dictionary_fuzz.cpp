// The dictionary file reader on any bytes. A file it takes fills at most the 16,384 records with
// non-empty entries of at most 128 coded characters, marks a cut store as partial, and reads back
// the same once written; a file it refuses leaves the store as it was.

#include <memory>

#include "FuzzSupport.h"
#include "base/Host.h"
#include "base/Progress.h"
#include "files/DictionaryFile.h"
#include "files/LetterCode.h"

namespace {

void SetBefore(gx::DictionaryStore& store) {
  store.SetEntry(1, "old a");
  store.SetEntry(2, "old b");
  store.DictionaryCount = 2;
  store.DictionaryLoaded = true;
  store.DictionaryModified = true;
  store.DictionaryPartial = false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gx;
  using namespace gx::fuzz;
  static auto store = std::make_unique<DictionaryStore>();
  static auto again = std::make_unique<DictionaryStore>();
  Progress progress;
  NullHost host;
  SetBefore(*store);
  const DictionaryLoadResult result = LoadDictionary(*store, Scratch().Write("d.dct", data, size), progress, host);
  if (result.error) {
    FUZZ_CHECK(store->DictionaryCount == 2 && store->Entry(1) == "old a" && store->Entry(2) == "old b");
    FUZZ_CHECK(store->DictionaryLoaded && !store->DictionaryModified && !store->DictionaryPartial);
    return 0;
  }
  FUZZ_CHECK(store->DictionaryCount == result.count && result.count <= DictionaryStore::Capacity);
  FUZZ_CHECK(store->DictionaryLoaded && !store->DictionaryModified);
  FUZZ_CHECK(store->DictionaryPartial == result.cut_to_capacity);
  FUZZ_CHECK(!result.cut_to_capacity || result.count == DictionaryStore::Capacity);
  FUZZ_CHECK((result.count < SmallDictionaryLimit) == (result.notices.size() == (result.cut_to_capacity ? 2u : 1u)));
  for (int e = 1; e <= store->DictionaryCount; ++e) {
    const std::string_view entry = store->Entry(e);
    FUZZ_CHECK(!entry.empty() && entry.size() <= DictionaryStore::MaxEntryLength);
    for (char c : entry) FUZZ_CHECK(HasLetterCode(c));
  }
  const DictionaryLoadResult reread =
      LoadDictionary(*again, Scratch().Write("e.dct", SerializeDictionary(*store)), progress, host);
  FUZZ_CHECK(!reread.error && !reread.cut_to_capacity && again->DictionaryCount == store->DictionaryCount);
  for (int e = 1; e <= store->DictionaryCount; ++e) FUZZ_CHECK(again->Entry(e) == store->Entry(e));
  return 0;
}
