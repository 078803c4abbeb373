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

// The puzzle as ipuz titled `title` (its file name). A puzzle that cannot be written is refused
// naming its faults in `source`.
std::string IpuzOrRefuse(const Puzzle& puzzle, std::string_view title, const std::string& source);

// The same written to `path` through a temporary file; nothing is written when it is refused.
void WriteIpuzOrFail(const Puzzle& puzzle, std::string_view title, const std::string& source,
                     const std::string& path);

}  // namespace gx::cli
