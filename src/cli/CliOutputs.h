#pragma once
// The files the batch tool makes from a finished puzzle, shared by `export` and `series`.

#include <string>
#include <string_view>
#include <vector>

#include "core/Puzzle.h"

namespace gx::cli {

// The last part of a path: what a puzzle is called in titles.
std::string FileNameOf(std::string_view path);

// Faults that refuse a file, one message line each: "PATH: fault".
[[noreturn]] void Refuse(const std::string& path, const std::vector<std::string>& faults);

// Writes a file the command makes. Without `force` it must be a new file: a name already taken is
// refused ("PATH is already there; give --force to replace it") and nothing is written; with
// `force` the old file is replaced once the new one is complete.
void WriteOutputOrFail(const std::string& path, std::string_view bytes, bool force);

// Refuses, before anything is written, when one of the paths is taken and `force` is not given.
void CheckOutputsFree(const std::vector<std::string>& paths, bool force);

// Makes the folder (and those above it) when it is not there; a path that is no folder fails.
void PrepareFolderOrFail(const std::string& dir);

// The puzzle as ipuz titled `title` (its file name). A puzzle that cannot be written is refused
// naming its faults in `source`.
std::string IpuzOrRefuse(const Puzzle& puzzle, std::string_view title, const std::string& source);

// The same written to `path` as WriteOutputOrFail writes; nothing is written when it is refused.
void WriteIpuzOrFail(const Puzzle& puzzle, std::string_view title, const std::string& source,
                     const std::string& path, bool force);

}  // namespace gx::cli
