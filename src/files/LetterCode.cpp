#include "files/LetterCode.h"

#include <array>

namespace gx {

namespace {

// Windows-1251 bytes of the codes 0..81.
constexpr std::array<std::uint8_t, LastCharCode + 1> MakeCodeToChar() {
  std::array<std::uint8_t, LastCharCode + 1> table{};
  for (int i = 0; i < 32; ++i) table[i] = static_cast<std::uint8_t>(224 + i);  // а..я
  for (int i = 0; i < 26; ++i) table[32 + i] = static_cast<std::uint8_t>(192 + i);  // А..Щ
  const std::uint8_t rest[] = {221, 222, 223, ' ', '.', ',', ':', '"', '?', '-', '(', ')', '!'};
  for (int i = 0; i < 13; ++i) table[58 + i] = rest[i];
  for (int i = 0; i < 10; ++i) table[71 + i] = static_cast<std::uint8_t>('0' + i);
  table[81] = '/';
  return table;
}

constexpr auto kCodeToChar = MakeCodeToChar();

// 0xFF marks a byte without a code.
constexpr std::array<std::uint8_t, 256> MakeCharToCode() {
  std::array<std::uint8_t, 256> table{};
  for (auto& entry : table) entry = 0xFF;
  for (int code = 0; code <= LastCharCode; ++code) table[kCodeToChar[code]] = static_cast<std::uint8_t>(code);
  return table;
}

constexpr auto kCharToCode = MakeCharToCode();

}  // namespace

std::optional<std::uint8_t> LetterCodeOf(char c) {
  std::uint8_t code = kCharToCode[static_cast<unsigned char>(c)];
  if (code == 0xFF) return std::nullopt;
  return code;
}

char CharOfLetterCode(std::uint8_t code) {
  return code <= LastCharCode ? static_cast<char>(kCodeToChar[code]) : '\0';
}

bool HasLetterCode(char c) { return kCharToCode[static_cast<unsigned char>(c)] != 0xFF; }

void EncodeText(std::string_view text, std::string& out) {
  for (char c : text) {
    std::uint8_t code = kCharToCode[static_cast<unsigned char>(c)];
    out.push_back(static_cast<char>(code == 0xFF ? NoCode : code));
  }
  out.push_back(static_cast<char>(EndOfText));
}

}  // namespace gx
