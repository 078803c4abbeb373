#pragma once
// The plain word search: every lookup scans the dictionary from the start position and compares
// each entry with every placed answer; the requeue compares every entry with every slot. Too slow
// for the program, kept as the yardstick the indexed search must match entry for entry.

#include "core/FillEngine.h"

namespace gx {

class LinearWordSearch : public WordSearch {
 public:
  void Prepare(const DictionaryStore&) override {}
  void FindWord(FillRun& run, std::uint8_t slot, std::uint16_t start) override;
  void RequeueUsedWords(Puzzle& puzzle, DictionaryStore& dictionary) override;
};

}  // namespace gx
