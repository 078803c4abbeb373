#include "base/FileError.h"

#include <cerrno>

#include "base/Cp1251.h"
#include "base/SafeText.h"

namespace gx {

FileError FileError::FromErrno(int error_number) {
  switch (error_number) {
    case 0: return FileError(None);
    case ENOENT:
    case ENOTDIR: return FileError(FileNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return FileError(AccessDenied);
    case ENOSPC:
    case EDQUOT: return FileError(DiskFull);
    case EFBIG: return FileError(FileTooLarge);
    case ENAMETOOLONG:
    case EINVAL: return FileError(InvalidFilename);
    case EMFILE:
    case ENFILE: return FileError(TooManyOpenFiles);
    default: break;
  }
  // Other failures show their system number, moved clear of the numbers that have texts.
  switch (error_number) {
    case FileNotFound: case TooManyOpenFiles: case AccessDenied:
    case InvalidFilename: case ReadBeyondEnd: case DiskFull: return FileError(1000 + error_number);
    default: return FileError(error_number);
  }
}

std::string FileError::Text() const {
  switch (code_) {
    case None: return {};
    case FileNotFound: return "File not found";
    case ReadBeyondEnd: return "Read beyond end of file";
    case AccessDenied: return "File access denied";
    case DiskFull: return "Disk full";
    case InvalidFilename: return "Invalid filename";
    case TooManyOpenFiles: return "Too many open files";
    case FileTooLarge: return "File too large";
    default: return "I/O error " + std::to_string(code_);
  }
}

std::string FileError::TextAbout(std::string_view path) const {
  return Text() + ": " + Utf8ToCp1251(SafeText(path));
}

}  // namespace gx
