#pragma once
// The one-byte code in which every text of a puzzle or dictionary file is stored: each character
// becomes a code byte 0..81 and the byte 86 ends the text. Texts in memory are Windows-1251.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gx {

constexpr std::uint8_t EndOfText = 86;
constexpr std::uint8_t NoCode = 87;       // written for a character the code lacks
constexpr std::uint8_t LastCharCode = 81;

// The code of a Windows-1251 character, or nothing when the code lacks it.
std::optional<std::uint8_t> LetterCodeOf(char c);
// The Windows-1251 character of a code 0..81.
char CharOfLetterCode(std::uint8_t code);
bool HasLetterCode(char c);

// Appends one code byte per character (87 for a character without a code), then the end byte.
void EncodeText(std::string_view text, std::string& out);

// Decodes code bytes one at a time. The character decoded last is remembered for the whole file:
// a byte that is no character repeats it, even across text boundaries. Before anything has been
// decoded such a byte yields nothing.
class LetterDecoder {
 public:
  enum class Rules { PuzzleFile, DictionaryFile };
  explicit LetterDecoder(Rules rules) : rules_(rules) {}

  // The byte 86 ends the text (returns false); any other byte appends at most one character.
  template <typename Text>
  bool Feed(std::uint8_t byte, Text& text) {
    if (byte == EndOfText) return false;
    std::uint8_t code = rules_ == Rules::DictionaryFile ? static_cast<std::uint8_t>(byte & 0x7F) : byte;
    if (code <= LastCharCode) {
      last_ = CharOfLetterCode(code);
      has_last_ = true;
    } else {
      ++unreadable_;
    }
    if (has_last_) Append(text, last_);
    return true;
  }
  // The bytes fed so far that were no character (and not the end of a text).
  int Unreadable() const { return unreadable_; }

 private:
  static void Append(std::string& text, char c) { text.push_back(c); }
  template <typename Text>
  static void Append(Text& text, char c) { text.Append(c); }

  Rules rules_;
  char last_ = 0;
  bool has_last_ = false;
  int unreadable_ = 0;
};

}  // namespace gx
