#include <gtest/gtest.h>

#include "base/Cp1251.h"

namespace gx {
namespace {

TEST(Cp1251, RussianLettersAndYoRoundTrip) {
  std::string utf8 = "Ёлка ёж АЯ ая №";
  std::string bytes = Utf8ToCp1251(utf8);
  ASSERT_EQ(bytes.size(), 15u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xA8);
  EXPECT_EQ(static_cast<unsigned char>(bytes[5]), 0xB8);
  EXPECT_EQ(static_cast<unsigned char>(bytes[8]), 0xC0);
  EXPECT_EQ(static_cast<unsigned char>(bytes[9]), 0xDF);
  EXPECT_EQ(Cp1251ToUtf8(bytes), utf8);
}

TEST(Cp1251, UnknownCharactersAndBrokenUtf8AreReplaced) {
  EXPECT_EQ(Utf8ToCp1251("a\xE4\xB8\xAD" "b"), "a?b");  // a CJK character
  EXPECT_EQ(Utf8ToCp1251("a\xD0"), "a?");                 // cut sequence
  EXPECT_FALSE(UnicodeToCp1251(0xFFFD).has_value());
}

TEST(Cp1251, MalformedUtf8NeverPassesForACharacter) {
  EXPECT_EQ(DecodeUtf8("\xC0\xAE"), U"\uFFFD\uFFFD");              // an overlong "."
  EXPECT_EQ(DecodeUtf8("\xE0\x80\xAF"), U"\uFFFD\uFFFD\uFFFD");  // an overlong "/"
  EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");  // a lone surrogate
  EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80").size(), 4u);          // past U+10FFFF
  EXPECT_EQ(DecodeUtf8("\xD0\x90\xF0\x9F\x98\x80"), U"\u0410\U0001F600");
  // Whatever comes in, what goes out is UTF-8 that decodes without a replacement.
  EXPECT_EQ(DecodeUtf8(EncodeUtf8(DecodeUtf8("\xED\xA0\x80x"))), U"\uFFFD\uFFFD\uFFFDx");
}

}  // namespace
}  // namespace gx
