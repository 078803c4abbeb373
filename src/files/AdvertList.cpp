#include "files/AdvertList.h"

#include "base/FileIo.h"

namespace gx {

namespace {

constexpr std::size_t kLineBuffer = 255;
constexpr std::size_t kNameColumns = 12;
constexpr std::size_t kKeywordColumns = 64;

}  // namespace

std::string_view AdvertEntry::Name() const {
  const std::string_view field = FileName.view();
  return field.substr(0, field.find(' '));
}

bool AdvertList::Add(const AdvertEntry& entry) {
  if (count_ >= Capacity) return false;
  entries_[count_++] = entry;
  return true;
}

void AdvertList::MoveToEnd(int i) {
  if (i < 1 || i > count_) return;
  const AdvertEntry moved = entries_[static_cast<std::size_t>(i - 1)];
  for (int j = i; j < count_; ++j) entries_[static_cast<std::size_t>(j - 1)] = entries_[static_cast<std::size_t>(j)];
  entries_[static_cast<std::size_t>(count_ - 1)] = moved;
}

AdvertEntry ParseAdvertLine(std::string_view line) {
  line = line.substr(0, kLineBuffer);
  AdvertEntry entry;
  entry.FileName = line.substr(0, kNameColumns);
  if (line.size() > kNameColumns) entry.Keywords = line.substr(kNameColumns, kKeywordColumns);
  return entry;
}

AdvertList ParseAdvertList(std::string_view text) {
  AdvertList list;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // An empty line would make an entry without keywords, which matches every word and names
    // no file; it is taken as spacing instead.
    if (line.empty() || line.front() == '{') continue;
    list.Add(ParseAdvertLine(line));
  }
  return list;
}

AdvertList LoadAdvertList(const ProgramFolder& program_dir, Host& host) {
  std::string text;
  if (const FileError error = ReadWholeFile(program_dir.Rek("rek.dat"), text, MaxAdvertFileBytes)) {
    host.ShowError(error.Text());
    return {};
  }
  return ParseAdvertList(text);
}

}  // namespace gx
