#include "shell/Startup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "TestBytes.h"
#include "TestFolder.h"
#include "PlayTestSupport.h"
#include "shell/CommandCore.h"
#include "files/SettingsFile.h"
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
  EXPECT_EQ(state.settings.ProgramDir.DataFolder(), "/home/user/gridlex/data");
  const ProgramFolder slashed("/home/user/gridlex/");
  EXPECT_EQ(slashed.Rek("rek.dat"), "/home/user/gridlex/rek/rek.dat");
  EXPECT_EQ(slashed.Snd("e1.wav"), "/home/user/gridlex/snd/e1.wav");
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

  test::PlayBench named;
  named.state.settings.ProgramDir = folder.Dir();
  named.commands.Start({}, elsewhere.Path("мой.gx"));
  test::PlayBench missing;
  missing.state.settings.ProgramDir = folder.Dir();
  missing.commands.Start({}, elsewhere.Path("нет.gx"));
  test::PlayBench folder_named;
  folder_named.state.settings.ProgramDir = folder.Dir();
  folder_named.commands.Start({}, elsewhere.Dir());

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

// A damaged settings file is reported, the program starts on the values of the delivered file,
// and the close keeps the damaged file as gx.dat.bad before it writes a sound one.
TEST(Startup, ADamagedSettingsFileIsKeptAsideAndTheProgramRunsOnDefaults) {
  test::TestFolder folder;
  std::filesystem::create_directories(folder.Path("data"));
  std::filesystem::create_directories(folder.Path("rek"));
  folder.Write("rek/rek.dat", "");
  const std::string damaged = std::string("\x07\x00\x03\x00\x03\x00\x40\x00\x0C\x00", 10) + "broken";
  folder.Write("gx.dat", damaged);

  test::PlayBench b;
  b.state.settings.ProgramDir = folder.Dir();
  b.commands.Start([] { return std::optional<PrinterResolution>{}; });
  EXPECT_EQ(b.host.errors, std::vector<std::string>{"Read beyond end of file: " + folder.Path("gx.dat")});
  const Settings defaults = DefaultSettings();
  EXPECT_EQ(b.state.settings.Score, defaults.Score);
  EXPECT_EQ(b.state.settings.MaxFillAttempts, defaults.MaxFillAttempts);
  EXPECT_EQ(b.state.settings.MinSlotCount, defaults.MinSlotCount);
  EXPECT_EQ(b.state.settings.Colors.BoardColor, defaults.Colors.BoardColor);
  EXPECT_EQ(b.state.dictionary.DictionaryName, DefaultDictionaryName());
  // The start went on: the puzzle was looked for, the printer measured, the fields filled.
  EXPECT_EQ(b.host.informations, std::vector<std::string>{test::W("Нет файла 0.gx")});
  EXPECT_EQ(b.state.settings.PrinterDpiX, 300);
  EXPECT_EQ(b.state.window.FillAttemptsText, std::to_string(defaults.MaxFillAttempts));
  EXPECT_EQ(folder.Read("gx.dat"), damaged);  // nothing is written while the program runs

  EXPECT_TRUE(b.commands.Close());
  EXPECT_EQ(folder.Read("gx.dat.bad"), damaged);
  Settings read_back;
  DictionaryNameText name;
  EXPECT_FALSE(ParseSettings(folder.Read("gx.dat"), read_back, name));
  EXPECT_EQ(read_back.MaxFillAttempts, defaults.MaxFillAttempts);
  EXPECT_EQ(read_back.Colors.WordCellColor, defaults.Colors.WordCellColor);
  EXPECT_EQ(name, DefaultDictionaryName());
  EXPECT_EQ(b.host.errors.size(), 1u);

  // The next close has a sound file to replace and leaves the kept one alone.
  folder.Write("gx.dat.bad", "kept");
  EXPECT_TRUE(b.commands.Close());
  EXPECT_EQ(folder.Read("gx.dat.bad"), "kept");
}

}  // namespace
}  // namespace gx
