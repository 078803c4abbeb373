#pragma once
// The batch tool interrupted: SIGINT or SIGTERM removes the temporary file being written, says
// what was written before, and ends with 128 + the signal's number. A write beyond the file size
// limit fails as a write ("File too large") instead of killing the tool.

#include <string>

namespace gx::cli {

void HandleInterruptions();

// A file the command has written completely, for the report of an interruption.
void NoteWritten(const std::string& path);

}  // namespace gx::cli
