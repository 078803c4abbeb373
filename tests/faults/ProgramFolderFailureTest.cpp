// The first start's copy of the delivered folder into the user's folder, and a later start's
// refresh of the delivered files the user left alone, under the failures every write is tried
// with: a read-only folder, a full disk, a failed rename and a kill at a random byte. After each
// no folder stands in the user's place unless it is complete, the user's own files are byte for
// byte what they were, the failure is reported, and the next start finishes the work and leaves
// nothing of the failed one behind.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <random>

#include "TestBytes.h"
#include "TestFolder.h"
#include "InjectedFailures.h"
#include "base/FileDescriptor.h"
#include "base/FileError.h"
#include "base/FileIo.h"
#include "base/TempFile.h"
#include "shell/UserProgramFolder.h"

namespace gx {
namespace {

namespace fs = std::filesystem;

using Files = std::map<std::string, std::string>;  // relative path to bytes

// Every file below `dir`; the delivered list is left out, it is the program's own bookkeeping.
Files Snapshot(const fs::path& dir) {
  Files files;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().lexically_relative(dir).generic_string();
    if (name == DeliveredListName) continue;
    std::string bytes;
    EXPECT_FALSE(ReadWholeFile(entry.path().string(), bytes)) << name;
    files[name] = bytes;
  }
  return files;
}

std::vector<std::string> Leftovers(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (IsReplacementLeftover(entry.path().filename().string())) names.push_back(entry.path().string());
  }
  return names;
}

// A delivered folder and the home of one user, side by side.
struct Homes {
  Homes() { fs::create_directories(Mine().parent_path()); }
  ~Homes() {
    for (const fs::path& dir : {Mine().parent_path(), Mine(), Mine() / "data"}) {
      std::error_code ignored;
      if (fs::is_directory(dir, ignored)) fs::permissions(dir, fs::perms::owner_all, ignored);
    }
  }
  fs::path Delivered() const { return fs::path(root.Dir()) / "share" / "gridlex"; }
  fs::path Mine() const { return fs::path(root.Dir()) / "home" / ".local" / "share" / "gridlex"; }
  void Deliver(const Files& files) const {
    for (const auto& [name, bytes] : files) {
      fs::create_directories((Delivered() / name).parent_path());
      ASSERT_FALSE(ReplaceFile((Delivered() / name).string(), bytes));
    }
  }
  std::string Prepare() const { return PrepareProgramFolder(Delivered().string(), Mine().string()); }
  // What stands beside the user's folder.
  std::vector<std::string> Beside() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Mine().parent_path())) names.push_back(entry.path().filename());
    return names;
  }
  test::TestFolder root;
};

// Every file here is longer than 25 bytes, so a failure at any of the first 25 comes mid-file.
const Files kFirstDelivery = {{"gx.dat", "the delivered settings, first"},
                              {"data/1.gx", "the delivered puzzle, first issue"},
                              {"data/ru.dct", "the delivered dictionary, first"},
                              {"pic/gx.htm", "the delivered help page, first"}};
const Files kSecondDelivery = {{"gx.dat", "the delivered settings, second"},
                               {"data/1.gx", "the delivered puzzle, second issue"},
                               {"data/ru.dct", "the delivered dictionary, first"},
                               {"pic/gx.htm", "the delivered help page, second"}};
const Files kUsersOwn = {{"gx.dat", "the user's own settings, changed"},
                         {"data/2.gx", "the user's own puzzle, saved later"}};

Files Merged(Files files, const Files& over) {
  for (const auto& [name, bytes] : over) files[name] = bytes;
  return files;
}

std::string Path(const Homes& h, const std::string& name) { return (h.Mine() / name).string(); }

struct Failure {
  const char* name;
  std::function<void(Homes&)> inject;
  std::function<std::string(Homes&)> message;  // what the start reports
};

