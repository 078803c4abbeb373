#include "shell/Startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "FilesTestFolder.h"
#include "PlayTestSupport.h"
#include "files/PuzzleFile.h"

namespace gx {
namespace {

TEST(Startup, TheScoreIsRightAlignedInThreeCharacters) {
  EXPECT_EQ(ScoreText(0), "  0");
  EXPECT_EQ(ScoreText(5), "  5");
  EXPECT_EQ(ScoreText(42), " 42");
  EXPECT_EQ(ScoreText(999), "999");
}

TEST(Startup, PuzzlesLiveInTheDataFolderOfTheProgramFolder) {
  Gridlex state;
  state.settings.ProgramDir = "/home/user/gridlex";
  EXPECT_EQ(DataFolder(state), "/home/user/gridlex/data");
  EXPECT_FALSE(CurrentProgramDir().empty());
}

// The window opens with the puzzle named on its command line, wherever it lies; one that cannot be
// read is reported with the run-time's text and the highest-numbered puzzle is opened as usual.
TEST(Startup, APuzzleNamedAtStartIsOpenedInsteadOfTheHighestOne) {
  test::TestFolder folder, elsewhere;
  std::filesystem::create_directories(folder.Path("data"));
  std::filesystem::create_directories(folder.Path("rek"));
  folder.Write("rek/rek.dat", "");
  test::PlayBench maker;
  maker.AddSlot(1, 1, 3, false, test::W("кот"), test::W(" Зверь"));
  ASSERT_FALSE(SavePuzzleFile(maker.state.puzzle, folder.Path("data/3.gx")));
  maker.AddSlot(1, 3, 4, false, test::W("лиса"), test::W(" Рыжая"));
  ASSERT_FALSE(SavePuzzleFile(maker.state.puzzle, elsewhere.Path("мой.gx")));

  const std::filesystem::path started_in = std::filesystem::current_path();
  std::filesystem::current_path(folder.Dir());
  test::PlayBench named;
  FormCreate(named.state, named.host, named.commands, {}, elsewhere.Path("мой.gx"));
  test::PlayBench missing;
  FormCreate(missing.state, missing.host, missing.commands, {}, elsewhere.Path("нет.gx"));
  test::PlayBench folder_named;
  FormCreate(folder_named.state, folder_named.host, folder_named.commands, {}, elsewhere.Dir());
  std::filesystem::current_path(started_in);

  EXPECT_EQ(named.host.errors, std::vector<std::string>{});
  EXPECT_EQ(named.state.window.Caption, test::W("Кроссворд из файла мой.gx 2 сл"));
  EXPECT_EQ(named.state.puzzle.SlotCount, 2);
  EXPECT_EQ(named.state.puzzle.PlayActive, 1);
  EXPECT_EQ(named.state.settings.ProgramDir, folder.Dir());

  EXPECT_EQ(missing.host.errors, std::vector<std::string>{"File not found"});
  EXPECT_EQ(missing.state.window.Caption, test::W("Кроссворд из файла 3.gx 1 сл"));
  EXPECT_EQ(missing.state.PuzzleFileName, "3.gx");
  EXPECT_EQ(folder_named.host.errors, std::vector<std::string>{"File access denied"});
  EXPECT_EQ(folder_named.state.puzzle.SlotCount, 1);
}

}  // namespace
}  // namespace gx
