#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "FilesTestFolder.h"
#include "files/FileIo.h"

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
