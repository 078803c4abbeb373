#include "base/SafeText.h"

#include <gtest/gtest.h>

namespace gx {
namespace {

TEST(SafeText, ControlsAreEscapedBrokenBytesReplacedTheRestKept) {
  const std::string hostile = "Ёж\x1B[2J\n\t\r\x7F\xC2\x9B" "31m\xE2\x80\xAEtxt.gx\xFF\xD0\\";
  const std::string safe = SafeText(hostile);
  EXPECT_EQ(safe, "Ёж\\x1B[2J\\n\\t\\r\\x7F\\x9B31m\\u202Etxt.gx\xEF\xBF\xBD\xEF\xBF\xBD\\");
  EXPECT_EQ(SafeText(safe), safe) << "quoting what is already safe changes nothing";
  EXPECT_EQ(ValidUtf8("a\xFF" "b\xF0\x9F\x98\x80"), "a\xEF\xBF\xBD" "b\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace gx
