#include "shell/UserProgramFolder.h"

#include <gtest/gtest.h>

#include "base/FileIo.h"

#include <filesystem>

#include "TestBytes.h"
#include "TestFolder.h"
#include "base/Sha256.h"

namespace gx {
namespace {

namespace fs = std::filesystem;

// A delivered folder and the home of one user, side by side in a fresh folder.
class UserFolder : public ::testing::Test {
 protected:
  void Deliver(const std::string& name, const std::string& bytes) { Put(Delivered() / name, bytes); }
  static void Put(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Get(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  fs::path Delivered() const { return fs::path(root.Dir()) / "share" / "gridlex"; }
  fs::path Home() const { return fs::path(root.Dir()) / "home"; }
  fs::path Mine() const { return Home() / ".local" / "share" / "gridlex"; }
  std::string Prepare() const { return PrepareProgramFolder(Delivered().string(), Mine().string()); }
  // Names in the folder that holds the user's program folder.
  std::vector<std::string> Beside() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Mine().parent_path())) names.push_back(entry.path().filename());
    return names;
  }

  test::TestFolder root;
};

TEST_F(UserFolder, TheFirstStartCopiesTheDeliveredFolderWholeAndListsWhatItDelivered) {
  Deliver("gx.dat", "settings");
  Deliver("data/1.gx", "puzzle");
  Deliver("pic/gx.htm", "help");
  ASSERT_EQ(Prepare(), "");
  EXPECT_EQ(Get(Mine() / "gx.dat"), "settings");
  EXPECT_EQ(Get(Mine() / "data/1.gx"), "puzzle");
  EXPECT_EQ(Get(Mine() / "pic/gx.htm"), "help");
  EXPECT_EQ(Get(Mine() / DeliveredListName), Sha256Hex("puzzle") + " ./data/1.gx\n" + Sha256Hex("settings") +
                                                  " ./gx.dat\n" + Sha256Hex("help") + " ./pic/gx.htm\n");
  EXPECT_EQ(Beside(), std::vector<std::string>{"gridlex"});  // nothing assembled beside it is left
  EXPECT_TRUE(IsOwnProgramFolder(Mine().string()));
}

TEST_F(UserFolder, LaterStartsRefreshOnlyTheFilesTheUserLeftAlone) {
  Deliver("gx.dat", "settings 1");
  Deliver("data/1.gx", "puzzle 1");
  Deliver("data/ru.dct", "dictionary 1");
  Deliver("pic/gx.htm", "help 1");
  ASSERT_EQ(Prepare(), "");

  Put(Mine() / "gx.dat", "the user's settings");
  Put(Mine() / "data/2.gx", "the user's puzzle");
  fs::remove(Mine() / "pic/gx.htm");
  Deliver("gx.dat", "settings 2");
  Deliver("data/1.gx", "puzzle 2");
  Deliver("snd/e1.wav", "sound");
  ASSERT_EQ(Prepare(), "");
  EXPECT_EQ(Get(Mine() / "gx.dat"), "the user's settings");
  EXPECT_EQ(Get(Mine() / "data/1.gx"), "puzzle 2");
  EXPECT_EQ(Get(Mine() / "data/2.gx"), "the user's puzzle");
  EXPECT_EQ(Get(Mine() / "data/ru.dct"), "dictionary 1");
  EXPECT_EQ(Get(Mine() / "pic/gx.htm"), "help 1");  // a delivered file that went missing comes back
  EXPECT_EQ(Get(Mine() / "snd/e1.wav"), "sound");

  // Still the user's at the next update, though it no longer differs from anything the list names.
  Deliver("gx.dat", "settings 3");
  ASSERT_EQ(Prepare(), "");
  EXPECT_EQ(Get(Mine() / "gx.dat"), "the user's settings");

  // A folder without the list (made by hand, or by an older program): every differing file is the user's.
  fs::remove(Mine() / DeliveredListName);
  Put(Mine() / "data/1.gx", "puzzle 1");
  Deliver("data/1.gx", "puzzle 3");
  ASSERT_EQ(Prepare(), "");
  EXPECT_EQ(Get(Mine() / "data/1.gx"), "puzzle 1");
  EXPECT_EQ(Get(Mine() / "gx.dat"), "the user's settings");
  EXPECT_EQ(Get(Mine() / "pic/gx.htm"), "help 1");
}

TEST_F(UserFolder, AFolderThatCannotBeMadeOrWrittenIsReportedAndNothingHalfCopiedStays) {
  Deliver("gx.dat", "settings");
  Deliver("data/1.gx", "puzzle");

  // The place for it is taken by a file.
  Put(Home() / ".local", "not a folder");
  std::string message = Prepare();
  EXPECT_NE(message.find("Не удаётся создать папку программы " + Mine().string()), std::string::npos) << message;
  fs::remove(Home() / ".local");

  // A delivered file that cannot be read (this one, sparse, is larger than any file the program
  // reads, which no permission changes for root) stops the first copy: no program folder appears,
  // and nothing assembled is left beside it.
  Put(Delivered() / "data" / "2.gx", "");
  fs::resize_file(Delivered() / "data" / "2.gx", MaxAnyFileBytes + 1);
  message = Prepare();
  EXPECT_NE(message.find("Не удаётся прочитать файлы программы"), std::string::npos) << message;
  EXPECT_FALSE(fs::exists(Mine()));
  EXPECT_TRUE(Beside().empty());
  fs::remove(Delivered() / "data" / "2.gx");

  // A write that fails during a refresh leaves the user's files as they were.
  ASSERT_EQ(Prepare(), "");
  Put(Mine() / "gx.dat", "the user's settings");
  fs::remove_all(Mine() / "data");
  Put(Mine() / "data", "a file where the data folder was");
  Deliver("gx.dat", "settings 2");
  message = Prepare();
  EXPECT_NE(message.find("Не удаётся записать в папку программы " + Mine().string()), std::string::npos) << message;
  EXPECT_EQ(Get(Mine() / "gx.dat"), "the user's settings");
  EXPECT_EQ(Get(Mine() / "data"), "a file where the data folder was");

  // Without a delivered folder an existing program folder is used as it stands; a missing one cannot be made.
  fs::remove_all(Delivered());
  EXPECT_EQ(Prepare(), "");
  fs::remove_all(Mine());
  EXPECT_NE(Prepare().find("не найдены файлы программы"), std::string::npos);
}

TEST(ProgramFolderChoice, AnExplicitFolderThenTheCurrentOneWhenItIsAProgramFolderThenTheUsersOwn) {
  test::TestFolder current;
  EXPECT_EQ(UserProgramFolder("/x/data", "/home/u"), "/x/data/gridlex");
  EXPECT_EQ(UserProgramFolder("/x/data/", "/home/u"), "/x/data/gridlex");
  EXPECT_EQ(UserProgramFolder("relative", "/home/u"), "/home/u/.local/share/gridlex");
  EXPECT_EQ(UserProgramFolder("", "/home/u"), "/home/u/.local/share/gridlex");
  EXPECT_EQ(UserProgramFolder(nullptr, nullptr), "");

  ProgramFolderChoice choice = ChooseProgramFolder(std::nullopt, current.Dir(), nullptr, "/home/u");
  EXPECT_EQ(choice.dir, "/home/u/.local/share/gridlex");
  EXPECT_TRUE(choice.copy_delivered);

  current.Write("gx.dat", "settings");
  choice = ChooseProgramFolder(std::nullopt, current.Dir(), nullptr, "/home/u");
  EXPECT_EQ(choice.dir, current.Dir());
  EXPECT_FALSE(choice.copy_delivered);

  choice = ChooseProgramFolder(std::string("/portable/gridlex/"), current.Dir(), nullptr, "/home/u");
  EXPECT_EQ(choice.dir, "/portable/gridlex");
  EXPECT_TRUE(choice.copy_delivered);
  choice = ChooseProgramFolder(std::string("rel/../gx"), current.Dir(), nullptr, "/home/u");
  EXPECT_EQ(choice.dir, (fs::current_path() / "gx").string());
}

TEST(Sha256, KnownSumsAcrossTheBlockBoundaries) {
  EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the first padding block.
  EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(Sha256Hex(std::string(1000000, 'a')), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

}  // namespace
}  // namespace gx
