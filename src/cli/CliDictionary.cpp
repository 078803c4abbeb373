// gridlex-cli dict import | export | stats: dictionary files from and to UTF-8 text.

#include <array>
#include <memory>

#include "cli/CliCommands.h"
#include "cli/DictionaryImport.h"
#include "cli/CliSupport.h"
#include "cli/FilePlan.h"
#include "base/Cp1251.h"
#include "files/DictionaryFile.h"
#include "files/LetterCode.h"

namespace gx::cli {

namespace {

constexpr int kLongestCountedWord = 24;
constexpr char kNotInCodePage = '\x98';  // a byte Windows-1251 leaves unassigned

// One line of the import as Windows-1251 bytes; false when a character has no letter code.
bool ConvertEntry(const std::u32string& line, std::string& entry, char32_t& missing) {
  bool complete = true;
  entry.clear();
  for (char32_t c : line) {
    std::optional<char> byte = UnicodeToCp1251(c);
    if (!byte || !HasLetterCode(*byte)) {
      if (complete) missing = c;
      complete = false;
    }
    entry.push_back(byte ? *byte : kNotInCodePage);
  }
  return complete;
}

bool HasCodedCharacter(const std::string& entry) {
  for (char c : entry) {
    if (HasLetterCode(c)) return true;
  }
  return false;
}

}  // namespace

void ImportDictionaryText(const std::string& text, bool lossy, DictionaryStore& store,
                          std::vector<std::string>& warnings) {
  const std::vector<std::string> lines = SplitTextLines(text);
  int count = 0;
  bool coded_seen = false;
  std::string entry;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    if (lines[n].empty()) continue;
    std::string where = "line " + std::to_string(n + 1) + ": ";
    std::u32string line = DecodeUtf8(lines[n]);
    char32_t missing = 0;
    if (!ConvertEntry(line, entry, missing)) {
      // Before any character has been read back, a character without a code reads as nothing:
      // such an entry would come back empty and end the dictionary there, losing every entry.
      // Only the first 128 characters are kept, so only they count.
      bool reads_empty =
          !coded_seen && !HasCodedCharacter(entry.substr(0, DictionaryStore::MaxEntryLength));
      warnings.push_back(where + "\"" + EncodeUtf8(std::u32string(1, missing)) +
                         "\" is not in the letter code, entry " +
                         (lossy && !reads_empty ? "kept with the character replaced" : "left out"));
      if (!lossy || reads_empty) continue;
    }
    coded_seen = true;
    if (entry.size() > static_cast<std::size_t>(DictionaryStore::MaxEntryLength)) {
      warnings.push_back(where + "entry longer than 128 characters cut");
    }
    if (count == DictionaryStore::Capacity) {
      throw CommandFailure{ExitIoError, "more than 16384 entries; nothing written"};
    }
    store.SetEntry(++count, entry);
  }
  store.DictionaryCount = static_cast<std::uint16_t>(count);
}

namespace {

int RunImport(const std::vector<std::string>& args) {
  Arguments arguments(args, {{"--lossy", false}}, 2, 2);
  FilePlan plan;
  plan.Input("TEXT", arguments.Positional(0));
  plan.Output("DCT", arguments.Positional(1), true);
  plan.Check();
  auto store = std::make_unique<DictionaryStore>();
  std::vector<std::string> warnings;
  try {
    ImportDictionaryText(ReadFileOrFail(arguments.Positional(0)), arguments.Has("--lossy"), *store, warnings);
  } catch (const CommandFailure&) {
    for (const std::string& warning : warnings) WarnUtf8Line(warning);
    throw;
  }
  for (const std::string& warning : warnings) WarnUtf8Line(warning);
  WriteDictionaryOrFail(*store, arguments.Positional(1));
  return ExitSuccess;
}

int RunExport(const std::vector<std::string>& args) {
  Arguments arguments(args, {}, 1, 1);
  auto store = std::make_unique<DictionaryStore>();
  LoadDictionaryOrFail(arguments.Positional(0), *store);
  for (int e = 1; e <= store->DictionaryCount; ++e) PrintLine(store->Entry(e));
  return ExitSuccess;
}

int RunStats(const std::vector<std::string>& args) {
  Arguments arguments(args, {}, 1, 1);
  auto store = std::make_unique<DictionaryStore>();
  LoadDictionaryOrFail(arguments.Positional(0), *store);
  std::array<int, kLongestCountedWord + 1> counts{};
  int other = 0;
  for (int e = 1; e <= store->DictionaryCount; ++e) {
    std::size_t length = EntryWord(store->Entry(e)).size();
    if (length >= 1 && length <= static_cast<std::size_t>(kLongestCountedWord)) {
      ++counts[length];
    } else {
      ++other;
    }
  }
  PrintUtf8Line("entries " + std::to_string(store->DictionaryCount));
  for (int length = 1; length <= kLongestCountedWord; ++length) {
    PrintUtf8Line("length " + std::to_string(length) + " count " + std::to_string(counts[length]));
  }
  PrintUtf8Line("other " + std::to_string(other));
  return ExitSuccess;
}

}  // namespace

int RunDictionary(const std::vector<std::string>& args) {
  if (args.empty()) throw UsageError{"dict needs import, export or stats"};
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "import") return RunImport(rest);
  if (args[0] == "export") return RunExport(rest);
  if (args[0] == "stats") return RunStats(rest);
  throw UsageError{"unknown dict command " + args[0]};
}

}  // namespace gx::cli
