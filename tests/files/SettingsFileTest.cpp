#include <gtest/gtest.h>

#include "TestBytes.h"
#include "TestFolder.h"
#include "base/NumberParsing.h"
#include "files/SettingsFile.h"

namespace gx::test {
namespace {

std::string Records(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) {
    bytes.push_back(static_cast<char>(v & 0xFF));
    bytes.push_back(static_cast<char>((v >> 8) & 0xFF));
  }
  return bytes;
}

// A fixed part with distinct values: score 5, picture 3, attempts 1024, minimum 12, boxes 1/1/0.
std::string FixedPart() {
  std::string bytes = Records({5, 3, 3, 1024, 12, 1, 1, 0});
  for (int color = 0; color < 8; ++color) bytes += Records({color, 10 + color, 20 + color});
  return bytes;
}

TEST(SettingsFileLayout, SixtyFourBytesGiveAnEmptyDictionaryName) {
  Settings s;
  DictionaryNameText name("old.dct");
  ASSERT_FALSE(ParseSettings(FixedPart(), s, name));
  EXPECT_EQ(name, "");
  EXPECT_EQ(s.Score, 5);
  EXPECT_EQ(s.RewardPictureNo, 3);
  EXPECT_EQ(s.MaxFillAttempts, 1024);
  EXPECT_EQ(s.MinSlotCount, 12);
  EXPECT_TRUE(s.NumberedExport);
  EXPECT_TRUE(s.KaleidoscopeBox);
  EXPECT_TRUE(s.KaleidoscopeOn);
  EXPECT_FALSE(s.SoundOn);
  EXPECT_EQ(s.Colors.BoardColor, Rgb(0, 10, 20));
  EXPECT_EQ(s.Colors.GifBorderColor, Rgb(5, 15, 25));
  EXPECT_EQ(s.Colors.GifInnerColor, Rgb(6, 16, 26));
  EXPECT_EQ(s.Colors.PrintBackColor, Rgb(7, 17, 27));
  EXPECT_EQ(SerializeSettings(s, ""), FixedPart());
}

TEST(SettingsFileLayout, NameOfNCharactersKeepsAtMost32) {
  Settings s;
  DictionaryNameText name;
  std::string bytes = FixedPart();
  for (char c : std::string("ru.dct")) bytes += Records({static_cast<unsigned char>(c) | 0x7700});
  ASSERT_FALSE(ParseSettings(bytes, s, name));
  EXPECT_EQ(name, "ru.dct");
  bytes = FixedPart();
  for (int i = 0; i < 40; ++i) bytes += Records({'a' + i % 26});
  bytes.push_back('x');  // a trailing odd byte is no record
  ASSERT_FALSE(ParseSettings(bytes, s, name));
  EXPECT_EQ(name.size(), 32u);
  EXPECT_EQ(name.view().substr(0, 3), "abc");

  // A Russian name is one Windows-1251 character per record; one an earlier build stored as its
  // UTF-8 bytes reads as the same name, and is written back in Windows-1251.
  for (const std::string& stored : {Utf8ToCp1251("Зимние.dct"), std::string("Зимние.dct")}) {
    bytes = FixedPart();
    for (char c : stored) bytes += Records({static_cast<unsigned char>(c)});
    ASSERT_FALSE(ParseSettings(bytes, s, name));
    EXPECT_EQ(name, Utf8ToCp1251("Зимние.dct"));
    EXPECT_EQ(SerializeSettings(s, name).size(), 64u + 2 * 10);
  }
}

TEST(SettingsFileLayout, ColoursAndHighBytes) {
  std::string bytes = Records({7, 0x5503, 0x6604, 256, 0x3314, 2, 0, 0});
  bytes += Records({255, 0, 0, 0, 0, 255});
  for (int color = 2; color < 8; ++color) bytes += Records({0x1FF, 0x100, 0x2080});
  Settings s;
  DictionaryNameText name;
  ASSERT_FALSE(ParseSettings(bytes, s, name));
  EXPECT_EQ(s.RewardPictureNo, 3);
  EXPECT_EQ(s.MaxFillAttempts, 256);
  EXPECT_EQ(s.MinSlotCount, 20);
  EXPECT_TRUE(s.NumberedExport);
  EXPECT_FALSE(s.KaleidoscopeBox);
  EXPECT_EQ(s.Colors.BoardColor, 255u);
  EXPECT_EQ(s.Colors.WordCellColor, 16711680u);
  EXPECT_EQ(s.Colors.FoundWordColor, Rgb(255, 0, 128));
  // A kaleidoscope record of 2 checks the box but does not switch mirroring on.
  bytes.replace(12, 2, Records({2}));
  ASSERT_FALSE(ParseSettings(bytes, s, name));
  EXPECT_TRUE(s.KaleidoscopeBox);
  EXPECT_FALSE(s.KaleidoscopeOn);
}

TEST(SettingsFileLayout, OutOfRangeScoreAndPictureAreBroughtIntoRange) {
  Settings s;
  DictionaryNameText name;
  std::string bytes = FixedPart();
  bytes.replace(0, 4, Records({5000, 0x0100}));  // score 5000, picture 0 in the low byte
  ASSERT_FALSE(ParseSettings(bytes, s, name));
  EXPECT_EQ(s.Score, 999);
  EXPECT_EQ(s.RewardPictureNo, 17);
  bytes.replace(0, 4, Records({999, 18}));
  ASSERT_FALSE(ParseSettings(bytes, s, name));
  EXPECT_EQ(s.Score, 999);
  EXPECT_EQ(s.RewardPictureNo, 17);
  bytes.replace(0, 4, Records({0, 0x4405}));  // the high byte is no part of the picture number
  ASSERT_FALSE(ParseSettings(bytes, s, name));
  EXPECT_EQ(s.Score, 0);
  EXPECT_EQ(s.RewardPictureNo, 5);
  bytes.replace(0, 4, Records({998, 1}));
  ASSERT_FALSE(ParseSettings(bytes, s, name));
  EXPECT_EQ(s.Score, 998);
  EXPECT_EQ(s.RewardPictureNo, 1);
}

TEST(SettingsFileLayout, ShortFileKeepsWhatWasRead) {
  Settings s;
  s.Colors.WordCellColor = Rgb(1, 2, 3);
  DictionaryNameText name("keep.dct");
  std::string bytes = FixedPart().substr(0, 26);  // records 0..12: board colour and two of the next
  FileError error = ParseSettings(bytes, s, name);
  EXPECT_EQ(error.Text(), "Read beyond end of file");
  EXPECT_EQ(s.MaxFillAttempts, 1024);
  EXPECT_EQ(s.Colors.BoardColor, Rgb(0, 10, 20));
  EXPECT_EQ(s.Colors.WordCellColor, Rgb(1, 2, 3));
  EXPECT_EQ(name, "keep.dct");
  Settings fresh;
  EXPECT_EQ(ParseSettings(FixedPart().substr(0, 63), fresh, name).Text(), "Read beyond end of file");
  EXPECT_EQ(fresh.Colors.PrintBackColor, 0u);
  EXPECT_EQ(ParseSettings("", fresh, name).Text(), "Read beyond end of file");
}

TEST(SettingsFileOnDisk, WrittenAndReadBack) {
  TestFolder folder;
  Settings s = DefaultSettings();
  s.Score = 999;
  s.MaxFillAttempts = 1024;
  ASSERT_FALSE(WriteSettings(s, "ru.dct", folder.Dir()));
  EXPECT_EQ(folder.Read("gx.dat").size(), 64u + 2 * 6);
  Settings back;
  DictionaryNameText name;
  ASSERT_FALSE(ReadSettings(back, name, folder.Dir()));
  EXPECT_EQ(back.Score, 999);
  EXPECT_EQ(back.MaxFillAttempts, 1024);
  EXPECT_EQ(back.RewardPictureNo, s.RewardPictureNo);
  EXPECT_EQ(back.SoundOn, s.SoundOn);
  EXPECT_EQ(back.Colors.WrongWordColor, s.Colors.WrongWordColor);
  EXPECT_EQ(name, "ru.dct");
  EXPECT_EQ(folder.FileCount(), 1);
}

TEST(SettingsFileOnDisk, LongNameAndOddTailFromDisk) {
  TestFolder folder;
  std::string bytes = FixedPart();
  for (int i = 0; i < 1000; ++i) bytes += Records({'a' + i % 26});
  folder.Write("gx.dat", bytes + "z");
  Settings s;
  DictionaryNameText name;
  ASSERT_FALSE(ReadSettings(s, name, folder.Dir()));
  EXPECT_EQ(name, "abcdefghijklmnopqrstuvwxyzabcdef");
  EXPECT_EQ(s.MinSlotCount, 12);
}

// «Рё.dct» in Windows-1251 is the UTF-8 spelling of «и.dct», as earlier builds stored that name:
// the same two records name whichever of the two dictionaries the data folder holds.
TEST(SettingsFileOnDisk, ANameThatAlsoReadsAsUtf8NamesTheDictionaryThatIsThere) {
  TestFolder folder;
  std::filesystem::create_directory(folder.Path("data"));
  Settings s = DefaultSettings();
  ASSERT_FALSE(WriteSettings(s, W("Рё.dct"), folder.Dir()));
  EXPECT_EQ(folder.Read("gx.dat").substr(64, 4), Bytes({0xD0, 0, 0xB8, 0}));
  DictionaryNameText name;
  ASSERT_FALSE(ReadSettings(s, name, folder.Dir()));
  EXPECT_EQ(name, W("и.dct"));  // neither is there: read as earlier builds meant it
  folder.Write("data/Рё.dct", "");
  ASSERT_FALSE(ReadSettings(s, name, folder.Dir()));
  EXPECT_EQ(name, W("Рё.dct"));
  folder.Write("data/и.dct", "");
  ASSERT_FALSE(ReadSettings(s, name, folder.Dir()));
  EXPECT_EQ(name, W("и.dct"));
}

TEST(SettingsFileOnDisk, NameIsFoundInAnyCase) {
  TestFolder folder;
  Settings s;
  DictionaryNameText name;
  EXPECT_EQ(ReadSettings(s, name, folder.Dir()).Text(), "File not found");
  folder.Write("Gx.Dat", FixedPart());
  ASSERT_FALSE(ReadSettings(s, name, folder.Dir()));
  EXPECT_EQ(s.Score, 5);
  folder.Write("GX.DAT", Records({6}) + FixedPart().substr(2));
  ASSERT_FALSE(ReadSettings(s, name, folder.Dir()));
  EXPECT_EQ(s.Score, 6);
  folder.Write("gx.dat", Records({7}) + FixedPart().substr(2));
  ASSERT_FALSE(ReadSettings(s, name, folder.Dir()));
  EXPECT_EQ(s.Score, 7);
}

TEST(SettingsFileOnDisk, FailedWriteKeepsTheOldFile) {
  TestFolder folder;
  Settings s;
  EXPECT_EQ(WriteSettings(s, "", folder.Path("missing")).Text(), "File not found");
  std::filesystem::create_directory(folder.Path("gx.dat"));
  EXPECT_TRUE(WriteSettings(s, "", folder.Dir()));
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path("gx.dat")));
}

