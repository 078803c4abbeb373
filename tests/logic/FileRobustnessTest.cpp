#include <gtest/gtest.h>

#include <random>

#include "FilesTestFolder.h"
#include "files/DictionaryFile.h"
#include "files/PuzzleFile.h"

namespace gx::test {
namespace {

// Random files, biased towards the bytes that matter (end bytes, small coordinates), so that
// records of every shape come up.
std::string RandomFile(std::mt19937& random, std::size_t max_size) {
  std::uniform_int_distribution<std::size_t> size(0, max_size);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> kind(0, 9);
  std::string bytes(size(random), '\0');
  for (char& c : bytes) {
    int k = kind(random);
    c = static_cast<char>(k == 0 ? 86 : k < 4 ? byte(random) % 70 : byte(random));
  }
  return bytes;
}

// Any file loads without writing outside the tables, and what is loaded survives a save and a
// second load unchanged.
TEST(FileRobustness, RandomPuzzleFilesLoadSafelyAndReachAFixedPoint) {
  TestFolder folder;
  std::mt19937 random(20261207);
  auto first = std::make_unique<Puzzle>();
  auto second = std::make_unique<Puzzle>();
  int loaded = 0;
  for (int round = 0; round < 300; ++round) {
    folder.Write("r.gx", RandomFile(random, round < 250 ? 400 : 40000));
    PuzzleLoadResult result = LoadPuzzleFile(*first, folder.Path("r.gx"));
    if (result.status != PuzzleLoadResult::Status::Loaded) {
      EXPECT_EQ(result.error.Text(), "Read beyond end of file");
      continue;
    }
    ++loaded;
    for (int k = 1; k <= first->SlotCount; ++k) {
      int last = first->SlotLength[k] > 0 ? first->SlotLength[k] - 1 : 0;
      ASSERT_LE(first->SlotCellX(k, last), 62);
      ASSERT_LE(first->SlotCellY(k, last), 62);
    }
    std::string saved = SerializePuzzle(*first);
    folder.Write("s.gx", saved);
    ASSERT_EQ(LoadPuzzleFile(*second, folder.Path("s.gx")).status, PuzzleLoadResult::Status::Loaded);
    ASSERT_EQ(second->SlotCount, first->SlotCount);
    ASSERT_EQ(SerializePuzzle(*second), saved) << "round " << round;
  }
  EXPECT_GT(loaded, 150);
}

TEST(FileRobustness, RandomDictionaryFilesLoadSafelyAndReachAFixedPoint) {
  TestFolder folder;
  std::mt19937 random(7);
  auto store = std::make_unique<DictionaryStore>();
  auto again = std::make_unique<DictionaryStore>();
  WindowState window;
  NullHost host;
  for (int round = 0; round < 200; ++round) {
    folder.Write("r.dct", RandomFile(random, 3000));
    DictionaryLoadResult result = LoadDictionary(*store, folder.Path("r.dct"), window, host);
    ASSERT_FALSE(result.error);
    ASSERT_LE(store->DictionaryCount, DictionaryStore::Capacity);
    folder.Write("w.dct", SerializeDictionary(*store));
    ASSERT_FALSE(LoadDictionary(*again, folder.Path("w.dct"), window, host).error);
    ASSERT_EQ(again->DictionaryCount, store->DictionaryCount) << "round " << round;
    ASSERT_EQ(SerializeDictionary(*again), SerializeDictionary(*store)) << "round " << round;
  }
}

}  // namespace
}  // namespace gx::test
