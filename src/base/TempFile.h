#pragma once
// The temporary files and folders the program makes beside what it is about to create or replace.
// Their names are the program's own and tied to the target: ".gridlex-tmp-NAME-" (a file) or
// ".gridlex-new-NAME-" (a folder) and six letters or digits, NAME being the target's file name.
// The maker holds an advisory lock on each from the moment it exists until it is renamed into
// place or removed. A leftover of a killed write is known by both marks, its name and a lock that
// can be taken; the program never removes anything else, whatever its name looks like.

#include <string>
#include <string_view>

#include "base/FileDescriptor.h"
#include "base/FileError.h"

namespace gx {

// ".gridlex-tmp-" + the target's file name + "-", cut so that the whole name fits in a folder.
std::string TempFilePrefix(std::string_view target_name);
std::string TempFolderPrefix(std::string_view target_name);
// Whether `name` is the prefix followed by exactly six letters or digits.
bool HasTempName(std::string_view name, std::string_view prefix);
// Whether `name` is a temporary file name of the program's, for any target.
bool IsReplacementLeftover(std::string_view name);

// A locked temporary file beside `target`. The file is removed when the object goes unless it
// was moved into place; while it exists the batch tool's signal handler knows to remove it.
class TempFile {
 public:
  TempFile() = default;
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  FileError Create(const std::string& target);
  int fd() const { return write_.get(); }
  const std::string& path() const { return path_; }
  // Closes the descriptor written through (reporting a late write error); the lock stays held.
  FileError CloseForWriting();
  // Renames the file over `target`; on success there is nothing left to remove.
  FileError RenameTo(const std::string& target);

 private:
  void Forget();

  FileDescriptor write_{-1};
  FileDescriptor lock_{-1};  // the same open file, held until the file is gone or in place
  std::string path_;
  int slot_ = -1;
};

// A locked temporary folder beside `target`, made with the owner's permissions only.
FileError CreateTempFolder(const std::string& target, std::string& path, FileDescriptor& lock);

// Removes, in the target's folder, the temporary files of `target_name` that nobody holds: the
// leftovers of killed writes to that same file.
void RemoveAbandonedTempFiles(const std::string& folder, std::string_view target_name);
// The same for the temporary folders of `target_name`, removed with all they hold.
void RemoveAbandonedTempFolders(const std::string& folder, std::string_view target_name);

// For a signal handler: removes every temporary file currently being written. Async-signal-safe.
void RemoveTempFilesInWriting();

}  // namespace gx
