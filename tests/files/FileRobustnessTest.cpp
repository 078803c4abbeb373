#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <random>

#include "TestBytes.h"
#include "TestFolder.h"
#include "files/DictionaryFile.h"
#include "base/FileIo.h"
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
  Progress progress;
  NullHost host;
  for (int round = 0; round < 200; ++round) {
    folder.Write("r.dct", RandomFile(random, 3000));
    DictionaryLoadResult result = LoadDictionary(*store, folder.Path("r.dct"), progress, host);
    ASSERT_FALSE(result.error);
    ASSERT_LE(store->DictionaryCount, DictionaryStore::Capacity);
    folder.Write("w.dct", SerializeDictionary(*store));
    ASSERT_FALSE(LoadDictionary(*again, folder.Path("w.dct"), progress, host).error);
    ASSERT_EQ(again->DictionaryCount, store->DictionaryCount) << "round " << round;
    ASSERT_EQ(SerializeDictionary(*again), SerializeDictionary(*store)) << "round " << round;
  }
}

// Runs `body` in a child process that is stopped after `seconds`; true when it finished in time
// and returned true.
bool FinishesWithin(unsigned seconds, const std::function<bool()>& body) {
  pid_t child = ::fork();
  if (child == 0) {
    ::alarm(seconds);
    ::_exit(body() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Readers take regular files only, and refuse one larger than any file of their kind can be
// before reading it: a device or an endless file as a puzzle or dictionary would never end.
TEST(FileRobustness, DevicesAndOversizedFilesAreRefusedAndChangeNothing) {
  namespace fs = std::filesystem;
  TestFolder folder;
  fs::create_symlink("/dev/zero", folder.Path("zero.dct"));
  fs::create_symlink("/dev/zero", folder.Path("zero.gx"));
  ::mkfifo(folder.Path("pipe.dct").c_str(), 0600);
  // Sparse files: large to the reader, nothing on the disk.
  fs::resize_file((folder.Write("huge.dct", ""), folder.Path("huge.dct")), 300u << 20);
  fs::resize_file((folder.Write("huge.gx", ""), folder.Path("huge.gx")), 20u << 20);

  EXPECT_TRUE(FinishesWithin(20, [&] {
    auto store = std::make_unique<DictionaryStore>();
    store->SetEntry(1, "old");
    store->DictionaryCount = 1;
    store->DictionaryLoaded = true;
    Progress progress;
    NullHost host;
    bool all_refused = true;
    for (const char* name : {"zero.dct", "pipe.dct", "huge.dct"}) {
      const DictionaryLoadResult result = LoadDictionary(*store, folder.Path(name), progress, host);
      all_refused = all_refused && result.error && store->DictionaryCount == 1 && store->Entry(1) == "old";
    }
    auto puzzle = std::make_unique<Puzzle>();
    puzzle->SlotCount = 3;
    for (const char* name : {"zero.gx", "huge.gx"}) {
      const PuzzleLoadResult result = LoadPuzzleFile(*puzzle, folder.Path(name));
      all_refused = all_refused && result.status != PuzzleLoadResult::Status::Loaded && puzzle->SlotCount == 3;
    }
    std::string bytes;
    all_refused = all_refused && ReadWholeFile(folder.Path("zero.gx"), bytes) && bytes.empty();
    return all_refused;
  }));
  auto store = std::make_unique<DictionaryStore>();
  Progress progress;
  NullHost host;
  EXPECT_EQ(LoadDictionary(*store, folder.Path("huge.dct"), progress, host).error.Text(), "File too large");
  EXPECT_EQ(LoadDictionary(*store, folder.Path("zero.dct"), progress, host).error.Text(), "File access denied");
  auto puzzle = std::make_unique<Puzzle>();
  EXPECT_EQ(LoadPuzzleFile(*puzzle, folder.Path("zero.gx")).status, PuzzleLoadResult::Status::Missing);
  EXPECT_EQ(LoadPuzzleFile(*puzzle, folder.Path("huge.gx")).error.Text(), "File too large");
}

}  // namespace
}  // namespace gx::test
