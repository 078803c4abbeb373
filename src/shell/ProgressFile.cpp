#include "shell/ProgressFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>

#include "base/FileIo.h"
#include "base/Sha256.h"

namespace gx {

namespace {

constexpr std::string_view kHeader = "gridlex solving 1";
constexpr std::string_view kExtension = ".solving";
// Every slot with a full entry and every cell revealed stays far below this.
constexpr std::uint64_t kMaxProgressBytes = 256 * 1024;
// A hundred days: a larger time is not one the program counted.
constexpr std::int64_t kMaxElapsedMs = std::int64_t{100} * 24 * 3600 * 1000;

const char kHex[] = "0123456789abcdef";

void PutHex(std::string& out, std::string_view bytes) {
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    out.push_back(kHex[byte >> 4]);
    out.push_back(kHex[byte & 15]);
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool ParseHex(std::string_view text, std::string& bytes) {
  if (text.size() % 2 != 0) return false;
  bytes.clear();
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = HexDigit(text[i]);
    const int low = HexDigit(text[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  return true;
}

// A whole decimal number with no sign, blank or leading zero, at most `max`.
bool ParseCount(std::string_view text, std::int64_t max, std::int64_t& value) {
  if (text.empty() || (text.size() > 1 && text[0] == '0')) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 0 && value <= max;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (start <= line.size()) {
    const std::size_t space = line.find(' ', start);
    const std::size_t end = space == std::string_view::npos ? line.size() : space;
    fields.push_back(line.substr(start, end - start));
    if (space == std::string_view::npos) break;
    start = space + 1;
  }
  return fields;
}

bool CellOfSomeSlot(const Puzzle& puzzle, int x, int y) {
  for (int k = 1; k <= puzzle.SlotCount; ++k)
    for (int t = 0; t < puzzle.SlotLength[static_cast<std::size_t>(k)]; ++t)
      if (puzzle.SlotCellX(k, t) == x && puzzle.SlotCellY(k, t) == y) return true;
  return false;
}

// One line after the header and the sum; false when it is not sound.
bool TakeLine(const std::vector<std::string_view>& f, const Puzzle& puzzle, KeptSolving& kept,
              std::vector<bool>& seen_slots, bool& seen_time, bool& seen_solved) {
  std::int64_t a = 0, b = 0;
  if (f[0] == "time" && f.size() == 2 && !seen_time && ParseCount(f[1], kMaxElapsedMs, a)) {
    kept.record.ElapsedMs = a;
    seen_time = true;
    return true;
  }
  if (f[0] == "solved" && f.size() == 2 && !seen_solved && (f[1] == "0" || f[1] == "1")) {
    kept.record.Solved = f[1] == "1";
    seen_solved = true;
    return true;
  }
  if (f[0] == "entry" && f.size() == 3 && ParseCount(f[1], puzzle.SlotCount, a) && a >= 1 &&
      !seen_slots[static_cast<std::size_t>(a)]) {
    std::string letters;
    const auto slot = static_cast<std::size_t>(a);
    if (!ParseHex(f[2], letters) || letters.empty() || letters.size() > AnswerText::capacity() ||
        letters.size() > puzzle.SlotLength[slot])
      return false;
    for (char c : letters)
      if (static_cast<unsigned char>(c) < 32 || c == 127) return false;
    seen_slots[slot] = true;
    kept.entries.emplace_back(static_cast<int>(a), AnswerText(letters));
    return true;
  }
  if (f[0] == "revealed" && f.size() == 3 && ParseCount(f[1], MaxBoardInUse, a) &&
      ParseCount(f[2], MaxBoardInUse, b)) {
    const int x = static_cast<int>(a), y = static_cast<int>(b);
    if (kept.record.Revealed.Has(x, y) || !CellOfSomeSlot(puzzle, x, y)) return false;
    kept.record.Revealed.Add(x, y);
    return true;
  }
  return false;
}

bool Writable(const std::string& dir) {
  struct stat info {};
  return ::stat(dir.c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
         ::access(dir.c_str(), W_OK) == 0;
}

FileError MakeFolder(const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode) ? FileError() : FileError(FileError::AccessDenied);
  const std::string parent = FolderOf(folder);
  if (!Writable(parent.empty() ? "." : parent)) return FileError(FileError::AccessDenied);
  if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) return FileError::FromErrno(errno);
  return {};
}

}  // namespace

std::string PuzzleContent(const Puzzle& puzzle) {
  std::string content = "slots " + std::to_string(puzzle.SlotCount) + "\n";
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    content += std::to_string(puzzle.SlotX[i]) + " " + std::to_string(puzzle.SlotY[i]) + " " +
               std::to_string(puzzle.SlotLength[i]) + " " + std::to_string(puzzle.SlotVertical[i]) + " ";
    PutHex(content, puzzle.SlotAnswer[i].view());
    content += "\n";
  }
  return content;
}

std::string ProgressKey(const Puzzle& puzzle) { return Sha256Hex(PuzzleContent(puzzle)); }

std::string ProgressFileName(std::string_view key) { return std::string(key) + std::string(kExtension); }

KeptSolving TakeSolving(const Puzzle& puzzle, const SolvingRecord& record) {
  KeptSolving kept;
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    const AnswerText& entry = puzzle.SlotEntry[static_cast<std::size_t>(k)];
    if (!entry.empty()) kept.entries.emplace_back(k, entry);
  }
  kept.record = record;
  return kept;
}

std::string SerializeProgress(const KeptSolving& kept, std::string_view key) {
  const SolvingRecord& record = kept.record;
  std::string out = std::string(kHeader) + "\npuzzle " + std::string(key) + "\n";
  out += "time " + std::to_string(std::clamp<std::int64_t>(record.ElapsedMs, 0, kMaxElapsedMs)) + "\n";
  out += std::string("solved ") + (record.Solved ? "1" : "0") + "\n";
  for (const auto& [slot, letters] : kept.entries) {
    out += "entry " + std::to_string(slot) + " ";
    PutHex(out, letters.view());
    out += "\n";
  }
  for (const auto& [x, y] : record.Revealed.Cells())
    out += "revealed " + std::to_string(x) + " " + std::to_string(y) + "\n";
  return out;
}

bool ParseProgress(std::string_view bytes, const Puzzle& puzzle, std::string_view key, KeptSolving& kept) {
  KeptSolving read;
  std::vector<bool> seen_slots(static_cast<std::size_t>(puzzle.SlotCount) + 1, false);
  bool seen_time = false, seen_solved = false;
  int line_number = 0;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) return false;  // a cut file ends inside a line
    const std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end + 1);
    ++line_number;
    if (line_number == 1) {
      if (line != kHeader) return false;
      continue;
    }
    const std::vector<std::string_view> fields = Fields(line);
    if (line_number == 2) {
      if (fields.size() != 2 || fields[0] != "puzzle" || fields[1] != key) return false;
      continue;
    }
    if (!TakeLine(fields, puzzle, read, seen_slots, seen_time, seen_solved)) return false;
  }
  if (line_number < 2 || !seen_time || !seen_solved) return false;
  kept = std::move(read);
  return true;
}

void ApplyProgress(const KeptSolving& kept, Puzzle& puzzle, SolvingRecord& record) {
  for (int k = 1; k <= puzzle.SlotCount; ++k) puzzle.SlotEntry[static_cast<std::size_t>(k)].Clear();
  for (const auto& [slot, letters] : kept.entries) puzzle.SlotEntry[static_cast<std::size_t>(slot)] = letters;
  record = kept.record;
}

ProgressRead ReadProgress(const std::string& folder, const Puzzle& puzzle, std::string_view key, KeptSolving& kept) {
  const std::string path = JoinPath(folder, ProgressFileName(key));
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR)) return ProgressRead::None;
  std::string bytes;
  if (ReadWholeFile(path, bytes, kMaxProgressBytes)) return ProgressRead::Damaged;
  return ParseProgress(bytes, puzzle, key, kept) ? ProgressRead::Read : ProgressRead::Damaged;
}

FileError WriteProgress(const std::string& folder, std::string_view key, std::string_view bytes) {
  if (FileError error = MakeFolder(folder)) return error;
  return ReplaceFile(JoinPath(folder, ProgressFileName(key)), bytes);
}

}  // namespace gx
