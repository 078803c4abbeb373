#pragma once
// The advertisement list: pictures, pages and films tied to keywords, read once at start from
// rek.dat in the rek folder. Only the order of the entries changes while the program runs.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/FixedString.h"
#include "base/Host.h"
#include "base/ProgramFolder.h"

namespace gx {

struct AdvertEntry {
  FixedString<12> FileName;   // columns 1-12 as read, blanks included
  FixedString<128> Keywords;  // columns 13-76: keywords, each ended by "!"

  // The file name up to its first blank.
  std::string_view Name() const;
};

class AdvertList {
 public:
  static constexpr int Capacity = 128;

  int Count() const { return count_; }
  // Entry i, 1 <= i <= Count().
  const AdvertEntry& Entry(int i) const { return entries_[static_cast<std::size_t>(i - 1)]; }
  // Adds an entry at the end; false (nothing added) when the list is full.
  bool Add(const AdvertEntry& entry);
  // Moves entry i to the end, the entries after it moving up one place.
  void MoveToEnd(int i);
  void Clear() { count_ = 0; }

 private:
  std::array<AdvertEntry, Capacity> entries_{};
  std::uint8_t count_ = 0;
};

// The entry a line of the list file describes (the line without its line end).
AdvertEntry ParseAdvertLine(std::string_view line);
// Every entry of a list file's text. Comment lines ("{" first) and empty lines are skipped;
// entries past the capacity are ignored.
AdvertList ParseAdvertList(std::string_view text);
// Far more than 128 entries and any comments around them can take; a larger file is refused.
constexpr std::uint64_t MaxAdvertFileBytes = std::uint64_t{1} << 20;

// Reads rek.dat from the rek folder below program_dir. A file that cannot be read (missing,
// not a regular file, too large) is reported through the host and leaves the list empty.
AdvertList LoadAdvertList(const ProgramFolder& program_dir, Host& host);

}  // namespace gx
