#include "cli/CliOutputs.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "cli/CliSupport.h"
#include "cli/Interruption.h"
#include "base/FileIo.h"
#include "base/SafeText.h"
#include "files/IpuzWriter.h"
#include "files/NewFile.h"

namespace gx::cli {

namespace {

[[noreturn]] void AlreadyThere(const std::string& path) {
  throw CommandFailure{ExitIoError, SafeText(path) + " is already there; give --force to replace it"};
}

}  // namespace

void WriteOutputOrFail(const std::string& path, std::string_view bytes, bool force) {
  if (force) {
    // A link planted among the outputs is replaced, never followed into another folder.
    if (FileError error = ReplaceFile(path, bytes, AtLink::Replace)) throw IoFailure{error, path};
    NoteWritten(path);
    return;
  }
  bool already_there = false;
  FileError error = WriteNewFile(path, bytes, already_there);
  if (already_there) AlreadyThere(path);
  if (!error) error = SyncFileSystem(FolderOf(path));
  if (error) throw IoFailure{error, path};
  NoteWritten(path);
}

void CheckOutputsFree(const std::vector<std::string>& paths, bool force) {
  if (force) return;
  for (const std::string& path : paths) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) AlreadyThere(path);
  }
}

std::string FileNameOf(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

void Refuse(const std::string& path, const std::vector<std::string>& faults) {
  std::string message;
  for (const std::string& fault : faults) {
    if (!message.empty()) message += "\ngridlex-cli: ";
    message += SafeText(path) + ": " + fault;
  }
  throw CommandFailure{ExitIoError, message};
}

void PrepareFolderOrFail(const std::string& dir) {
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (!std::filesystem::is_directory(dir)) throw IoFailure{FileError::FromErrno(error ? error.value() : ENOTDIR), dir};
}

std::string IpuzOrRefuse(const Puzzle& puzzle, std::string_view title, const std::string& source) {
  IpuzText ipuz = WriteIpuz(puzzle, title);
  if (!ipuz.faults.empty()) Refuse(source, ipuz.faults);
  return std::move(ipuz.json);
}

void WriteIpuzOrFail(const Puzzle& puzzle, std::string_view title, const std::string& source,
                     const std::string& path, bool force) {
  WriteOutputOrFail(path, IpuzOrRefuse(puzzle, title, source), force);
}

}  // namespace gx::cli
