#include "base/Cp1251.h"

namespace gx {

namespace {
// 0x80..0xBF; 0x98 is unassigned and maps to U+FFFD.
constexpr char16_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C,
    0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A,
    0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9,
    0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};
}  // namespace

char32_t Cp1251ToUnicode(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
  return kUpperHalf[byte - 0x80];
}

std::optional<char> UnicodeToCp1251(char32_t code) {
  if (code < 0x80) return static_cast<char>(code);
  if (code >= 0x0410 && code <= 0x044F) return static_cast<char>(0xC0 + (code - 0x0410));
  for (int i = 0; i < 64; ++i) {
    if (kUpperHalf[i] == code && code != 0xFFFD) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string text;
  std::size_t i = 0;
  while (i < utf8.size()) {
    unsigned char lead = utf8[i];
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
    char32_t code = extra == 0 ? lead : extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
    bool good = extra >= 0 && i + extra < utf8.size();
    for (int k = 1; good && k <= extra; ++k) {
      unsigned char next = utf8[i + k];
      if ((next & 0xC0) != 0x80) good = false;
      code = code << 6 | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are malformed too: an overlong "." or "/"
    // must not pass for the character itself.
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (good && (code < kLeast[extra] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)) good = false;
    if (!good) {
      text += U'\uFFFD';
      ++i;
      continue;
    }
    text += code;
    i += extra + 1;
  }
  return text;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string utf8;
  for (char32_t c : text) {
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      utf8 += static_cast<char>(0xC0 | c >> 6);
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      utf8 += static_cast<char>(0xE0 | c >> 12);
      utf8 += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      utf8 += static_cast<char>(0xF0 | c >> 18);
      utf8 += static_cast<char>(0x80 | (c >> 12 & 0x3F));
      utf8 += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::u32string text;
  for (char b : bytes) text += Cp1251ToUnicode(static_cast<unsigned char>(b));
  return EncodeUtf8(text);
}

std::string Utf8ToCp1251(std::string_view utf8, char lacking) {
  std::string bytes;
  for (char32_t c : DecodeUtf8(utf8)) bytes += UnicodeToCp1251(c).value_or(lacking);
  return bytes;
}

}  // namespace gx
