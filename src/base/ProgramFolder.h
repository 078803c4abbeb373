#pragma once
// The program folder: the one place every file of the program is found below. Its sub-folders
// are named here and nowhere else: data/ (puzzles, dictionaries), pic/ (pictures, help pages and
// the exported pages), snd/ (sounds and films), rek/ (the advertisement list and its files) and
// progress/ (what the solver typed into each saved puzzle, made on the first need).

#include <string>
#include <string_view>
#include <utility>

#include "base/FileIo.h"

namespace gx {

class ProgramFolder {
 public:
  ProgramFolder() = default;
  // Implicit: a program folder is named by its path wherever a path is at hand.
  ProgramFolder(std::string dir) : dir_(std::move(dir)) {}  // NOLINT(google-explicit-constructor)
  ProgramFolder(const char* dir) : dir_(dir) {}             // NOLINT(google-explicit-constructor)

  const std::string& Dir() const { return dir_; }
  operator const std::string&() const { return dir_; }  // NOLINT(google-explicit-constructor)
  bool operator==(const ProgramFolder&) const = default;

  std::string DataFolder() const { return Below("data"); }
  std::string PicFolder() const { return Below("pic"); }
  std::string SndFolder() const { return Below("snd"); }
  std::string RekFolder() const { return Below("rek"); }
  std::string ProgressFolder() const { return Below("progress"); }

  // A file of one sub-folder by its name as stored (a bare name; the caller checks it).
  std::string Pic(std::string_view name) const { return PicFolder() + "/" + std::string(name); }
  std::string Snd(std::string_view name) const { return SndFolder() + "/" + std::string(name); }
  std::string Rek(std::string_view name) const { return RekFolder() + "/" + std::string(name); }

 private:
  std::string Below(std::string_view sub) const { return JoinPath(dir_, std::string(sub)); }

  std::string dir_;
};

}  // namespace gx
