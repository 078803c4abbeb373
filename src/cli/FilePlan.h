#pragma once
// The files one command reads and writes, checked together before anything is read or built:
// each name alone (an empty name, a folder where a file belongs, a file where a folder belongs,
// an output in a folder that is not there; exit 1), then the names against each other (two
// outputs that are one file, or an output that is one of the inputs; exit 2). Files are the same
// when device and inode agree, or for files not there yet, their folder and name; where no folder
// is there either, their normalised paths.

#include <string>
#include <vector>

namespace gx::cli {

// Refuses a file to be read that is a folder or has an empty name, with the message the plan gives.
void CheckFileToRead(const std::string& path);

class FilePlan {
 public:
  // `what` names the argument in messages: "DICT", "--out", ...
  void Input(const std::string& what, const std::string& path);
  // A file written. `follows_links`: a link there is followed to the file it names (else the
  // link itself is replaced). `may_be` names an input that this output may replace: the
  // dictionary written back under its own name.
  void Output(const std::string& what, const std::string& path, bool follows_links, const std::string& may_be = {});
  // A folder written into, made when it is missing, and a file to be written inside it.
  void OutputFolder(const std::string& what, const std::string& path);
  void FileInFolder(const std::string& what, const std::string& path);

  void Check() const;

 private:
  enum class Kind { Input, Output, Folder, InFolder };
  struct Entry {
    Kind kind;
    std::string what;
    std::string path;
    bool follows_links = true;
    std::string may_be;
  };
  std::vector<Entry> entries_;
};

}  // namespace gx::cli
