#include "shell/UserProgramFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <system_error>
#include <vector>

#include "base/FileDescriptor.h"
#include "base/FileIo.h"
#include "base/TempFile.h"
#include "base/Sha256.h"

namespace gx {

namespace fs = std::filesystem;

namespace {

// A folder path without "." or ".." parts and without a trailing slash.
fs::path CleanFolder(const fs::path& path) {
  fs::path clean = path.lexically_normal();
  if (!clean.has_filename() && clean.has_parent_path() && clean != clean.root_path()) clean = clean.parent_path();
  return clean;
}

std::string CannotCreate(const fs::path& dir, FileError error) {
  return "Не удаётся создать папку программы " + dir.string() + ": " + error.Text();
}

std::string CannotWrite(const fs::path& dir, FileError error, const fs::path& file) {
  return "Не удаётся записать в папку программы " + dir.string() + ": " + error.Text() + " (" + file.string() + ")";
}

std::string CannotReadDelivered(FileError error, const fs::path& file) {
  return "Не удаётся прочитать файлы программы: " + error.Text() + " (" + file.string() + ")";
}

// The permission the user gave counts even where the system would let the write through (the
// superuser may write anything), as for every file the program replaces.
bool Writable(const fs::path& dir) {
  struct stat info {};
  return ::stat(dir.c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
         ::access(dir.c_str(), W_OK) == 0;
}

// Makes the folder and the missing ones above it, none in a folder that may not be written.
FileError MakeFolders(const fs::path& dir) {
  std::error_code code;
  if (fs::is_directory(dir, code)) return {};
  const fs::path parent = dir.parent_path();
  if (parent.empty() || parent == dir) return FileError(FileError::FileNotFound);
  if (FileError error = MakeFolders(parent)) return error;
  if (!Writable(parent)) return FileError(FileError::AccessDenied);
  if (::mkdir(dir.c_str(), 0777) == 0 || fs::is_directory(dir, code)) return {};
  return FileError::FromErrno(errno);
}

// Every regular file below the delivered folder, as sorted relative paths.
std::vector<std::string> DeliveredFiles(const fs::path& delivered, std::error_code& error) {
  std::vector<std::string> files;
  fs::recursive_directory_iterator it(delivered, fs::directory_options::follow_directory_symlink, error);
  for (const fs::recursive_directory_iterator end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (!it->is_regular_file(ignored)) continue;
    std::string file = it->path().lexically_relative(delivered).generic_string();
    if (file != DeliveredListName) files.push_back(std::move(file));
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The delivered list of a program folder, file to sum; empty when there is none or it is unreadable,
// which only makes more files count as the user's.
std::map<std::string, std::string> ParseDeliveredList(const std::string& text) {
  std::map<std::string, std::string> sums;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    const std::size_t space = line.find(' ');
    if (space == std::string::npos || space == 0) continue;
    std::string file = line.substr(space + 1);
    if (file.rfind("./", 0) == 0) file.erase(0, 2);
    sums[file] = line.substr(0, space);
  }
  return sums;
}

struct Delivery {
  std::string bytes;
  std::string sum;
};

// Brings each delivered file into `dir` under the rule above and writes the new delivered list.
std::string Refresh(const fs::path& delivered, const fs::path& dir, const std::vector<std::string>& files) {
  const fs::path list_path = dir / DeliveredListName;
  std::string old_list;
  if (ReadWholeFile(list_path.string(), old_list)) old_list.clear();
  const std::map<std::string, std::string> recorded = ParseDeliveredList(old_list);

  std::string list;
  for (const std::string& file : files) {
    Delivery delivery;
    if (FileError error = ReadWholeFile((delivered / file).string(), delivery.bytes)) {
      return CannotReadDelivered(error, delivered / file);
    }
    delivery.sum = Sha256Hex(delivery.bytes);
    const auto old = recorded.find(file);
    const fs::path target = dir / file;

    std::string current;
    const FileError read = ReadWholeFile(target.string(), current);
    if (!read || read.code() != FileError::FileNotFound) {
      const bool delivered_already = !read && Sha256Hex(current) == delivery.sum;
      const bool as_delivered_last = !read && old != recorded.end() && Sha256Hex(current) == old->second;
      if (delivered_already) {
        list += delivery.sum + " ./" + file + "\n";
        continue;
      }
      if (!as_delivered_last) {
        // The user's own version (or something the program cannot read): it stays, and keeps
        // counting as changed at later starts.
        if (old != recorded.end()) list += old->second + " ./" + file + "\n";
        continue;
      }
    }
    if (FileError error = MakeFolders(target.parent_path())) return CannotWrite(dir, error, target.parent_path());
    if (FileError error = ReplaceFile(target.string(), delivery.bytes)) return CannotWrite(dir, error, target);
    list += delivery.sum + " ./" + file + "\n";
  }
  if (list != old_list) {
    if (FileError error = ReplaceFile(list_path.string(), list)) return CannotWrite(dir, error, list_path);
  }
  return {};
}

// Assembles a new program folder beside `dir` and renames it into place once it is complete.
std::string CreateFromDelivered(const fs::path& delivered, const fs::path& dir, const std::vector<std::string>& files) {
  std::error_code code;
  if (FileError error = MakeFolders(dir.parent_path())) return CannotCreate(dir, error);
  if (!Writable(dir.parent_path())) return CannotCreate(dir, FileError(FileError::AccessDenied));
  // The lock is held until the copy is done, so that no other start takes the folder for a killed one's.
  std::string staged;
  FileDescriptor lock(-1);
  if (FileError error = CreateTempFolder(dir.string(), staged, lock)) return CannotCreate(dir, error);
  const fs::path staging(staged);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(staging.c_str(), 0777 & ~mask);  // mkdtemp makes it private; the folder gets the usual mode

  std::string message = Refresh(delivered, staging, files);
  if (message.empty() && ::rename(staging.c_str(), dir.c_str()) != 0) {
    const int error = errno;
    if (error == EEXIST || error == ENOTEMPTY) {
      // Another start made the folder meanwhile: bring that one up to date instead.
      fs::remove_all(staging, code);
      return Refresh(delivered, dir, files);
    }
    message = CannotCreate(dir, FileError::FromErrno(error));
  }
  if (!message.empty()) {
    fs::remove_all(staging, code);
    // The messages name the staging folder; the user knows only the final one.
    for (std::size_t at = message.find(staged); at != std::string::npos; at = message.find(staged, at)) {
      message.replace(at, staged.size(), dir.string());
    }
  }
  return message;
}

}  // namespace

std::string UserProgramFolder(const char* xdg_data_home, const char* home) {
  if (xdg_data_home != nullptr && xdg_data_home[0] == '/') {
    return (CleanFolder(xdg_data_home) / "gridlex").string();
  }
  if (home != nullptr && home[0] == '/') return (CleanFolder(home) / ".local" / "share" / "gridlex").string();
  return {};
}

bool IsOwnProgramFolder(const std::string& dir) {
  const bool has_settings = FileExists(JoinPath(dir, "gx.dat")) || FileExists(JoinPath(dir, "GX.DAT"));
  return has_settings && ::access(dir.c_str(), W_OK) == 0;
}

ProgramFolderChoice ChooseProgramFolder(const std::optional<std::string>& explicit_dir, const std::string& current_dir,
                                        const char* xdg_data_home, const char* home) {
  if (explicit_dir) {
    if (explicit_dir->empty()) return {};
    std::error_code ignored;
    return {CleanFolder(fs::absolute(*explicit_dir, ignored)).string(), true};
  }
  if (IsOwnProgramFolder(current_dir)) return {current_dir, false};
  return {UserProgramFolder(xdg_data_home, home), true};
}

std::string PrepareProgramFolder(const std::string& delivered, const std::string& dir) {
  std::error_code code;
  const fs::path folder = CleanFolder(fs::absolute(dir, code));
  const bool exists = fs::exists(folder, code);
  if (exists && !fs::is_directory(folder, code)) return CannotCreate(folder, FileError(FileError::AccessDenied));

  std::vector<std::string> files;
  if (fs::is_directory(delivered, code)) files = DeliveredFiles(delivered, code);
  if (code || files.empty()) {
    if (exists) return {};  // nothing to bring up to date from: the folder is used as it stands
    return "Нет папки программы " + folder.string() + ", и не найдены файлы программы для неё в " + delivered;
  }

  RemoveAbandonedTempFolders(folder.parent_path().string(), folder.filename().string());
  std::string message = exists ? Refresh(delivered, folder, files) : CreateFromDelivered(delivered, folder, files);
  if (message.empty() && !Writable(folder)) message = CannotWrite(folder, FileError(FileError::AccessDenied), folder);
  return message;
}

}  // namespace gx
