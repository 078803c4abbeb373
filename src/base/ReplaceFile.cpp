// Replacing a file through a temporary file beside the one it replaces.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "base/FileDescriptor.h"
#include "base/FileIo.h"
#include "base/TempFile.h"

namespace gx {

namespace {

constexpr int kMaxLinks = 40;            // as many links as the system follows in one path

// The file a path finally names, following links (a link's relative target is taken from the
// link's own folder). A name that names nothing yet is the file to create.
FileError FollowLinks(const std::string& path, std::string& target) {
  std::string current = path;
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0) {
      if (errno != ENOENT) return FileError::FromErrno(errno);
      target = current;
      return {};
    }
    if (!S_ISLNK(info.st_mode)) {
      target = current;
      return {};
    }
    std::vector<char> link(PATH_MAX + 1);
    const ssize_t length = ::readlink(current.c_str(), link.data(), link.size() - 1);
    if (length < 0) return FileError::FromErrno(errno);
    const std::string points_to(link.data(), static_cast<std::size_t>(length));
    current = !points_to.empty() && points_to[0] == '/' ? points_to : FolderOf(current) + points_to;
  }
  return FileError::FromErrno(ELOOP);
}

bool HasWriteBit(mode_t mode) { return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0; }

// The permission the user gave counts even where the system would let the write through (the
// superuser may write anything): a file or folder without any write bit is not written.
FileError CheckWritable(const std::string& target, bool follow, struct stat& old, bool& exists) {
  exists = (follow ? ::stat(target.c_str(), &old) : ::lstat(target.c_str(), &old)) == 0;
  if (exists && S_ISLNK(old.st_mode)) exists = false;  // the link itself goes
  if (exists) {
    if (!S_ISREG(old.st_mode)) return FileError(FileError::AccessDenied);
    if (!HasWriteBit(old.st_mode) || ::access(target.c_str(), W_OK) != 0) return FileError(FileError::AccessDenied);
  }
  const std::string folder = FolderOf(target);
  struct stat folder_info {};
  if (::stat(folder.empty() ? "." : folder.c_str(), &folder_info) != 0) return FileError::FromErrno(errno);
  if (!S_ISDIR(folder_info.st_mode)) return FileError(FileError::FileNotFound);
  if (!HasWriteBit(folder_info.st_mode)) return FileError(FileError::AccessDenied);
  return {};
}

FileError WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return FileError::FromErrno(errno);
    }
    if (written == 0) return FileError(FileError::DiskFull);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

// The new file gets the old one's permissions (the usual ones when there was none) and, when the
// superuser writes it, its owner.
FileError TakeOver(int fd, bool exists, const struct stat& old) {
  mode_t mask = ::umask(0);
  ::umask(mask);
  const mode_t mode = exists ? (old.st_mode & 07777) : (0666 & ~mask);
  if (exists && ::geteuid() == 0) {
    [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
  }
  if (::fchmod(fd, mode) != 0) return FileError::FromErrno(errno);
  return {};
}

// The rename is on the disk only once its folder is.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

FileError ReplaceFile(const std::string& path, std::string_view bytes, AtLink at_link) {
  if (path.empty() || path.back() == '/') return FileError(FileError::InvalidFilename);
  const bool follow = at_link == AtLink::Follow;
  std::string target = path;
  if (follow) {
    if (FileError error = FollowLinks(path, target)) return error;
  }
  struct stat old {};
  bool exists = false;
  if (FileError error = CheckWritable(target, follow, old, exists)) return error;
  const std::string folder = FolderOf(target);
  RemoveAbandonedTempFiles(folder, target.substr(folder.size()));

  TempFile temp;
  if (FileError error = temp.Create(target)) return error;
  FileError error = WriteAll(temp.fd(), bytes);
  if (!error) error = TakeOver(temp.fd(), exists, old);
  if (!error && ::fsync(temp.fd()) != 0) error = FileError::FromErrno(errno);
  if (!error) error = temp.CloseForWriting();
  if (!error) error = temp.RenameTo(target);
  if (error) return error;  // the temporary file goes with `temp`
  SyncFolder(folder);
  return {};
}

}  // namespace gx
