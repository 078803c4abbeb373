// Names that come out of files (the dictionary name in gx.dat, the file names of rek.dat) and the
// names taken from dialogs reach the file system only as bare names inside their own folder.

#include <gtest/gtest.h>

#include <filesystem>

#include "TestBytes.h"
#include "TestFolder.h"
#include "PlayTestSupport.h"
#include "board/WordMedia.h"
#include "files/DictionaryFile.h"
#include "base/FileIo.h"
#include "files/FileNames.h"
#include "shell/CommandCore.h"
#include "files/SettingsFile.h"
#include "shell/Startup.h"

namespace gx {
namespace {

using test::PlayBench;
using test::W;

TEST(FileNameSafety, OnlyBareNamesNameFiles) {
  for (const char* name : {"ru.dct", "12.gx", "my words.dct", "a..b.dct", ".hidden.dct", "rek1.jpg"}) {
    EXPECT_TRUE(IsBareFileName(name)) << name;
  }
  const std::string with_nul("ru.dct\0/x", 9);
  for (const std::string& name : {std::string(), std::string("."), std::string(".."), std::string("../gx.dat"),
                                  std::string("../../x.dct"), std::string("/etc/passwd"), std::string("data/ru.dct"),
                                  std::string("..\\gx.dat"), std::string("C:ru.dct"), std::string("C:\\x.dct"),
                                  std::string("a\nb.dct"), with_nul}) {
    EXPECT_FALSE(IsBareFileName(name)) << name;
  }
  std::string path = "unchanged";
  EXPECT_EQ(PathInFolder("/prog/data", "../gx.dat", path).Text(), "Invalid filename");
  EXPECT_EQ(path, "unchanged");
  EXPECT_FALSE(PathInFolder("/prog/data", "ru.dct", path));
  EXPECT_EQ(path, "/prog/data/ru.dct");
}

// A settings file naming a dictionary outside the data folder: the build refuses to load it, and
// neither the settings file nor a file outside the program folder is ever read as a dictionary or
// overwritten by one.
TEST(FileNameSafety, ADictionaryNameThatIsAPathIsRefusedAndNothingIsWritten) {
  test::TestFolder folder;
  const std::string program = folder.Path("prog");
  std::filesystem::create_directories(program + "/data");
  const std::string outside = "\x0A\x0E\x12\x3D\x00\x56\x56";  // «кот а» and the end marker
  folder.Write("x.dct", outside);

  for (const std::string name : {"../gx.dat", "../../x.dct", "/etc/passwd"}) {
    PlayBench b;
    b.state.settings.ProgramDir = program;
    b.state.dictionary.DictionaryName = name;
    const std::string settings = SerializeSettings(b.state.settings, name);
    folder.Write("prog/gx.dat", settings);

    b.commands.KeyDown(Key::F5);
    EXPECT_EQ(b.host.errors, std::vector<std::string>{"Invalid filename"}) << name;
    EXPECT_FALSE(b.state.dictionary.DictionaryLoaded);
    EXPECT_EQ(b.state.dictionary.DictionaryCount, 0);
    b.commands.ButtonClick(Button::EditDictionary);  // the editor asks for a load too
    EXPECT_EQ(b.host.errors.size(), 2u);

    // Even a store that claims to be changed is not written anywhere under such a name.
    b.state.dictionary.DictionaryModified = true;
    EXPECT_TRUE(b.commands.Close());
    EXPECT_EQ(folder.Read("prog/gx.dat"), settings) << name;
    EXPECT_EQ(folder.Read("x.dct"), outside) << name;
    ASSERT_FALSE(b.host.errors.empty());
    EXPECT_EQ(b.host.errors.back(), "Invalid filename");
  }
}

std::string AdvertLine(std::string name, std::string_view keywords) {
  name.resize(12, ' ');
  return name + std::string(keywords) + "\r\n";
}

TEST(FileNameSafety, AdvertisementFilesOutsideTheRekFolderAreNeverOpened) {
  PlayBench b;
  b.AddSlot(1, 1, 3, false, W("кот"), W(" Ласковый котёнок"));
  for (const char* name : {"../gx.dat", "../../x.mpg", "/etc/x.jpg", "..\\s1.jpg", "..", "../r200.htm"}) {
    b.state.adverts = ParseAdvertList(AdvertLine(name, W("кот!")));
    b.host.errors.clear();
    b.state.window.AdvertVisible = true;
    WordMedia media(b.state.puzzle, b.state.settings, b.state.window, b.state.adverts, b.host);
    media.ShowWordMedia();
    EXPECT_TRUE(b.host.pictures.empty()) << name;
    EXPECT_TRUE(b.host.played.empty()) << name;
    EXPECT_TRUE(b.host.documents.empty()) << name;
    EXPECT_FALSE(b.state.window.AdvertVisible) << name;
    EXPECT_EQ(b.host.errors, std::vector<std::string>{"Invalid filename"}) << name;
  }
}

// The names a dialog gives go through the same door: a path that ends in a folder name is no file.
TEST(FileNameSafety, DialogPathsEndingInAFolderAreRefused) {
  test::TestFolder folder;
  std::filesystem::create_directories(folder.Path("data"));
  PlayBench b;
  b.state.settings.ProgramDir = folder.Dir();
  b.state.dictionary.DictionaryName = "ru.dct";
  b.commands.ButtonClick(Button::OpenSettings);
  b.host.dialog_answers.push_back(folder.Path("data") + "/..");
  b.commands.ButtonClick(Button::ChooseDictionary);
  EXPECT_EQ(b.host.errors, std::vector<std::string>{"Invalid filename"});
  EXPECT_FALSE(b.state.dictionary.DictionaryLoaded);
  EXPECT_FALSE(b.state.dictionary.DictionaryModified);
}

}  // namespace
}  // namespace gx
