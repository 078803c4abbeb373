#pragma once
// The program folder as delivered (dist/ in the source tree) and small readers for its files.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace gx::test {

inline std::filesystem::path DeliveredFolder() { return GRIDLEX_DIST_DIR; }

inline std::string ReadDeliveredFile(const std::filesystem::path& relative) {
  std::ifstream in(DeliveredFolder() / relative, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Windows-1251 letters: а..я are 224..255, А..Я are 192..223 (ё and Ё lie elsewhere).
inline bool IsLowerLetter(char c) { return static_cast<unsigned char>(c) >= 224; }
inline bool IsUpperLetter(char c) {
  unsigned char b = static_cast<unsigned char>(c);
  return b >= 192 && b <= 223;
}
inline char ToLowerLetter(char c) { return IsUpperLetter(c) ? static_cast<char>(c + 32) : c; }

}  // namespace gx::test
