#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <atomic>
#include <csignal>
#include <mutex>
#include <thread>
#include <vector>

#include "TestBytes.h"
#include "TestFolder.h"
#include "base/FileDescriptor.h"
#include "base/FileIo.h"
#include "base/TempFile.h"

namespace gx::test {
namespace {

// Runs ReplaceFile in a child process whose files may not grow beyond `limit` bytes (the
// program ignores the signal such a write raises); returns the error number the write reported.
int ReplaceWithSizeLimit(const std::string& path, const std::string& bytes, rlim_t limit) {
  pid_t child = ::fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit rl{limit, limit};
    ::setrlimit(RLIMIT_FSIZE, &rl);
    ::_exit(ReplaceFile(path, bytes).code() & 0xFF);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SafeReplace, AFileSizeLimitInTheMiddleKeepsTheOldFile) {
  TestFolder folder;
  folder.Write("old.dct", "the old contents");
  int code = ReplaceWithSizeLimit(folder.Path("old.dct"), std::string(100000, 'x'), 4096);
  EXPECT_EQ(code, FileError::FileTooLarge & 0xFF);
  EXPECT_EQ(FileError::FromErrno(EFBIG).Text(), "File too large");
  EXPECT_EQ(folder.Read("old.dct"), "the old contents");
  EXPECT_EQ(folder.FileCount(), 1);
}

TEST(SafeReplace, CompleteWriteReplacesAndKeepsPermissions) {
  TestFolder folder;
  folder.Write("a.gx", "old");
  std::filesystem::permissions(folder.Path("a.gx"), std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::owner_write |
                                                        std::filesystem::perms::group_read);
  ASSERT_FALSE(ReplaceFile(folder.Path("a.gx"), std::string("new\0bytes", 9)));
  EXPECT_EQ(folder.Read("a.gx"), std::string("new\0bytes", 9));
  auto perms = std::filesystem::status(folder.Path("a.gx")).permissions();
  EXPECT_EQ(perms & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
  EXPECT_EQ(folder.FileCount(), 1);
}

std::vector<std::string> Names(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Replacing goes by the permission the user gave the file and its folder, whoever runs the
// program (even the superuser, who could write anyway).
TEST(SafeReplace, AWriteProtectedFileOrFolderIsNotReplaced) {
  namespace fs = std::filesystem;
  TestFolder folder;
  folder.Write("locked.dct", "old words");
  fs::permissions(folder.Path("locked.dct"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(ReplaceFile(folder.Path("locked.dct"), "new words").Text(), "File access denied");
  EXPECT_EQ(folder.Read("locked.dct"), "old words");

  fs::create_directories(folder.Path("shelf"));
  folder.Write("shelf/a.gx", "old puzzle");
  fs::permissions(folder.Path("shelf"), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(ReplaceFile(folder.Path("shelf/a.gx"), "new puzzle").Text(), "File access denied");
  EXPECT_EQ(ReplaceFile(folder.Path("shelf/b.gx"), "new puzzle").Text(), "File access denied");
  fs::permissions(folder.Path("shelf"), fs::perms::owner_all);
  EXPECT_EQ(Names(folder.Path("shelf")), std::vector<std::string>{"a.gx"});
  EXPECT_EQ(folder.Read("shelf/a.gx"), "old puzzle");
  EXPECT_EQ(folder.FileCount(), 2);
}

// A linked file stays linked: the file it points to is replaced, in its own folder, and every
// other link to it sees the new contents.
TEST(SafeReplace, ALinkedFileIsReplacedWhereItLives) {
  namespace fs = std::filesystem;
  TestFolder folder;
  fs::create_directories(folder.Path("shared"));
  fs::create_directories(folder.Path("data"));
  folder.Write("shared/words.dct", "old");
  fs::create_symlink("../shared/words.dct", folder.Path("data/ru.dct"));
  fs::create_symlink("ru.dct", folder.Path("data/again.dct"));  // a link to a link
  ASSERT_FALSE(ReplaceFile(folder.Path("data/again.dct"), "new"));
  EXPECT_TRUE(fs::is_symlink(folder.Path("data/ru.dct")));
  EXPECT_TRUE(fs::is_symlink(folder.Path("data/again.dct")));
  EXPECT_EQ(folder.Read("shared/words.dct"), "new");
  EXPECT_EQ(Names(folder.Path("shared")), std::vector<std::string>{"words.dct"});
  EXPECT_EQ(Names(folder.Path("data")), (std::vector<std::string>{"again.dct", "ru.dct"}));

  // A link whose file is gone gets the file back where it pointed.
  fs::remove(folder.Path("shared/words.dct"));
  ASSERT_FALSE(ReplaceFile(folder.Path("data/ru.dct"), "back"));
  EXPECT_TRUE(fs::is_symlink(folder.Path("data/ru.dct")));
  EXPECT_EQ(folder.Read("shared/words.dct"), "back");

  // A write-protected target behind a link is protected too.
  fs::permissions(folder.Path("shared/words.dct"), fs::perms::owner_read);
  EXPECT_EQ(ReplaceFile(folder.Path("data/ru.dct"), "x").Text(), "File access denied");
  EXPECT_EQ(folder.Read("shared/words.dct"), "back");

  // Links in a circle lead to no file.
  fs::create_symlink("loop2", folder.Path("data/loop1"));
  fs::create_symlink("loop1", folder.Path("data/loop2"));
  EXPECT_TRUE(ReplaceFile(folder.Path("data/loop1"), "x"));
  EXPECT_TRUE(fs::is_symlink(folder.Path("data/loop1")));
}

// A write killed half-way leaves its temporary file. The next write to the same file removes it,
// known by the program's own name for that file and a lock nobody holds; everything else stays,
// however much it looks like a leftover: the user's files, another file's leftovers, a file a live
// write holds, and entries of the right name that are no plain file.
TEST(SafeReplace, OnlyTheTargetsOwnUnheldLeftoversGo) {
  namespace fs = std::filesystem;
  TestFolder folder;
  const std::string own = TempFilePrefix("1.gx");
  const std::vector<std::string> leftovers = {own + "Ab12Cd", own + "zzzzzz"};
  const std::vector<std::string> decoys = {"thesis.tmp-backup", "1.gx.tmp-Ab12Cd", "gridlex.new-backup",
                                           own + "Ab12C",      own + "Ab12Cde",      own + "Ab!2Cd",
                                           TempFilePrefix("2.gx") + "Ab12Cd", TempFilePrefix("1.g") + "Ab12Cd"};
  for (const std::string& name : leftovers) folder.Write(name, "half");
  for (const std::string& name : decoys) folder.Write(name, "keep");
  const std::string held = own + "Live00";
  folder.Write(held, "being written");
  const FileDescriptor lock(::open(folder.Path(held).c_str(), O_RDONLY | O_CLOEXEC));
  ASSERT_EQ(::flock(lock.get(), LOCK_EX), 0);
  fs::create_directories(folder.Path(own + "Dir000") + "/inside");
  fs::create_symlink("thesis.tmp-backup", folder.Path(own + "Link00"));

  for (int write = 0; write < 2; ++write) ASSERT_FALSE(ReplaceFile(folder.Path("1.gx"), "puzzle"));
  std::vector<std::string> expected = decoys;
  for (const std::string& name : {std::string("1.gx"), held, own + "Dir000", own + "Link00"}) expected.push_back(name);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(folder.Dir()), expected);
  for (const std::string& name : decoys) EXPECT_EQ(folder.Read(name), "keep") << name;
  EXPECT_EQ(folder.Read("1.gx"), "puzzle");
}

// Writers in one folder never take each other's temporary files for leftovers, whether they
// write different files or the same one.
TEST(SafeReplace, ConcurrentWritersInOneFolderAllSucceed) {
  TestFolder folder;
  constexpr int kWrites = 300;
  std::atomic<int> failures{0};
  std::vector<std::string> errors;
  std::mutex guard;
  auto writer = [&](const std::string& own, const std::string& shared, char mark) {
    for (int i = 0; i < kWrites; ++i) {
      for (const std::string& name : {own, shared}) {
        if (FileError error = ReplaceFile(folder.Path(name), std::string(1000 + i, mark))) {
          ++failures;
          const std::lock_guard<std::mutex> lock(guard);
          errors.push_back(name + ": " + error.Text());
        }
      }
    }
  };
  std::thread first(writer, "a.gx", "c.gx", 'a');
  std::thread second(writer, "b.gx", "c.gx", 'b');
  first.join();
  second.join();
  EXPECT_EQ(failures.load(), 0) << (errors.empty() ? "" : errors.front());
  EXPECT_EQ(Names(folder.Dir()), (std::vector<std::string>{"a.gx", "b.gx", "c.gx"}));
  EXPECT_EQ(folder.Read("a.gx"), std::string(1000 + kWrites - 1, 'a'));
  EXPECT_EQ(folder.Read("b.gx"), std::string(1000 + kWrites - 1, 'b'));
  const std::string shared = folder.Read("c.gx");
  EXPECT_TRUE(shared == std::string(1000 + kWrites - 1, 'a') || shared == std::string(1000 + kWrites - 1, 'b'));
}

TEST(SafeReplace, RunTimeTexts) {
  EXPECT_EQ(FileError(FileError::FileNotFound).Text(), "File not found");
  EXPECT_EQ(FileError(FileError::ReadBeyondEnd).Text(), "Read beyond end of file");
  EXPECT_EQ(FileError(FileError::AccessDenied).Text(), "File access denied");
  EXPECT_EQ(FileError(FileError::DiskFull).Text(), "Disk full");
  EXPECT_EQ(FileError(FileError::InvalidFilename).Text(), "Invalid filename");
  EXPECT_EQ(FileError(FileError::TooManyOpenFiles).Text(), "Too many open files");
  EXPECT_EQ(FileError(29).Text(), "I/O error 29");
  EXPECT_EQ(FileError::FromErrno(ENOSPC), FileError(FileError::DiskFull));
  EXPECT_EQ(FileError::FromErrno(EACCES), FileError(FileError::AccessDenied));
  EXPECT_EQ(FileError::FromErrno(EMFILE), FileError(FileError::TooManyOpenFiles));
  EXPECT_EQ(FileError::FromErrno(EIO).Text(), "I/O error 1005");  // 5 would read as access denied
  EXPECT_EQ(ReplaceFile("", "x").Text(), "Invalid filename");
}

}  // namespace
}  // namespace gx::test
