#include "files/NewFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "base/TempFile.h"

namespace gx {

namespace {

FileError WriteAllTo(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return FileError::FromErrno(errno);
    }
    done += static_cast<std::size_t>(wrote);
  }
  return {};
}

// Links the complete temporary file in under the final name, which must be free. File systems
// without hard links get a rename after a check, which leaves only a narrow race.
FileError LinkIntoPlace(TempFile& temp, const std::string& path, bool& already_there) {
  if (::link(temp.path().c_str(), path.c_str()) == 0) return {};
  const int error = errno;
  if (error == EEXIST) {
    already_there = true;
    return FileError(FileError::AccessDenied);
  }
  if (error != EPERM && error != ENOTSUP && error != EOPNOTSUPP && error != EXDEV) return FileError::FromErrno(error);
  struct stat existing {};
  if (::lstat(path.c_str(), &existing) == 0) {
    already_there = true;
    return FileError(FileError::AccessDenied);
  }
  return temp.RenameTo(path);
}

}  // namespace

FileError WriteNewFile(const std::string& path, std::string_view bytes, bool& already_there) {
  already_there = false;
  if (path.empty() || path.back() == '/') return FileError(FileError::InvalidFilename);
  TempFile temp;
  if (FileError error = temp.Create(path)) return error;
  // A temporary file is made for the owner only; a new file gets the usual permissions.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  FileError error = WriteAllTo(temp.fd(), bytes);
  if (!error && ::fchmod(temp.fd(), 0666 & ~mask) != 0) error = FileError::FromErrno(errno);
  if (!error) error = temp.CloseForWriting();
  if (!error) error = LinkIntoPlace(temp, path, already_there);
  return error;  // the temporary name goes with `temp`
}

FileError SyncFileSystem(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return FileError::FromErrno(errno);
  FileError error;
  if (::syncfs(fd) != 0) error = FileError::FromErrno(errno);
  ::close(fd);
  return error;
}

}  // namespace gx
