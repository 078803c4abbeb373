#pragma once
// The UTF-8 text that `dict import` turns into a dictionary: one entry per non-empty line.

#include <string>
#include <vector>

#include "core/DictionaryStore.h"

namespace gx::cli {

// Takes the entries of the text into the store (count included), in order. A line holding a
// character without a letter code is left out, or with `lossy` kept with the character replaced
// (unless it would read back empty, which would end the dictionary there). `warnings` receives
// one UTF-8 line per entry left out, changed or cut. More than 16,384 entries: CommandFailure,
// and the store is not to be written.
void ImportDictionaryText(const std::string& text, bool lossy, DictionaryStore& store,
                          std::vector<std::string>& warnings);

}  // namespace gx::cli
