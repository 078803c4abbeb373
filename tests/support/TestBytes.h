#pragma once
// Bytes as the tests spell them.

#include <initializer_list>
#include <string>

#include "base/Cp1251.h"

namespace gx::test {

// Windows-1251 bytes of a UTF-8 literal.
inline std::string W(const char* utf8) { return Utf8ToCp1251(utf8); }

inline std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes.push_back(static_cast<char>(v));
  return bytes;
}

}  // namespace gx::test
