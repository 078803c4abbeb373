// The strict JSON reader under crossword files from other programs, and the quoting of writers.

#include "files/Json.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace gx {
namespace {

TEST(Json, ReadsValuesEscapesAndUtf8AsWritten) {
  const json::ParseResult parsed = json::Parse(
      "\xEF\xBB\xBF { \"a\": [1, -20, 3.5, 1e3, true, false, null],\n"
      "  \"s\": \"\\\"\\\\\\/\\b\\f\\n\\r\\t\\u0041\\u0416\\ud83d\\ude00\xD0\xB6\",\n"
      "  \"o\": {}, \"e\": [] }  ");
  ASSERT_TRUE(parsed.value) << parsed.error;
  const json::Value& root = *parsed.value;
  ASSERT_TRUE(root.IsObject());
  ASSERT_EQ(root.members.size(), 4u);
  EXPECT_EQ(root.members[0].first, "a");  // file order kept
  const json::Value& a = *root.Find("a");
  ASSERT_EQ(a.items.size(), 7u);
  EXPECT_EQ(a.items[0].integer, 1);
  EXPECT_EQ(a.items[1].integer, -20);
  EXPECT_FALSE(a.items[2].IsInteger());
  EXPECT_DOUBLE_EQ(a.items[2].number, 3.5);
  EXPECT_FALSE(a.items[3].IsInteger()) << "an exponent is no whole number as written";
  EXPECT_TRUE(a.items[4].boolean);
  EXPECT_TRUE(a.items[6].IsNull());
  EXPECT_EQ(root.Find("s")->text, "\"\\/\b\f\n\r\tA\xD0\x96\xF0\x9F\x98\x80\xD0\xB6");
  EXPECT_TRUE(root.Find("o")->IsObject());
  EXPECT_TRUE(root.Find("e")->IsArray());
  EXPECT_EQ(root.Find("missing"), nullptr);
}

TEST(Json, RefusesWhatIsNotStrictJsonNamingWhere) {
  const std::vector<std::pair<std::string, std::string>> bad = {
      {"", "line 1, column 1: unexpected end"},
      {"[1,]", "line 1, column 4"},
      {"{\"a\": 1,}", "expected a key"},
      {"{\"a\": 1, \"a\": 2}", "key \"a\" given twice"},
      {"[1] [2]", "text after the end"},
      {"// note\n[1]", "unexpected character"},
      {"[01]", "expected ']'"},
      {"[1.]", "expected a digit"},
      {"[.5]", "unexpected character"},
      {"[+1]", "unexpected character"},
      {"[1e999]", "too large"},
      {"[tru]", "unknown word"},
      {"[\"a\nb\"]", "a control character"},
      {"[\"\\x\"]", "unknown escape"},
      {"[\"\\u12\"]", "hexadecimal"},
      {"[\"\\ud800\"]", "high surrogate without its low one"},
      {"[\"\\ud800\\u0041\"]", "high surrogate without its low one"},
      {"[\"\\udc00\"]", "low surrogate"},
      {"[\"\xC0\xAF\"]", "not UTF-8"},              // overlong
      {"[\"\xE0\x80\xAF\"]", "not UTF-8"},          // overlong
      {"[\"\xED\xA0\x80\"]", "not UTF-8"},          // a surrogate in UTF-8
      {"[\"\xF4\x90\x80\x80\"]", "not UTF-8"},      // beyond U+10FFFF
      {"[\"\xD0\"]", "not UTF-8"},                  // cut short
      {"[\"\xFF\"]", "not UTF-8"},
      {"[\"open", "without its closing quote"},
      {"{\"a\" 1}", "expected ':'"},
      {"\n\n  [1 2]", "line 3, column 6: expected ']'"},
      {std::string(json::MaxDepth + 1, '['), "nested deeper than 64"},
  };
  for (const auto& [text, expected] : bad) {
    const json::ParseResult parsed = json::Parse(text);
    EXPECT_FALSE(parsed.value) << text;
    EXPECT_NE(parsed.error.find(expected), std::string::npos) << text << " gave: " << parsed.error;
  }
  // The deepest nesting allowed still reads.
  EXPECT_TRUE(json::Parse(std::string(json::MaxDepth, '[') + std::string(json::MaxDepth, ']')).value);
}

// Size: repeated keys are found however far apart in however large an object, keys are quoted
// safely in the message, and a document of more values than the reader takes is refused.
TEST(Json, LargeDocumentsAreCheckedWholeOrRefused) {
  std::string object = "{\"k0\": 0";
  for (int i = 1; i < 100000; ++i) object += ",\"k" + std::to_string(i) + "\": 0";
  json::ParseResult parsed = json::Parse(object + "}");
  ASSERT_TRUE(parsed.value) << parsed.error;
  EXPECT_EQ(parsed.value->members.size(), 100000u);
  parsed = json::Parse(object + ",\"k0\": 1}");
  EXPECT_NE(parsed.error.find("key \"k0\" given twice"), std::string::npos) << parsed.error;
  parsed = json::Parse("{\"\\u001b[2J\xD0\xB6\": 0, \"\\u001b[2J\xD0\xB6\": 0}");
  EXPECT_NE(parsed.error.find("key \"\\x1B[2J\xD0\xB6\" given twice"), std::string::npos) << parsed.error;

  std::string values = "[0";
  for (std::size_t i = 2; i < json::MaxValues; ++i) values += ",0";
  EXPECT_TRUE(json::Parse(values + "]").value) << "the whole document and its items make MaxValues";
  parsed = json::Parse(values + ",0]");
  EXPECT_FALSE(parsed.value);
  EXPECT_NE(parsed.error.find("more than 131072 values"), std::string::npos) << parsed.error;
}

TEST(Json, QuotedTextReadsBackAsItWas) {
  std::string every;
  for (int c = 1; c < 128; ++c) every.push_back(static_cast<char>(c));
  every += "\xD0\x90\xD1\x8F\xE2\x80\x94\xF0\x9F\x98\x80";  // А я — and a character beyond 16 bits
  const std::string quoted = json::Quote(every);
  for (char c : quoted) EXPECT_GE(static_cast<unsigned char>(c), 0x20) << "raw control character";
  json::ParseResult parsed = json::Parse("[" + quoted + "]");
  ASSERT_TRUE(parsed.value) << parsed.error;
  EXPECT_EQ(parsed.value->items[0].text, every);
  EXPECT_EQ(json::Quote("a\"b\\c"), "\"a\\\"b\\\\c\"");
  // Bytes that are not UTF-8 (a file name of another system) come out as U+FFFD, never as invalid
  // JSON.
  parsed = json::Parse("[" + json::Quote("a\xFF\xD0 \xC0\xAF") + "]");
  ASSERT_TRUE(parsed.value) << parsed.error;
  EXPECT_EQ(parsed.value->items[0].text, "a\xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace gx
