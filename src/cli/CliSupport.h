#pragma once
// What every command of the batch tool shares: argument parsing, the two kinds of failure that
// end a command with their exit status, and output converted from Windows-1251 to UTF-8.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/DictionaryStore.h"
#include "base/FileError.h"

namespace gx::cli {

// Exit statuses of the batch tool.
enum Exit : int {
  ExitSuccess = 0,
  ExitIoError = 1,
  ExitBadUsage = 2,
  ExitFillRefused = 3,
  ExitDrawsExhausted = 4,
  ExitBuildIncomplete = 5,
  ExitNoAcceptableGrid = 6,
};

// Thrown for bad usage: the message, then the usage text, exit 2.
struct UsageError {
  std::string message;  // UTF-8
};

// Thrown for an input/output failure: the run-time text and the file, exit 1.
struct IoFailure {
  FileError error;
  std::string path;
};

// Any other message that ends a command with a given status.
struct CommandFailure {
  int exit_code;
  std::string message;  // UTF-8
};

struct OptionSpec {
  std::string name;  // "--attempts"
  bool takes_value;
};

// The arguments after the command word, as users of other command-line tools expect them. An
// option takes its value as the next argument or after "=" (--seed=7) and may stand anywhere; an
// option not in the list is bad usage, never ignored. "-" is an argument (standard input or
// output), and every argument after "--" is one, whatever it starts with.
class Arguments {
 public:
  Arguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& options,
            std::size_t min_positional, std::size_t max_positional);

  const std::vector<std::string>& Positional() const { return positional_; }
  const std::string& Positional(std::size_t i) const { return positional_.at(i); }
  bool Has(const std::string& option) const { return values_.count(option) > 0 || flags_.count(option) > 0; }
  const std::string& Value(const std::string& option) const { return values_.at(option); }
  // The option's value as a decimal number within min..max, or `fallback` when it is absent.
  std::uint64_t Number(const std::string& option, std::uint64_t min, std::uint64_t max, std::uint64_t fallback) const;

 private:
  std::vector<std::string> positional_;
  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
};

// A whole decimal number within min..max, else bad usage naming `what`.
std::uint64_t ParseDecimal(std::string_view text, std::uint64_t min, std::uint64_t max, const std::string& what);

// Results on stdout and messages on stderr; the texts given are Windows-1251 unless said UTF-8.
void PrintLine(std::string_view cp1251);
void PrintUtf8Line(std::string_view utf8);
void WarnLine(std::string_view cp1251);
void WarnUtf8Line(std::string_view utf8);

// The whole contents of a file, or IoFailure.
std::string ReadFileOrFail(const std::string& path);

// "-" names standard input where a command reads a file and standard output where it writes one.
inline constexpr std::string_view kStandardStream = "-";
inline bool IsStandardStream(std::string_view path) { return path == kStandardStream; }
// How messages name the file: "standard input" for "-", else the path.
std::string InputName(const std::string& path);
// The whole contents of the file or, for "-", of standard input; more than `max_bytes` fails.
std::string ReadInputOrFail(const std::string& path, std::uint64_t max_bytes);
// Writes the bytes to standard output (the end of the run checks that they arrived).
void WriteStandardOutput(std::string_view bytes);

// Loads a dictionary file into the store (a cut to the store's size is reported on stderr), or
// IoFailure; and writes the store to a dictionary file, or IoFailure. A store cut to its size is
// never written (exit 1).
void LoadDictionaryOrFail(const std::string& path, DictionaryStore& store);
void WriteDictionaryOrFail(const DictionaryStore& store, const std::string& path);

// UTF-8 text as lines: a leading byte-order mark is ignored, a CR before LF is dropped and a
// final empty line is ignored.
std::vector<std::string> SplitTextLines(std::string text);

}  // namespace gx::cli
