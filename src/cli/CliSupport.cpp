#include "cli/CliSupport.h"

#include <cerrno>
#include <cstdio>
#include <limits>

#include "base/Host.h"
#include "base/WindowState.h"
#include "base/Cp1251.h"
#include "base/SafeText.h"
#include "files/DictionaryFile.h"
#include "base/FileIo.h"
#include "cli/FilePlan.h"
#include "cli/Interruption.h"

namespace gx::cli {

Arguments::Arguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& options,
                     std::size_t min_positional, std::size_t max_positional) {
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || arg == "-" || arg.empty() || arg[0] != '-') {
      positional_.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options_ended = true;
      continue;
    }
    // --name=value gives the value in the same argument.
    const std::size_t equals = arg.compare(0, 2, "--") == 0 ? arg.find('=') : std::string::npos;
    const std::string name = arg.substr(0, equals);
    const OptionSpec* known = nullptr;
    for (const OptionSpec& option : options) {
      if (option.name == name) known = &option;
    }
    if (known == nullptr) throw UsageError{"unknown option " + name};
    if (Has(name)) throw UsageError{"option " + name + " given twice"};
    if (!known->takes_value) {
      if (equals != std::string::npos) throw UsageError{"option " + name + " takes no value"};
      flags_.insert(name);
      continue;
    }
    if (equals != std::string::npos) {
      values_[name] = arg.substr(equals + 1);
      continue;
    }
    if (i + 1 >= args.size()) throw UsageError{"option " + name + " needs a value"};
    values_[name] = args[++i];
  }
  if (positional_.size() < min_positional) throw UsageError{"missing arguments"};
  if (positional_.size() > max_positional) throw UsageError{"unexpected argument " + positional_[max_positional]};
}

std::uint64_t Arguments::Number(const std::string& option, std::uint64_t min, std::uint64_t max,
                                std::uint64_t fallback) const {
  auto found = values_.find(option);
  if (found == values_.end()) return fallback;
  return ParseDecimal(found->second, min, max, option);
}

std::uint64_t ParseDecimal(std::string_view text, std::uint64_t min, std::uint64_t max, const std::string& what) {
  constexpr std::uint64_t kLargest = std::numeric_limits<std::uint64_t>::max();
  bool valid = !text.empty();
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') valid = false;
    if (!valid) break;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (kLargest - digit) / 10) valid = false;  // beyond 64 bits
    if (valid) value = value * 10 + digit;
  }
  if (!valid || value < min || value > max) {
    throw UsageError{what + " must be a whole number from " + std::to_string(min) + " to " + std::to_string(max) +
                     ", not \"" + std::string(text) + "\""};
  }
  return value;
}

void PrintUtf8Line(std::string_view utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fputc('\n', stdout);
}

void PrintLine(std::string_view cp1251) { PrintUtf8Line(Cp1251ToUtf8(cp1251)); }

// Messages quote file names and file contents: each line passes through SafeText, so that no
// byte of them can steer the terminal (the places that quote a name escape its line breaks too).
void WarnUtf8Line(std::string_view utf8) {
  for (std::size_t start = 0;;) {
    const std::size_t end = utf8.find('\n', start);
    const std::string line = SafeText(utf8.substr(start, end == std::string_view::npos ? end : end - start));
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
    if (end == std::string_view::npos) return;
    start = end + 1;
  }
}

void WarnLine(std::string_view cp1251) { WarnUtf8Line(Cp1251ToUtf8(cp1251)); }

std::string ReadFileOrFail(const std::string& path) {
  CheckFileToRead(path);
  std::string bytes;
  if (FileError error = ReadWholeFile(path, bytes)) throw IoFailure{error, path};
  return bytes;
}

std::string InputName(const std::string& path) { return IsStandardStream(path) ? "standard input" : path; }

std::string ReadInputOrFail(const std::string& path, std::uint64_t max_bytes) {
  std::string bytes;
  if (!IsStandardStream(path)) {
    if (FileError error = ReadWholeFile(path, bytes, max_bytes)) throw IoFailure{error, path};
    return bytes;
  }
  char block[1 << 16];
  for (;;) {
    const std::size_t got = std::fread(block, 1, sizeof block, stdin);
    bytes.append(block, got);
    if (bytes.size() > max_bytes) throw IoFailure{FileError(FileError::FileTooLarge), InputName(path)};
    if (got < sizeof block) break;
  }
  if (std::ferror(stdin)) throw IoFailure{FileError::FromErrno(errno), InputName(path)};
  return bytes;
}

void WriteStandardOutput(std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

void LoadDictionaryOrFail(const std::string& path, DictionaryStore& store) {
  CheckFileToRead(path);
  Progress unseen;
  NullHost host;
  DictionaryLoadResult result = LoadDictionary(store, path, unseen, host);
  if (result.error) throw IoFailure{result.error, path};
  if (result.cut_to_capacity) WarnLine(DictionaryCutMessage(DictionaryStore::Capacity));
}

void WriteDictionaryOrFail(const DictionaryStore& store, const std::string& path) {
  // The entries past the store's size are not in memory: written out, they would be lost.
  if (store.DictionaryPartial) {
    throw CommandFailure{ExitIoError, "the dictionary did not load whole: " + path + " not written"};
  }
  Progress unseen;
  if (FileError error = WriteDictionary(store, path, unseen)) throw IoFailure{error, path};
  NoteWritten(path);
}

std::vector<std::string> SplitTextLines(std::string text) {
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (end < text.size() && !line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

}  // namespace gx::cli
