#include "FuzzSupport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace gx::fuzz {

void InvariantBroken(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", condition, file, line);
  std::abort();
}

ScratchFolder::ScratchFolder() {
  const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
  std::string pattern = std::string(base) + "/gridlex-fuzz-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (::mkdtemp(name.data()) == nullptr) {
    std::perror("gridlex fuzz: scratch folder");
    std::abort();
  }
  dir_ = name.data();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

std::string ScratchFolder::Write(const std::string& name, const void* data, std::size_t size) const {
  const std::string path = Path(name);
  const std::size_t slash = name.rfind('/');
  if (slash != std::string::npos) std::filesystem::create_directories(Path(name.substr(0, slash)));
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) {
    std::perror("gridlex fuzz: scratch file");
    std::abort();
  }
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written <= 0) {
      std::perror("gridlex fuzz: scratch write");
      std::abort();
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  ::close(fd);
  return path;
}

ScratchFolder& Scratch() {
  static ScratchFolder folder;
  return folder;
}

}  // namespace gx::fuzz
