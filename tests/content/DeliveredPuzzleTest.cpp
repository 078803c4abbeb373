// The puzzle the program opens on its first start, dist/data/1.gx: a complete crossword whose
// every word and clue comes from the delivered dictionary.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "DeliveredFolder.h"
#include "base/Host.h"
#include "core/Puzzle.h"
#include "base/WindowState.h"
#include "base/Cp1251.h"
#include "files/DictionaryFile.h"
#include "core/DictionaryStore.h"
#include "files/PuzzleFile.h"

namespace gx {
namespace {

TEST(DeliveredPuzzle, IsTheHighestNumberedPuzzleOfTheDataFolder) {
  EXPECT_EQ(HighestPuzzleNumber((test::DeliveredFolder() / "data").string()), 1);
}

TEST(DeliveredPuzzle, LoadsCompleteWithEveryWordAndClueFromTheDictionary) {
  Puzzle puzzle;
  PuzzleLoadResult loaded = LoadPuzzleFile(puzzle, (test::DeliveredFolder() / "data" / "1.gx").string());
  ASSERT_EQ(loaded.status, PuzzleLoadResult::Status::Loaded) << loaded.error.Text();
  EXPECT_TRUE(loaded.notices.empty());
  ASSERT_GE(puzzle.SlotCount, 40) << "the first puzzle should fill the board well";

  DictionaryStore store;
  Progress unseen;
  NullHost host;
  ASSERT_TRUE(LoadDictionary(store, (test::DeliveredFolder() / "data" / "ru.dct").string(), unseen, host).error.ok());
  std::set<std::string> entries;
  for (int e = 1; e <= store.DictionaryCount; ++e) entries.insert(std::string(store.Entry(e)));

  std::set<std::string> answers;
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    std::string answer = puzzle.SlotAnswer[k].str();
    std::string clue(puzzle.Clues.Clue(k - 1));
    ASSERT_FALSE(answer.empty()) << "slot " << k << " has no word";
    ASSERT_GE(clue.size(), 2u) << "slot " << k << " has no clue";
    EXPECT_EQ(clue[0], ' ') << "a clue in the list begins with a space";
    EXPECT_TRUE(entries.count(answer + clue)) << "slot " << k << ": " << Cp1251ToUtf8(answer + clue);
    EXPECT_TRUE(answers.insert(answer).second) << "word used twice: " << Cp1251ToUtf8(answer);
  }
}

}  // namespace
}  // namespace gx
