#include "cli/FilePlan.h"

#include <sys/stat.h>

#include <filesystem>
#include <string_view>
#include <unordered_map>

#include "base/FileIo.h"
#include "cli/CliSupport.h"

namespace gx::cli {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& message) { throw CommandFailure{ExitIoError, message}; }

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The folder part of a file's path as the user would write it: "" for a bare name.
std::string FolderPart(const std::string& path) {
  std::string folder = FolderOf(path);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

std::string DeviceAndInode(const struct stat& info) {
  return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
}

// What a path names, as a key that two names of one file share.
std::string Identity(const std::string& path, bool follow) {
  struct stat info {};
  if ((follow ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info)) == 0) return "i" + DeviceAndInode(info);
  std::string named = path;
  std::error_code error;
  if (follow) {
    const fs::path resolved = fs::weakly_canonical(path, error);
    if (!error) named = resolved.string();
  }
  const std::string folder = FolderOf(named);
  if (::stat(folder.empty() ? "." : folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    return "f" + DeviceAndInode(info) + "/" + named.substr(folder.size());
  }
  return "p" + fs::absolute(named, error).lexically_normal().string();
}

// An output's folder must be there, or be one the command makes.
void CheckFileName(const std::string& what, const std::string& path, bool output,
                   const std::vector<std::string>& made_folders = {}) {
  if (path.empty()) Fail("empty file name given for " + what);
  if (IsFolder(path) || (output && path.back() == '/')) Fail(path + ": is a folder, not a file");
  if (!output) return;
  const std::string folder = FolderPart(path);
  if (folder.empty() || IsFolder(folder)) return;
  const std::string identity = Identity(folder, true);
  for (const std::string& made : made_folders) {
    if (Identity(made, true) == identity) return;
  }
  Fail(path + ": no such folder " + folder);
}

void CheckFolderName(const std::string& what, const std::string& path) {
  if (path.empty()) Fail("empty folder name given for " + what);
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode)) Fail(path + ": is a file, not a folder");
}

}  // namespace

void CheckFileToRead(const std::string& path) { CheckFileName("a file to read", path, false); }

// "-" is standard input or output, no file to check.
void FilePlan::Input(const std::string& what, const std::string& path) {
  if (IsStandardStream(path)) return;
  entries_.push_back({Kind::Input, what, path, true, {}});
}

void FilePlan::Output(const std::string& what, const std::string& path, bool follows_links, const std::string& may_be) {
  if (IsStandardStream(path)) return;
  entries_.push_back({Kind::Output, what, path, follows_links, may_be});
}

void FilePlan::OutputFolder(const std::string& what, const std::string& path) {
  entries_.push_back({Kind::Folder, what, path, true, {}});
}

void FilePlan::FileInFolder(const std::string& what, const std::string& path) {
  entries_.push_back({Kind::InFolder, what, path, false, {}});
}

void FilePlan::Check() const {
  std::vector<std::string> made_folders;
  for (const Entry& entry : entries_) {
    if (entry.kind == Kind::Folder) made_folders.push_back(entry.path);
  }
  for (const Entry& entry : entries_) {
    if (entry.kind == Kind::Input || entry.kind == Kind::Output) {
      CheckFileName(entry.what, entry.path, entry.kind == Kind::Output, made_folders);
    } else if (entry.kind == Kind::Folder) {
      CheckFolderName(entry.what, entry.path);
    }
  }
  std::unordered_map<std::string, std::vector<const Entry*>> seen;
  for (const Entry& entry : entries_) {
    if (entry.kind == Kind::Folder) continue;
    const std::string identity = Identity(entry.path, entry.follows_links);
    std::vector<const Entry*>& same = seen[identity];
    for (const Entry* other : same) {
      if (entry.kind == Kind::Input && other->kind == Kind::Input) continue;
      const Entry& output = entry.kind == Kind::Input ? *other : entry;
      const Entry& input = entry.kind == Kind::Input ? entry : *other;
      if (input.kind == Kind::Input && !output.may_be.empty() && Identity(output.may_be, true) == identity) continue;
      throw CommandFailure{ExitBadUsage, other->what + " " + other->path + " and " + entry.what + " " + entry.path +
                                             " are the same file"};
    }
    same.push_back(&entry);
  }
}

}  // namespace gx::cli
