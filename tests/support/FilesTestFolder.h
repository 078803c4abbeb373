#pragma once
// A fresh temporary folder per test, removed afterwards, and small file helpers.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "base/Cp1251.h"

namespace gx::test {

class TestFolder {
 public:
  TestFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("gridlex-files-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
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

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary);
    out << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  int FileCount() const {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_)) ++count;
    return count;
  }

 private:
  std::filesystem::path path_;
};

// Windows-1251 bytes of a UTF-8 literal.
inline std::string W(const char* utf8) { return Utf8ToCp1251(utf8); }

inline std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes.push_back(static_cast<char>(v));
  return bytes;
}

}  // namespace gx::test
