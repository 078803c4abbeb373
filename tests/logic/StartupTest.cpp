#include "shell/Startup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "FilesTestFolder.h"
#include "PlayTestSupport.h"
#include "shell/CommandCore.h"
#include "shell/SettingsFile.h"
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

// Runs the start in a program folder, as the program runs in its current directory.
class StartIn {
 public:
  explicit StartIn(const std::string& dir) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~StartIn() { std::filesystem::current_path(old_); }

 private:
  std::filesystem::path old_;
};

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
  {
    StartIn start(folder.Dir());
    FormCreate(b.state, b.host, b.commands, [] { return std::optional<PrinterResolution>{}; });
  }
  EXPECT_EQ(b.host.errors, std::vector<std::string>{"Read beyond end of file"});
  const Settings defaults = DefaultSettings();
  EXPECT_EQ(b.state.settings.Score, defaults.Score);
  EXPECT_EQ(b.state.settings.MaxFillAttempts, defaults.MaxFillAttempts);
  EXPECT_EQ(b.state.settings.MinSlotCount, defaults.MinSlotCount);
  EXPECT_EQ(b.state.settings.Colors.BoardColor, defaults.Colors.BoardColor);
  EXPECT_EQ(b.state.dictionary.DictionaryName, DefaultDictionaryName());
  // The start went on: the puzzle was looked for, the printer measured, the fields filled.
  EXPECT_EQ(b.host.informations, std::vector<std::string>{test::W("Нет файла 0.gx")});
  EXPECT_EQ(b.state.settings.PrinterDpiX, 300);
  EXPECT_EQ(b.state.window.ComboBox2Text, std::to_string(defaults.MaxFillAttempts));
  EXPECT_EQ(folder.Read("gx.dat"), damaged);  // nothing is written while the program runs

  EXPECT_TRUE(FormClose(b.state, b.host, b.commands));
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
  EXPECT_TRUE(FormClose(b.state, b.host, b.commands));
  EXPECT_EQ(folder.Read("gx.dat.bad"), "kept");
}

}  // namespace
}  // namespace gx
