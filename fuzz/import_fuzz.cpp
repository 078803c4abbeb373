// The batch tool's UTF-8 dictionary import on any bytes, in both its modes. The entries it takes
// are written as a dictionary file and read back: no entry may be lost on the way (an entry that
// reads back empty would end the dictionary there), and without --lossy every entry comes back
// exactly.

#include <memory>

#include "FuzzSupport.h"
#include "cli/DictionaryImport.h"
#include "cli/CliSupport.h"
#include "base/Host.h"
#include "base/Progress.h"
#include "files/DictionaryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gx;
  using namespace gx::fuzz;
  static auto store = std::make_unique<DictionaryStore>();
  static auto again = std::make_unique<DictionaryStore>();
  const std::string path = Scratch().Write("words.txt", data, size);
  for (bool lossy : {false, true}) {
    std::vector<std::string> warnings;
    try {
      cli::ImportDictionaryText(cli::ReadFileOrFail(path), lossy, *store, warnings);
    } catch (const cli::CommandFailure&) {
      continue;
    }
    Progress progress;
    NullHost host;
    const std::string dct = Scratch().Path("words.dct");
    FUZZ_CHECK(!WriteDictionary(*store, dct, progress));
    const DictionaryLoadResult result = LoadDictionary(*again, dct, progress, host);
    FUZZ_CHECK(!result.error && again->DictionaryCount == store->DictionaryCount);
    if (!lossy) {
      for (int e = 1; e <= store->DictionaryCount; ++e) FUZZ_CHECK(again->Entry(e) == store->Entry(e));
    }
  }
  return 0;
}
