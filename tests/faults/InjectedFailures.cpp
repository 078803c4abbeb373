#include "InjectedFailures.h"

#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <string_view>

#include "base/TempFile.h"

extern "C" ssize_t __real_write(int fd, const void* data, std::size_t size);
extern "C" int __real_rename(const char* from, const char* to);

namespace gx::test {
namespace {

enum class Kind { None, FullDisk, Kill, Rename };

struct Injection {
  Kind kind = Kind::None;
  std::string target;  // the file name the failure is aimed at
  std::size_t bytes = 0;
  int error_number = 0;
  std::size_t written = 0;
};

Injection injection;

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Whether the descriptor is open on a temporary file of the target.
bool WritesTargetTemp(int fd) {
  char path[4096];
  const ssize_t length = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1);
  if (length <= 0) return false;
  const std::string_view name(path, static_cast<std::size_t>(length));
  const std::size_t slash = name.rfind('/');
  return slash != std::string_view::npos && HasTempName(name.substr(slash + 1), TempFilePrefix(injection.target));
}

}  // namespace

void InjectFullDisk(const std::string& target, std::size_t bytes) { injection = {Kind::FullDisk, target, bytes, 0, 0}; }
void InjectKill(const std::string& target, std::size_t bytes) { injection = {Kind::Kill, target, bytes, 0, 0}; }
void InjectRenameFailure(const std::string& target, int error_number) {
  injection = {Kind::Rename, target, 0, error_number, 0};
}
void ClearInjections() { injection = {}; }

}  // namespace gx::test

using gx::test::injection;
using gx::test::Kind;

extern "C" ssize_t __wrap_write(int fd, const void* data, std::size_t size) {
  if ((injection.kind != Kind::FullDisk && injection.kind != Kind::Kill) || !gx::test::WritesTargetTemp(fd)) {
    return __real_write(fd, data, size);
  }
  const std::size_t room = injection.bytes > injection.written ? injection.bytes - injection.written : 0;
  if (size <= room) {
    const ssize_t written = __real_write(fd, data, size);
    if (written > 0) injection.written += static_cast<std::size_t>(written);
    return written;
  }
  // Up to the chosen byte the write goes through, as a real disk fills or a process dies mid-way.
  if (room > 0) {
    const ssize_t written = __real_write(fd, data, room);
    if (written > 0) injection.written += static_cast<std::size_t>(written);
    if (written != 0) return written;
  }
  if (injection.kind == Kind::Kill) ::raise(SIGKILL);
  errno = ENOSPC;
  return -1;
}

extern "C" int __wrap_rename(const char* from, const char* to) {
  if (injection.kind == Kind::Rename && gx::test::EndsWith(to, "/" + injection.target)) {
    errno = injection.error_number;
    return -1;
  }
  return __real_rename(from, to);
}
