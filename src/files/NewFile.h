#pragma once
// Files written where nothing stands yet, many at a time: each is written under a temporary name
// and linked into place only when complete and only when its name is still free, so no file is
// ever half written or overwritten. The data reach the disk with one sync of the file system at
// the end instead of one per file.

#include <string>
#include <string_view>

#include "base/FileError.h"

namespace gx {

// Writes `bytes` as a new file at `path`. When the name is taken, nothing is written and
// `already_there` is set (the error is then "File access denied").
FileError WriteNewFile(const std::string& path, std::string_view bytes, bool& already_there);

// Makes everything written on the file system holding `folder` durable.
FileError SyncFileSystem(const std::string& folder);

}  // namespace gx
