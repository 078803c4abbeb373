#include <gtest/gtest.h>

#include "files/Cp1251.h"

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

}  // namespace
}  // namespace gx
