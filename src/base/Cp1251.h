#pragma once
// Conversion between the Windows-1251 bytes the program holds and UTF-8 / Unicode, used only at
// the edges (the Qt front end, the batch tool, the content tools).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gx {

// The code page's one unassigned byte. An edge that must let the logic see that a text held a
// character the code page lacks puts it there instead of '?'.
constexpr char NoCp1251Char = '\x98';

char32_t Cp1251ToUnicode(unsigned char byte);
// The Windows-1251 byte of a character, or nothing when the code page lacks it.
std::optional<char> UnicodeToCp1251(char32_t code);

// Decodes UTF-8; a malformed sequence yields U+FFFD for each bad byte.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);

std::string Cp1251ToUtf8(std::string_view bytes);
// Characters the code page lacks become `lacking`.
std::string Utf8ToCp1251(std::string_view utf8, char lacking = '?');

}  // namespace gx
