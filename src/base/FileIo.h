#pragma once
// Reading and replacing whole files. Readers take regular files only, and refuse a file larger
// than any file of their kind can be before reading it. A file that replaces a user's file is
// first written to a temporary file beside it and renamed over the old one only when it is
// complete, so a failed write never destroys what was there.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/FileError.h"

namespace gx {

constexpr std::size_t FileBlockSize = 4096;
// The bound for files that have no tighter one of their own.
constexpr std::uint64_t MaxAnyFileBytes = std::uint64_t{64} << 20;

// Reads the file in blocks of 4096 bytes, handing each block to the consumer, which returns false
// to stop early. `size` receives the file's size before the first block. A file of more than
// `max_size` bytes is refused with "File too large" before anything is read.
FileError ReadFileBlocks(const std::string& path, std::uint64_t& size,
                         const std::function<bool(const std::uint8_t*, std::size_t)>& consumer,
                         std::uint64_t max_size = MaxAnyFileBytes);
// Reads a whole (small) file.
FileError ReadWholeFile(const std::string& path, std::string& bytes, std::uint64_t max_size = MaxAnyFileBytes);
// A regular file that can be opened for reading.
bool FileExists(const std::string& path);

// What a replacement does with a link standing where it writes: replace the file the link points
// to, in that file's own folder, or replace the link itself by a file.
enum class AtLink { Follow, Replace };

// Writes `bytes` to `path` through a temporary file in the same folder, then renames it over the
// target. A link is followed (or replaced, as `at_link` says). A target or
// folder without write permission is refused as "File access denied". On failure the target is
// left as it was and the temporary file is removed; temporary files that an earlier, killed write
// to the same target left behind are removed first (base/TempFile.h says how they are known).
FileError ReplaceFile(const std::string& path, std::string_view bytes, AtLink at_link = AtLink::Follow);

// The folder part of a path ("" for a bare name) and the path of `name` inside `folder`.
std::string FolderOf(const std::string& path);
std::string JoinPath(const std::string& folder, const std::string& name);

// Names read from files or taken from dialogs are bare file names: not empty, not "." or "..",
// with no folder separator, drive colon or control character.
bool IsBareFileName(std::string_view name);

}  // namespace gx
