// The series of the batch tool against the window: N crosswords of a series are the crosswords of
// N presses of F5, and the dictionary ends in the same order.

#include "cli/SeriesRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TestBytes.h"
#include "TestFolder.h"
#include "../support/PlayTestSupport.h"
#include "files/DictionaryFile.h"
#include "files/PuzzleFile.h"

namespace gx {
namespace {

TEST(Series, BuildsTheCrosswordsOfAsManyPressesOfF5) {
  const std::filesystem::path delivered = std::filesystem::path(GRIDLEX_DIST_DIR) / "data/ru.dct";
  test::TestFolder folder;
  std::filesystem::create_directories(folder.Path("data"));
  std::filesystem::copy_file(delivered, folder.Path("data/ru.dct"));

  auto window = std::make_unique<test::PlayBench>(21);
  window->state.settings.ProgramDir = folder.Dir();
  window->state.dictionary.DictionaryName = "ru.dct";
  window->state.settings.MinSlotCount = 52;
  window->state.settings.MaxFillAttempts = 256;
  std::vector<std::string> pressed;
  for (int press = 0; press < 3; ++press) {
    window->commands.KeyDown(Key::F5);
    ASSERT_EQ(window->state.puzzle.PlayActive, 1) << "press " << press;
    pressed.push_back(SerializePuzzle(window->state.puzzle));
  }

  auto dictionary = std::make_unique<DictionaryStore>();
  Progress unused;
  NullHost host;
  ASSERT_FALSE(LoadDictionary(*dictionary, folder.Path("data/ru.dct"), unused, host).error);
  cli::SeriesSettings settings;
  settings.count = 3;
  settings.board = 21;
  settings.seed = 12345;  // the bench's generator
  settings.min_slots = 52;
  settings.attempts = 256;
  std::vector<std::string> series;
  const cli::SeriesTally tally = cli::BuildSeries(
      *dictionary, settings, [&series](const Puzzle& puzzle, int) { series.push_back(SerializePuzzle(puzzle)); });
  EXPECT_EQ(tally.built, 3);
  EXPECT_EQ(series, pressed);
  ASSERT_EQ(dictionary->DictionaryCount, window->state.dictionary.DictionaryCount);
  for (int e = 1; e <= dictionary->DictionaryCount; ++e) {
    ASSERT_EQ(dictionary->Entry(e), window->state.dictionary.Entry(e)) << "entry " << e;
  }
}

}  // namespace
}  // namespace gx
