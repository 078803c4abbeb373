#include "shell/Startup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "FilesTestFolder.h"
#include "PlayTestSupport.h"
#include "shell/Commands.h"
#include "shell/SettingsFile.h"

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
