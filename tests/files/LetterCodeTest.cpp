#include <gtest/gtest.h>

#include "TestBytes.h"
#include "TestFolder.h"
#include "files/LetterCode.h"

namespace gx::test {
namespace {

std::string Encode(const std::string& text) {
  std::string out;
  EncodeText(text, out);
  return out;
}

// Decodes successive texts of one file; the decoder lives across them as it does in a file.
std::vector<std::string> DecodeAll(const std::string& bytes, LetterDecoder::Rules rules) {
  LetterDecoder decoder(rules);
  std::vector<std::string> texts(1);
  for (char b : bytes) {
    if (!decoder.Feed(static_cast<std::uint8_t>(b), texts.back())) texts.emplace_back();
  }
  texts.pop_back();  // the text after the last end byte is unfinished
  return texts;
}

std::string DecodePuzzle(const std::string& bytes) { return DecodeAll(bytes, LetterDecoder::Rules::PuzzleFile).at(0); }
std::string DecodeDictionary(const std::string& bytes) {
  return DecodeAll(bytes, LetterDecoder::Rules::DictionaryFile).at(0);
}

TEST(LetterCode, EncodesTheDocumentedVectors) {
  EXPECT_EQ(Encode(""), Bytes({86}));
  EXPECT_EQ(Encode(W("Я-5!")), Bytes({60, 67, 76, 70, 86}));
  EXPECT_EQ(Encode(W("АБВ абв")), Bytes({32, 33, 34, 61, 0, 1, 2, 86}));
  EXPECT_EQ(Encode(W("ЮЖНЫЙ")), Bytes({59, 38, 45, 87, 41, 86}));
  EXPECT_EQ(Encode(W(".,:\"?-()!/09яЩЭ")),
            Bytes({62, 63, 64, 65, 66, 67, 68, 69, 70, 81, 71, 80, 31, 57, 58, 86}));
}

TEST(LetterCode, CharactersWithoutCodeBecome87) {
  for (const char* text : {"Ъ", "Ы", "Ь", "Ё", "ё", "Q", "z", ";", "\t"}) {
    EXPECT_EQ(Encode(W(text)), Bytes({87, 86})) << text;
  }
}

TEST(LetterCode, NoCharacterEncodesToTheEndByte) {
  for (int c = 0; c < 256; ++c) {
    std::string out = Encode(std::string(1, static_cast<char>(c)));
    ASSERT_EQ(out.size(), 2u);
    EXPECT_NE(static_cast<std::uint8_t>(out[0]), 86) << c;
    EXPECT_TRUE(static_cast<std::uint8_t>(out[0]) <= 81 || static_cast<std::uint8_t>(out[0]) == 87) << c;
  }
}

TEST(LetterCode, EveryCodeRoundTrips) {
  for (int code = 0; code <= 81; ++code) {
    char c = CharOfLetterCode(static_cast<std::uint8_t>(code));
    ASSERT_TRUE(LetterCodeOf(c).has_value()) << code;
    EXPECT_EQ(*LetterCodeOf(c), code);
    EXPECT_EQ(DecodePuzzle(Bytes({code, 86})), std::string(1, c));
    EXPECT_EQ(DecodeDictionary(Bytes({code, 86})), std::string(1, c));
  }
}

TEST(LetterCode, WrittenAndReadBackTexts) {
  EXPECT_EQ(DecodePuzzle(Encode("")), "");
  EXPECT_EQ(DecodePuzzle(Encode(W("ЮЖНЫЙ"))), W("ЮЖННЙ"));
  EXPECT_EQ(DecodePuzzle(Encode(W("ещё"))), W("ещщ"));
  EXPECT_EQ(DecodePuzzle(Encode(W("вьюга"))), W("вьюга"));
  EXPECT_EQ(DecodeDictionary(Encode(W("КОТ Домашнее животное, 3 (три)!"))), W("КОТ Домашнее животное, 3 (три)!"));
}

TEST(LetterCode, TopBitIsIgnoredOnlyInDictionaryFiles) {
  EXPECT_EQ(DecodeDictionary(Bytes({128, 86})), W("а"));
  EXPECT_EQ(DecodeDictionary(Bytes({161, 86})), W("Б"));
  EXPECT_EQ(DecodePuzzle(Bytes({1, 128, 86})), W("бб"));
  // 214 has the low bits of the end byte but only the whole byte 86 ends a text.
  EXPECT_EQ(DecodeDictionary(Bytes({2, 214, 3, 86})), W("ввг"));
  EXPECT_EQ(DecodeDictionary(Bytes({2, 82, 127, 86})), W("ввв"));
}

TEST(LetterCode, NonCharacterRepeatsTheLastCharacterOfTheWholeFile) {
  auto texts = DecodeAll(Bytes({0, 1, 86, 87, 2, 86, 86, 200, 86}), LetterDecoder::Rules::PuzzleFile);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0], W("аб"));
  EXPECT_EQ(texts[1], W("бв"));  // 87 at the start of a text repeats the б of the text before
  EXPECT_EQ(texts[2], "");
  EXPECT_EQ(texts[3], W("в"));
}

TEST(LetterCode, NonCharacterBeforeAnyCharacterYieldsNothing) {
  EXPECT_EQ(DecodePuzzle(Bytes({87, 83, 255, 5, 86})), W("е"));
  EXPECT_EQ(DecodeDictionary(Bytes({87, 214, 86})), "");
}

}  // namespace
}  // namespace gx::test