TEST(SettingsDefaults, AreWithinTheRangesOfTheWindow) {
  Settings s = DefaultSettings();
  EXPECT_GE(s.RewardPictureNo, 1);
  EXPECT_LE(s.RewardPictureNo, 17);
  EXPECT_GE(s.MinSlotCount, 4);
  EXPECT_LE(s.MinSlotCount, 100);
  EXPECT_GT(s.MaxFillAttempts, 0);
  EXPECT_NE(s.Colors.BoardColor, s.Colors.WordCellColor);
  EXPECT_FALSE(DefaultDictionaryName().empty());
}

TEST(LenientNumbers, LeadingDigitsAfterBlanks) {
  EXPECT_EQ(ParseLeadingNumber("12abc"), 12u);
  EXPECT_EQ(ParseLeadingNumber("abc"), 0u);
  EXPECT_EQ(ParseLeadingNumber(""), 0u);
  EXPECT_EQ(ParseLeadingNumber("   7"), 7u);
  EXPECT_EQ(ParseLeadingNumber("  "), 0u);
  EXPECT_EQ(ParseLeadingNumber("1024"), 1024u);
  EXPECT_EQ(ParseLeadingNumber("-5"), 0u);
  EXPECT_EQ(ParseLeadingNumber("3 4"), 3u);
}

TEST(LenientNumbers, KeptInTheWidthOfTheValue) {
  EXPECT_EQ(ParseNumber16("65537"), 1);
  EXPECT_EQ(ParseNumber16("1024x"), 1024);
  EXPECT_EQ(ParseNumber8("300"), 44);
  EXPECT_EQ(ParseNumber8("12 слов"), 12);
}

}  // namespace
}  // namespace gx::test
