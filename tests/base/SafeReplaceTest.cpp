#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <vector>

#include "FilesTestFolder.h"
#include "base/FileIo.h"

namespace gx::test {
namespace {

// Runs ReplaceFile in a child process whose files may not grow beyond `limit` bytes, as on a
// full disk; returns the error number the write reported.
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

TEST(SafeReplace, DiskFullInTheMiddleKeepsTheOldFile) {
  TestFolder folder;
  folder.Write("old.dct", "the old contents");
  int code = ReplaceWithSizeLimit(folder.Path("old.dct"), std::string(100000, 'x'), 4096);
  EXPECT_EQ(code, FileError::DiskFull);
  EXPECT_EQ(FileError(code).Text(), "Disk full");
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

// A write killed half-way leaves its temporary file; the next write to that folder removes such
// leftovers of the program's own pattern, and nothing else.
TEST(SafeReplace, LeftoversOfKilledWritesGoAtTheNextWrite) {
  namespace fs = std::filesystem;
  TestFolder folder;
  const std::vector<std::string> leftovers = {"ru.dct.tmp-Ab12Cd", "7.gx.tmp-zzzzzz", "gx.dat.tmp-000000"};
  const std::vector<std::string> others = {"notes.tmp-abc12",  "x.tmp-ABCDEFG", ".tmp-ABCDEF",
                                           "ru.dct.tmp-AB!2Cd", "ru.dct.tmp-abcdef.gx", "tmp-ABCDEF"};
  for (const std::string& name : leftovers) folder.Write(name, "half");
  for (const std::string& name : others) folder.Write(name, "keep");
  fs::create_directories(folder.Path("dir.tmp-AAAAAA"));
  ASSERT_FALSE(ReplaceFile(folder.Path("1.gx"), "puzzle"));
  std::vector<std::string> expected = others;
  expected.push_back("1.gx");
  expected.push_back("dir.tmp-AAAAAA");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(folder.Dir()), expected);
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
