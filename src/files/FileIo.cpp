#include "files/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace gx {

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

FileError OpenForReading(const std::string& path, int& fd) {
  if (path.empty()) return FileError(FileError::FileNotFound);
  fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return FileError::FromErrno(errno);
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    fd = -1;
    return FileError(FileError::AccessDenied);
  }
  return {};
}

FileError WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return FileError::FromErrno(errno);
    }
    if (written == 0) return FileError(FileError::DiskFull);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

}  // namespace

FileError ReadFileBlocks(const std::string& path, std::uint64_t& size,
                         const std::function<bool(const std::uint8_t*, std::size_t)>& consumer) {
  int raw = -1;
  if (FileError error = OpenForReading(path, raw)) return error;
  Descriptor fd(raw);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return FileError::FromErrno(errno);
  size = static_cast<std::uint64_t>(info.st_size);
  std::uint8_t block[FileBlockSize];
  for (;;) {
    ssize_t got = ::read(fd.get(), block, sizeof block);
    if (got < 0) {
      if (errno == EINTR) continue;
      return FileError::FromErrno(errno);
    }
    if (got == 0) return {};
    if (!consumer(block, static_cast<std::size_t>(got))) return {};
  }
}

FileError ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  std::uint64_t size = 0;
  return ReadFileBlocks(path, size, [&](const std::uint8_t* data, std::size_t count) {
    bytes.append(reinterpret_cast<const char*>(data), count);
    return true;
  });
}

bool FileExists(const std::string& path) {
  int fd = -1;
  if (OpenForReading(path, fd)) return false;
  ::close(fd);
  return true;
}

FileError ReplaceFile(const std::string& path, std::string_view bytes) {
  if (path.empty() || path.back() == '/') return FileError(FileError::InvalidFilename);
  std::string temp = path + ".tmp-XXXXXX";
  std::vector<char> pattern(temp.begin(), temp.end());
  pattern.push_back('\0');
  Descriptor fd(::mkstemp(pattern.data()));
  if (fd.get() < 0) return FileError::FromErrno(errno);
  temp.assign(pattern.data());
  // mkstemp creates the file for the owner only; a new file should get the usual permissions.
  mode_t mask = ::umask(0);
  ::umask(mask);
  struct stat old {};
  mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask);
  FileError error = WriteAll(fd.get(), bytes);
  if (!error && ::fchmod(fd.get(), mode) != 0) error = FileError::FromErrno(errno);
  if (!error && ::fsync(fd.get()) != 0) error = FileError::FromErrno(errno);
  if (!error && ::close(fd.release()) != 0) error = FileError::FromErrno(errno);
  if (!error && ::rename(temp.c_str(), path.c_str()) != 0) error = FileError::FromErrno(errno);
  if (error) ::unlink(temp.c_str());
  return error;
}

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace gx
