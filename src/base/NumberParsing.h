#pragma once
// Numbers typed into fields, or read from texts the program wrote, are parsed leniently: leading
// blanks skipped, leading digits taken, the rest ignored; a text with no leading digit gives 0.

#include <cstdint>
#include <string_view>

namespace gx {

// The value of the leading digits, kept modulo 2^32 so that its low 16 or 8 bits are exact.
std::uint32_t ParseLeadingNumber(std::string_view text);
// The same kept in the width of the value it goes into.
inline std::uint16_t ParseNumber16(std::string_view text) {
  return static_cast<std::uint16_t>(ParseLeadingNumber(text));
}
inline std::uint8_t ParseNumber8(std::string_view text) {
  return static_cast<std::uint8_t>(ParseLeadingNumber(text));
}

}  // namespace gx
