#pragma once
// A length-prefixed single-byte string with a fixed maximum, as the program keeps its texts:
// answers and typed texts hold 24 characters, dictionary entries and clues 128, general texts 255.
// Assigning a longer text keeps its first Max characters. Bytes are Windows-1251.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace gx {

template <std::size_t Max>
class FixedString {
  static_assert(Max <= 255, "the length is one byte");

 public:
  FixedString() = default;
  FixedString(std::string_view text) { Assign(text); }  // NOLINT: texts convert freely

  void Assign(std::string_view text) {
    length_ = static_cast<std::uint8_t>(text.size() < Max ? text.size() : Max);
    if (length_ > 0) std::memcpy(bytes_, text.data(), length_);  // an empty view may hold no pointer
  }
  FixedString& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }
  void Clear() { length_ = 0; }
  // Appends one character; a full string drops it.
  void Append(char c) {
    if (length_ < Max) bytes_[length_++] = c;
  }
  void PopBack() {
    if (length_ > 0) --length_;
  }

  std::size_t size() const { return length_; }
  bool empty() const { return length_ == 0; }
  static constexpr std::size_t capacity() { return Max; }
  char operator[](std::size_t i) const { return bytes_[i]; }
  char& operator[](std::size_t i) { return bytes_[i]; }
  std::string_view view() const { return {bytes_, length_}; }
  std::string str() const { return std::string(view()); }
  operator std::string_view() const { return view(); }  // NOLINT

  friend bool operator==(const FixedString& a, const FixedString& b) { return a.view() == b.view(); }
  friend bool operator==(const FixedString& a, std::string_view b) { return a.view() == b; }

 private:
  std::uint8_t length_ = 0;
  char bytes_[Max] = {};
};

using AnswerText = FixedString<24>;
using EntryText = FixedString<128>;
using GeneralText = FixedString<255>;

}  // namespace gx