// The first start, failing: nothing stands in the user's place, nothing is left beside it.
TEST(ProgramFolderFailures, AFailedFirstCopyLeavesNoFolderAndTheNextStartMakesItWhole) {
  const std::vector<Failure> failures = {
      {"read-only folder", [](Homes& h) { fs::permissions(h.Mine().parent_path(), fs::perms::owner_read | fs::perms::owner_exec); },
       [](Homes& h) { return "Не удаётся создать папку программы " + h.Mine().string() + ": File access denied"; }},
      {"full disk", [](Homes&) { test::InjectFullDisk("1.gx", 20); },
       [](Homes& h) {
         return "Не удаётся записать в папку программы " + h.Mine().string() + ": Disk full (" + Path(h, "data/1.gx") + ")";
       }},
      {"failed file rename", [](Homes&) { test::InjectRenameFailure("1.gx", EIO); },
       [](Homes& h) {
         return "Не удаётся записать в папку программы " + h.Mine().string() + ": " + FileError::FromErrno(EIO).Text() +
                " (" + Path(h, "data/1.gx") + ")";
       }},
      {"failed folder rename", [](Homes&) { test::InjectRenameFailure("gridlex", EIO); },
       [](Homes& h) {
         return "Не удаётся создать папку программы " + h.Mine().string() + ": " + FileError::FromErrno(EIO).Text();
       }},
  };
  for (const Failure& failure : failures) {
    SCOPED_TRACE(failure.name);
    Homes h;
    h.Deliver(kFirstDelivery);
    failure.inject(h);
    const std::string message = h.Prepare();
    test::ClearInjections();
    fs::permissions(h.Mine().parent_path(), fs::perms::owner_all);
    EXPECT_EQ(message, failure.message(h));
    EXPECT_FALSE(fs::exists(h.Mine()));
    EXPECT_TRUE(h.Beside().empty());
    ASSERT_EQ(h.Prepare(), "");
    EXPECT_EQ(Snapshot(h.Mine()), kFirstDelivery);
    std::printf("  first copy | %-20s | no folder made, \"%s\" reported\n", failure.name, message.c_str());
  }
}

// A later start, failing: the delivered files are each old or new and whole, the user's are untouched.
TEST(ProgramFolderFailures, AFailedRefreshLeavesTheUsersFilesAndTheNextStartFinishesIt) {
  const Files refreshed = Merged(kSecondDelivery, kUsersOwn);
  const std::vector<Failure> failures = {
      {"read-only folder", [](Homes& h) { fs::permissions(h.Mine() / "data", fs::perms::owner_read | fs::perms::owner_exec); },
       [](Homes& h) {
         return "Не удаётся записать в папку программы " + h.Mine().string() + ": File access denied (" +
                Path(h, "data/1.gx") + ")";
       }},
      {"full disk", [](Homes&) { test::InjectFullDisk("gx.htm", 20); },
       [](Homes& h) {
         return "Не удаётся записать в папку программы " + h.Mine().string() + ": Disk full (" + Path(h, "pic/gx.htm") + ")";
       }},
      {"failed file rename", [](Homes&) { test::InjectRenameFailure("1.gx", EIO); },
       [](Homes& h) {
         return "Не удаётся записать в папку программы " + h.Mine().string() + ": " + FileError::FromErrno(EIO).Text() +
                " (" + Path(h, "data/1.gx") + ")";
       }},
      {"failed list rename", [](Homes&) { test::InjectRenameFailure(DeliveredListName, EIO); },
       [](Homes& h) {
         return "Не удаётся записать в папку программы " + h.Mine().string() + ": " + FileError::FromErrno(EIO).Text() +
                " (" + Path(h, DeliveredListName) + ")";
       }},
  };
  for (const Failure& failure : failures) {
    SCOPED_TRACE(failure.name);
    Homes h;
    h.Deliver(kFirstDelivery);
    ASSERT_EQ(h.Prepare(), "");
    for (const auto& [name, bytes] : kUsersOwn) ASSERT_FALSE(ReplaceFile(Path(h, name), bytes));
    h.Deliver(kSecondDelivery);
    failure.inject(h);
    const std::string message = h.Prepare();
    test::ClearInjections();
    fs::permissions(h.Mine() / "data", fs::perms::owner_all);
    EXPECT_EQ(message, failure.message(h));
    const Files after = Snapshot(h.Mine());
    for (const auto& [name, bytes] : after) {
      if (kUsersOwn.count(name)) {
        EXPECT_EQ(bytes, kUsersOwn.at(name)) << name;
      } else {
        EXPECT_TRUE(bytes == kFirstDelivery.at(name) || bytes == kSecondDelivery.at(name)) << name << ": " << bytes;
      }
    }
    EXPECT_EQ(after.size(), refreshed.size());
    EXPECT_EQ(Leftovers(h.Mine()), std::vector<std::string>{});
    ASSERT_EQ(h.Prepare(), "");
    EXPECT_EQ(Snapshot(h.Mine()), refreshed);
    std::printf("  refresh    | %-20s | user's files kept, \"%s\" reported\n", failure.name, message.c_str());
  }
}

