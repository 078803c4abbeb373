#pragma once
// Reading and replacing whole files. A file that replaces a user's file is first written to a
// temporary file in the same folder and renamed over the old one only when it is complete, so a
// failed write never destroys what was there.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "files/FileError.h"

namespace gx {

constexpr std::size_t FileBlockSize = 4096;

// Reads the file in blocks of 4096 bytes, handing each block to the consumer, which returns false
// to stop early. `size` receives the file's size before the first block.
FileError ReadFileBlocks(const std::string& path, std::uint64_t& size,
                         const std::function<bool(const std::uint8_t*, std::size_t)>& consumer);
// Reads a whole (small) file.
FileError ReadWholeFile(const std::string& path, std::string& bytes);
bool FileExists(const std::string& path);

// Writes `bytes` to `path` through a temporary file in the same folder, then renames it over the
// target. On failure the target is left as it was and the temporary file is removed.
FileError ReplaceFile(const std::string& path, std::string_view bytes);

// The folder part of a path ("" for a bare name) and the path of `name` inside `folder`.
std::string FolderOf(const std::string& path);
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace gx
