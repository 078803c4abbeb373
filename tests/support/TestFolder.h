#pragma once
// A fresh temporary folder per test, removed afterwards (read-only parts included), and the file
// helpers the tests need in it.

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace gx::test {

class TestFolder {
 public:
  TestFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("gridlex-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  std::string Dir() const { return path_.string(); }
  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

  // Returns the file's path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary);
    out << bytes;
    return Path(name);
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Copies `from` in as `name`; returns the copy's path.
  std::string Copy(const std::filesystem::path& from, const std::string& name) const {
    std::filesystem::copy_file(from, path_ / name);
    return Path(name);
  }

  // The names in the folder or in its sub-folder `sub`, sorted.
  std::vector<std::string> Names(const std::string& sub = "") const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_ / sub)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  int FileCount() const { return static_cast<int>(Names().size()); }

 private:
  std::filesystem::path path_;
};

}  // namespace gx::test
