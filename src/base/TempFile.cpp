#include "base/TempFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "base/FileIo.h"

namespace gx {

namespace {

constexpr std::string_view kFileMark = ".gridlex-tmp-";
constexpr std::string_view kFolderMark = ".gridlex-new-";
constexpr std::size_t kRandomLetters = 6;  // what mkstemp and mkdtemp put in place of XXXXXX
constexpr std::size_t kMaxName = 255;      // the longest file name the file systems take
constexpr int kCreateTries = 16;

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Prefix(std::string_view mark, std::string_view target_name) {
  const std::size_t room = kMaxName - mark.size() - 1 - kRandomLetters;
  return std::string(mark) + std::string(target_name.substr(0, room)) + "-";
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether the descriptor is still open on what `path` names: a remover may have taken the name
// away between its creation and its lock.
bool StillNamed(int fd, const std::string& path) {
  struct stat opened {};
  struct stat named {};
  return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && SameFile(opened, named);
}

// Waits for the lock. Where the file system has no locks the file goes on unlocked: it is then
// never taken for a leftover either, since a remover cannot take its lock.
void Lock(int fd) {
  while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
}

// Interruptions that end the batch tool are held back while a temporary file comes into being
// or is renamed away, so that its handler always knows every temporary file that exists.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : {SIGINT, SIGTERM}) sigaddset(&set, signal);
    ::pthread_sigmask(SIG_BLOCK, &set, &old_);
  }
  ~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t old_;
};

// The temporary files being written, for the signal handler. A slot is free (0), being filled
// (1) or holds a path (2); only atomic flags are shared with the handler.
struct WritingSlot {
  std::atomic<int> state{0};
  char path[PATH_MAX];
};
WritingSlot writing[8];

int NoteWriting(const std::string& path) {
  if (path.size() >= PATH_MAX) return -1;
  for (int i = 0; i < static_cast<int>(std::size(writing)); ++i) {
    int free = 0;
    if (!writing[i].state.compare_exchange_strong(free, 1)) continue;
    std::memcpy(writing[i].path, path.c_str(), path.size() + 1);
    writing[i].state.store(2);
    return i;
  }
  return -1;
}

// An entry nobody holds: of the expected kind, the user's own, and its lock free. The lock is
// kept in `held` until the caller has removed it.
bool Abandoned(const std::string& path, bool folder, FileDescriptor& held) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || info.st_uid != ::geteuid()) return false;
  if (folder ? !S_ISDIR(info.st_mode) : !S_ISREG(info.st_mode)) return false;
  const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (folder ? O_DIRECTORY : 0);
  FileDescriptor fd(::open(path.c_str(), flags));
  if (fd.get() < 0 || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 || !StillNamed(fd.get(), path)) return false;
  held.reset(fd.release());
  return true;
}

template <typename Remove>
void RemoveAbandoned(const std::string& folder, const std::string& prefix, bool folders, Remove remove) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()), ::closedir);
  if (!dir) return;
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(dir.get())) {
    if (HasTempName(entry->d_name, prefix)) names.emplace_back(entry->d_name);
  }
  for (const std::string& name : names) {
    const std::string path = JoinPath(folder, name);
    FileDescriptor held(-1);
    if (Abandoned(path, folders, held)) remove(path);
  }
}

}  // namespace

std::string TempFilePrefix(std::string_view target_name) { return Prefix(kFileMark, target_name); }
std::string TempFolderPrefix(std::string_view target_name) { return Prefix(kFolderMark, target_name); }

bool HasTempName(std::string_view name, std::string_view prefix) {
  if (name.size() != prefix.size() + kRandomLetters || name.substr(0, prefix.size()) != prefix) return false;
  for (char c : name.substr(prefix.size())) {
    const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!alnum) return false;
  }
  return true;
}

bool IsReplacementLeftover(std::string_view name) {
  if (name.size() < kFileMark.size() + 1 + kRandomLetters || name.substr(0, kFileMark.size()) != kFileMark) return false;
  const std::size_t dash = name.size() - kRandomLetters - 1;
  return name[dash] == '-' && HasTempName(name, name.substr(0, dash + 1));
}

TempFile::~TempFile() {
  if (path_.empty()) return;
  ::unlink(path_.c_str());
  Forget();
}

void TempFile::Forget() {
  if (slot_ >= 0) writing[slot_].state.store(0);
  slot_ = -1;
}

FileError TempFile::Create(const std::string& target) {
  const std::string pattern = JoinPath(FolderOf(target), TempFilePrefix(NameOf(target))) + std::string(kRandomLetters, 'X');
  for (int attempt = 0; attempt < kCreateTries; ++attempt) {
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    {
      const SignalsHeld held;
      write_.reset(::mkostemp(name.data(), O_CLOEXEC));
      if (write_.get() < 0) return FileError::FromErrno(errno);
      path_.assign(name.data());
      slot_ = NoteWriting(path_);
    }
    Lock(write_.get());
    if (StillNamed(write_.get(), path_)) {
      lock_.reset(::fcntl(write_.get(), F_DUPFD_CLOEXEC, 0));
      if (lock_.get() >= 0) return {};
      const int error = errno;
      ::unlink(path_.c_str());
      write_.reset();
      path_.clear();
      Forget();
      return FileError::FromErrno(error);
    }
    // Another write took the file for a leftover before this one held it: start again.
    write_.reset();
    path_.clear();
    Forget();
  }
  return FileError::FromErrno(EEXIST);
}

FileError TempFile::CloseForWriting() {
  if (::close(write_.release()) != 0) return FileError::FromErrno(errno);
  return {};
}

FileError TempFile::RenameTo(const std::string& target) {
  const SignalsHeld held;
  if (::rename(path_.c_str(), target.c_str()) != 0) return FileError::FromErrno(errno);
  path_.clear();
  Forget();
  return {};
}

FileError CreateTempFolder(const std::string& target, std::string& path, FileDescriptor& lock) {
  const std::string pattern =
      JoinPath(FolderOf(target), TempFolderPrefix(NameOf(target))) + std::string(kRandomLetters, 'X');
  for (int attempt = 0; attempt < kCreateTries; ++attempt) {
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr) return FileError::FromErrno(errno);
    path.assign(name.data());
    lock.reset(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (lock.get() < 0) {
      const int error = errno;
      ::rmdir(path.c_str());
      return FileError::FromErrno(error);
    }
    Lock(lock.get());
    if (StillNamed(lock.get(), path)) return {};
    // Another start took the folder for a leftover before this one held it: start again.
    lock.reset();
  }
  return FileError::FromErrno(EEXIST);
}

void RemoveAbandonedTempFiles(const std::string& folder, std::string_view target_name) {
  RemoveAbandoned(folder, TempFilePrefix(target_name), false, [](const std::string& path) { ::unlink(path.c_str()); });
}

void RemoveAbandonedTempFolders(const std::string& folder, std::string_view target_name) {
  RemoveAbandoned(folder, TempFolderPrefix(target_name), true, [](const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  });
}

void RemoveTempFilesInWriting() {
  for (WritingSlot& slot : writing) {
    if (slot.state.load() == 2) ::unlink(slot.path);
  }
}

}  // namespace gx
