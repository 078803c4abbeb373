#include "base/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/FileDescriptor.h"

namespace gx {

namespace {

// Only regular files are read: a device, a pipe or a folder could block or never end. The type
// is looked at before opening, since opening some devices already acts on them.
FileError OpenForReading(const std::string& path, int& fd) {
  if (path.empty()) return FileError(FileError::FileNotFound);
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return FileError::FromErrno(errno);
  if (!S_ISREG(info.st_mode)) return FileError(FileError::AccessDenied);
  fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return FileError::FromErrno(errno);
  // The name may have been given to something else in between.
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    fd = -1;
    return FileError(FileError::AccessDenied);
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return {};
}

}  // namespace

FileError ReadFileBlocks(const std::string& path, std::uint64_t& size,
                         const std::function<bool(const std::uint8_t*, std::size_t)>& consumer,
                         std::uint64_t max_size) {
  int raw = -1;
  if (FileError error = OpenForReading(path, raw)) return error;
  FileDescriptor fd(raw);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return FileError::FromErrno(errno);
  size = static_cast<std::uint64_t>(info.st_size);
  if (size > max_size) return FileError(FileError::FileTooLarge);
  // A file that grows while it is read is read only as far as its size said.
  std::uint64_t remaining = size;
  std::uint8_t block[FileBlockSize];
  while (remaining > 0) {
    const std::size_t wanted = remaining < sizeof block ? static_cast<std::size_t>(remaining) : sizeof block;
    const ssize_t got = ::read(fd.get(), block, wanted);
    if (got < 0) {
      if (errno == EINTR) continue;
      return FileError::FromErrno(errno);
    }
    if (got == 0) return {};
    remaining -= static_cast<std::uint64_t>(got);
    if (!consumer(block, static_cast<std::size_t>(got))) return {};
  }
  return {};
}

FileError ReadWholeFile(const std::string& path, std::string& bytes, std::uint64_t max_size) {
  bytes.clear();
  std::uint64_t size = 0;
  return ReadFileBlocks(
      path, size,
      [&](const std::uint8_t* data, std::size_t count) {
        bytes.append(reinterpret_cast<const char*>(data), count);
        return true;
      },
      max_size);
}

bool FileExists(const std::string& path) {
  int fd = -1;
  if (OpenForReading(path, fd)) return false;
  ::close(fd);
  return true;
}

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool IsBareFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32 || c == 127) return false;
  }
  return true;
}

}  // namespace gx
