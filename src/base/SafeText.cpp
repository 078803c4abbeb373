#include "base/SafeText.h"

#include "base/Cp1251.h"

namespace gx {

namespace {

bool Steers(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) ||
         c == 0x200E || c == 0x200F || c == 0x061C;
}

std::string Escaped(char32_t c) {
  static const char kHex[] = "0123456789ABCDEF";
  switch (c) {
    case U'\n': return "\\n";
    case U'\t': return "\\t";
    case U'\r': return "\\r";
    default: break;
  }
  std::string out = c < 0x100 ? "\\x" : "\\u";
  for (int shift = c < 0x100 ? 4 : 12; shift >= 0; shift -= 4) out.push_back(kHex[(c >> shift) & 0xF]);
  return out;
}

}  // namespace

std::string ValidUtf8(std::string_view bytes) { return EncodeUtf8(DecodeUtf8(bytes)); }

std::string SafeText(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char32_t c : DecodeUtf8(bytes)) {
    if (Steers(c)) {
      out += Escaped(c);
    } else {
      out += EncodeUtf8(std::u32string_view(&c, 1));
    }
  }
  return out;
}

}  // namespace gx
