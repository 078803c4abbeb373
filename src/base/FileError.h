#pragma once
// An input/output failure as the user sees it: the run-time's error number and its text
// ("File not found", "Read beyond end of file", ..., "I/O error %d").

#include <string>
#include <string_view>

namespace gx {

class FileError {
 public:
  // Run-time error numbers.
  static constexpr int None = 0;
  static constexpr int FileNotFound = 2;
  static constexpr int TooManyOpenFiles = 4;
  static constexpr int AccessDenied = 5;
  static constexpr int InvalidFilename = 123;
  static constexpr int ReadBeyondEnd = 100;
  static constexpr int DiskFull = 101;
  // Larger than any file of its kind can be (refused before it is read), or a write beyond the
  // file size limit.
  static constexpr int FileTooLarge = 9001;

  FileError() = default;
  explicit FileError(int code) : code_(code) {}
  // The run-time error for a failed system call's errno.
  static FileError FromErrno(int error_number);

  bool ok() const { return code_ == None; }
  explicit operator bool() const { return !ok(); }  // true when something failed
  int code() const { return code_; }
  std::string Text() const;
  // The text and the file it is about, for the window's boxes (Windows-1251): "TEXT: PATH", the
  // path as SafeText shows it.
  std::string TextAbout(std::string_view path) const;

  friend bool operator==(FileError a, FileError b) { return a.code_ == b.code_; }

 private:
  int code_ = None;
};

}  // namespace gx