// Runs a start in a child killed once `bytes` of the file `target` are written.
void StartKilled(const Homes& h, const std::string& target, std::size_t bytes) {
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    test::InjectKill(target, bytes);
    h.Prepare();
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the start ended before byte " << bytes;
}

TEST(ProgramFolderFailures, AStartKilledAtARandomByteLosesNothingAndTheNextStartCleansUp) {
  std::mt19937 random(20261208);
  auto pick = [&](const std::vector<std::string>& names) {
    return names[std::uniform_int_distribution<std::size_t>(0, names.size() - 1)(random)];
  };
  auto byte = [&] { return std::uniform_int_distribution<std::size_t>(0, 24)(random); };
  for (int round = 0; round < 4; ++round) {
    {
      Homes h;
      h.Deliver(kFirstDelivery);
      const std::string file = fs::path(pick({"gx.dat", "data/1.gx", "data/ru.dct", "pic/gx.htm"})).filename();
      const std::size_t at = byte();
      StartKilled(h, file, at);
      EXPECT_FALSE(fs::exists(h.Mine())) << "killed in " << file;
      // Another start assembling its copy at the same time keeps its folder, and the user's
      // folders that merely look like a copy's stay whatever they hold.
      const fs::path other = h.Mine().parent_path() / (TempFolderPrefix("gridlex") + "other1");
      fs::create_directory(other);
      const FileDescriptor held(::open(other.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
      ASSERT_EQ(::flock(held.get(), LOCK_EX), 0);
      const std::vector<std::string> decoys = {"gridlex.new-backup", "gridlex.new-Ab12Cd", ".gridlex-new-gridlex-bak",
                                               ".gridlex-new-other-Ab12Cd"};
      for (const std::string& decoy : decoys) fs::create_directories(h.Mine().parent_path() / decoy / "thesis");
      ASSERT_EQ(h.Prepare(), "");
      EXPECT_EQ(Snapshot(h.Mine()), kFirstDelivery);
      std::vector<std::string> beside = h.Beside();
      std::sort(beside.begin(), beside.end());
      std::vector<std::string> expected = decoys;
      expected.push_back("gridlex");
      expected.push_back(other.filename());
      std::sort(expected.begin(), expected.end());
      EXPECT_EQ(beside, expected);
      for (const std::string& decoy : decoys) fs::remove_all(h.Mine().parent_path() / decoy);
      fs::remove_all(other);
      std::printf("  first copy | killed in %-10s at byte %2zu | no folder made; next start copies it whole, nothing left beside\n",
                  file.c_str(), at);
    }
    {
      Homes h;
      h.Deliver(kFirstDelivery);
      ASSERT_EQ(h.Prepare(), "");
      for (const auto& [name, bytes] : kUsersOwn) ASSERT_FALSE(ReplaceFile(Path(h, name), bytes));
      h.Deliver(kSecondDelivery);
      const std::string file = pick({"1.gx", "gx.htm", DeliveredListName});
      const std::size_t at = byte();
      StartKilled(h, file, at);
      const Files after = Snapshot(h.Mine());
      for (const auto& [name, bytes] : kUsersOwn) EXPECT_EQ(after.at(name), bytes);
      EXPECT_EQ(after.at("data/1.gx"), file == "1.gx" ? kFirstDelivery.at("data/1.gx") : kSecondDelivery.at("data/1.gx"));
      ASSERT_EQ(h.Prepare(), "");
      EXPECT_EQ(Snapshot(h.Mine()), Merged(kSecondDelivery, kUsersOwn));
      EXPECT_EQ(Leftovers(h.Mine()), std::vector<std::string>{});
      std::printf("  refresh    | killed in %-10s at byte %2zu | user's files kept; next start refreshes, no leftover\n",
                  file.c_str(), at);
    }
  }
}

}  // namespace
}  // namespace gx
