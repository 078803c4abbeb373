// The rest of the delivered program folder: the settings file, the advertisement list, the
// reward pictures, the sounds, the help pages and the export templates, each read the way the
// program reads it.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include "DeliveredFolder.h"
#include "base/Host.h"
#include "core/Settings.h"
#include "base/WindowState.h"
#include "base/Cp1251.h"
#include "files/DictionaryFile.h"
#include "core/DictionaryStore.h"
#include "files/AdvertList.h"
#include "files/SettingsFile.h"

namespace gx {
namespace {

namespace fs = std::filesystem;
using test::DeliveredFolder;
using test::ReadDeliveredFile;

std::uint32_t Little(std::string_view bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST(DeliveredSettings, HoldTheChosenValuesAndNameTheDeliveredDictionary) {
  std::string bytes = ReadDeliveredFile("gx.dat");
  Settings settings;
  DictionaryNameText name;
  ASSERT_TRUE(ParseSettings(bytes, settings, name).ok());
  EXPECT_EQ(settings.Score, 0);
  EXPECT_EQ(settings.RewardPictureNo, 17);
  EXPECT_EQ(settings.MaxFillAttempts, 256);
  EXPECT_GE(settings.MinSlotCount, 4);
  EXPECT_LE(settings.MinSlotCount, 100);
  EXPECT_FALSE(settings.NumberedExport);
  EXPECT_FALSE(settings.KaleidoscopeBox);
  EXPECT_TRUE(settings.SoundOn);
  EXPECT_EQ(std::string(name.view()), "ru.dct");
  EXPECT_TRUE(fs::exists(DeliveredFolder() / "data" / std::string(name.view())));
  // The file is written by the program's own writer: nothing but the fixed part and the name.
  EXPECT_EQ(bytes.size(), SettingsFixedSize + 2 * name.view().size());
  EXPECT_EQ(SerializeSettings(settings, name.view()), bytes);
}

TEST(DeliveredSettings, PaletteTellsTheWordStatesApartAndKeepsTheGifColoursExact) {
  Settings settings;
  DictionaryNameText name;
  ASSERT_TRUE(ParseSettings(ReadDeliveredFile("gx.dat"), settings, name).ok());
  const Palette& c = settings.Colors;
  std::set<Color> board_states = {c.BoardColor, c.WordCellColor, c.FoundWordColor, c.TryingWordColor,
                                  c.WrongWordColor};
  EXPECT_EQ(board_states.size(), 5u);
  // The exported picture keeps only the 20 default palette colours.
  const std::set<Color> defaults = {
      Rgb(0, 0, 0),       Rgb(128, 0, 0),     Rgb(0, 128, 0),     Rgb(128, 128, 0),   Rgb(0, 0, 128),
      Rgb(128, 0, 128),   Rgb(0, 128, 128),   Rgb(192, 192, 192), Rgb(192, 220, 192), Rgb(166, 202, 240),
      Rgb(255, 251, 240), Rgb(160, 160, 164), Rgb(128, 128, 128), Rgb(255, 0, 0),     Rgb(0, 255, 0),
      Rgb(255, 255, 0),   Rgb(0, 0, 255),     Rgb(255, 0, 255),   Rgb(0, 255, 255),   Rgb(255, 255, 255)};
  EXPECT_TRUE(defaults.count(c.GifBorderColor));
  EXPECT_TRUE(defaults.count(c.GifInnerColor));
  EXPECT_NE(c.GifBorderColor, c.GifInnerColor);
  // Word cells are white in the picture: the inner field must not look like one.
  EXPECT_NE(c.GifInnerColor, Rgb(255, 255, 255));
}

class DeliveredAdverts : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { list_ = new AdvertList(ParseAdvertList(ReadDeliveredFile("rek/rek.dat"))); }
  static void TearDownTestSuite() { delete list_; }
  static AdvertList* list_;
};
AdvertList* DeliveredAdverts::list_ = nullptr;

TEST_F(DeliveredAdverts, ListHasCommentsAndFiveToTenEntriesWhoseFilesExist) {
  std::string text = ReadDeliveredFile("rek/rek.dat");
  EXPECT_EQ(text.front(), '{');
  EXPECT_NE(text.find("\r\n"), std::string::npos);
  ASSERT_GE(list_->Count(), 5);
  ASSERT_LE(list_->Count(), 10);
  for (int i = 1; i <= list_->Count(); ++i) {
    const AdvertEntry& entry = list_->Entry(i);
    std::string name(entry.Name());
    EXPECT_LT(name.size(), 12u) << "the name field needs a blank after the name";
    EXPECT_TRUE(fs::exists(DeliveredFolder() / "rek" / name)) << name;
    std::string keywords(entry.Keywords.view());
    EXPECT_FALSE(keywords.empty()) << name;
    EXPECT_EQ(keywords.back(), '!') << "a rest after the last \"!\" would match every word: " << name;
  }
}

// The word media lookup looks for a blank followed by the keyword in the answer and its clue;
// every entry must be reachable from the words of the delivered dictionary.
TEST_F(DeliveredAdverts, EveryEntryIsReachedByCluesOfTheDeliveredDictionary) {
  DictionaryStore store;
  Progress unseen;
  NullHost host;
  ASSERT_TRUE(LoadDictionary(store, (DeliveredFolder() / "data" / "ru.dct").string(), unseen, host).error.ok());
  for (int i = 1; i <= list_->Count(); ++i) {
    std::string keywords(list_->Entry(i).Keywords.view());
    std::string first_key = " " + keywords.substr(0, keywords.find('!'));
    int matches = 0;
    for (int e = 1; e <= store.DictionaryCount && matches == 0; ++e)
      if (std::string(store.Entry(e)).find(first_key) != std::string::npos) ++matches;
    EXPECT_GT(matches, 0) << Cp1251ToUtf8(first_key);
  }
}

struct JpegSize {
  int width = 0;
  int height = 0;
};

// Reads the frame size from the first start-of-frame marker of a JPEG file.
JpegSize ReadJpegSize(std::string_view bytes) {
  if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
      static_cast<unsigned char>(bytes[1]) != 0xD8)
    return {};
  std::size_t at = 2;
  while (at + 9 < bytes.size()) {
    if (static_cast<unsigned char>(bytes[at]) != 0xFF) return {};
    unsigned marker = static_cast<unsigned char>(bytes[at + 1]);
    std::size_t length = static_cast<unsigned char>(bytes[at + 2]) << 8 | static_cast<unsigned char>(bytes[at + 3]);
    bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      int height = static_cast<unsigned char>(bytes[at + 5]) << 8 | static_cast<unsigned char>(bytes[at + 6]);
      int width = static_cast<unsigned char>(bytes[at + 7]) << 8 | static_cast<unsigned char>(bytes[at + 8]);
      return {width, height};
    }
    at += 2 + length;
  }
  return {};
}

TEST(DeliveredPictures, SeventeenDistinctRewardJpegsFitThePictureControl) {
  std::set<std::string> contents;
  for (int number = 1; number <= 17; ++number) {
    std::string name = "pic/s" + std::to_string(number) + ".jpg";
    std::string bytes = ReadDeliveredFile(name);
    JpegSize size = ReadJpegSize(bytes);
    EXPECT_GT(size.width, 100) << name;
    EXPECT_LE(size.width, 273) << name;
    EXPECT_GT(size.height, 100) << name;
    EXPECT_LE(size.height, 273) << name;
    contents.insert(bytes);
  }
  EXPECT_EQ(contents.size(), 17u);
  EXPECT_FALSE(fs::exists(DeliveredFolder() / "pic" / "s0.jpg"));
}

TEST(DeliveredPictures, AdvertisementPicturesAreJpegsThatFitTheirWindow) {
  for (const auto& item : fs::directory_iterator(DeliveredFolder() / "rek")) {
    if (item.path().extension() != ".jpg") continue;
    JpegSize size = ReadJpegSize(ReadDeliveredFile(fs::path("rek") / item.path().filename()));
    EXPECT_GT(size.width, 0) << item.path();
    EXPECT_LE(size.width, 273) << item.path();
    EXPECT_LE(size.height, 273) << item.path();
  }
}

TEST(DeliveredSounds, FiveShortSixteenBitPcmEffects) {
  for (const char* name : {"e1", "e3", "e4", "e5", "e6"}) {
    std::string bytes = ReadDeliveredFile(std::string("snd/") + name + ".wav");
    ASSERT_GE(bytes.size(), 44u) << name;
    EXPECT_EQ(bytes.substr(0, 4), "RIFF") << name;
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ") << name;
    EXPECT_EQ(Little(bytes, 20, 2), 1u) << name << " is not PCM";
    EXPECT_EQ(Little(bytes, 34, 2), 16u) << name << " is not 16-bit";
    std::uint32_t byte_rate = Little(bytes, 28, 4);
    std::size_t data = bytes.find("data");
    ASSERT_NE(data, std::string::npos) << name;
    std::uint32_t data_size = Little(bytes, data + 4, 4);
    ASSERT_GT(byte_rate, 0u);
    EXPECT_GT(data_size, byte_rate / 10) << name << " is too short to hear";
    EXPECT_LT(data_size, byte_rate * 3 / 2) << name << " lasts 1.5 s or more";
  }
}

TEST(DeliveredPages, HelpPagesDeclareTheirCodePageAndCoverEveryKey) {
  const std::string charset = "charset=windows-1251";
  std::string main_page = ReadDeliveredFile("pic/gx.htm");
  for (const char* page : {"pic/gx.htm", "pic/gx1.htm", "pic/gx2.htm", "rek/r200.htm"})
    EXPECT_NE(ReadDeliveredFile(page).find(charset), std::string::npos) << page;
  for (const char* key : {"F1<", "F2<", "F3<", "F4<", "F5<", "F6<", "F7<", "F8<", "F9<", "F10<", "F11<", "F12<",
                          "Delete<", "Esc<", "Enter<", "Backspace<"})
    EXPECT_NE(main_page.find(std::string("<kbd>") + key), std::string::npos) << key;
  // The hints are quoted as the buttons show them.
  for (const char* hint : {"Построение нового кроссворда / стоп (F5)", "Заново заполнить / стоп (F7)",
                           "Подвести итог (Enter)", "Открыть/закрыть (F9)", "Настройки, словари",
                           "В формате HTML", "Страница для решения в браузере (F11)", "Печатать"})
    EXPECT_NE(main_page.find(Utf8ToCp1251(hint)), std::string::npos) << hint;
  std::string editor_page = ReadDeliveredFile("pic/gx2.htm");
  for (const char* hint : {"Искать с начала (F5)", "Искать дальше (F6)", "Добавить (F2)", "Исправить (F4)",
                           "Удалить (F8)"})
    EXPECT_NE(editor_page.find(Utf8ToCp1251(hint)), std::string::npos) << hint;
  std::string settings_page = ReadDeliveredFile("pic/gx1.htm");
  for (const char* hint : {"Максимум попыток заполнения", "Минимум ячеек сетки", "Калейдоскоп", "Звук",
                           "Статистика", "Выбор", "Изменение, дополнение", "Создать новый", "Цвета"})
    EXPECT_NE(settings_page.find(Utf8ToCp1251(hint)), std::string::npos) << hint;
}

// The export copies the templates line by line, cutting each at 255 characters; between them it
// writes the body of the page.
TEST(DeliveredPages, TemplatesOpenAndCloseAPageInShortLines) {
  std::string start = ReadDeliveredFile("pic/b0");
  std::string end = ReadDeliveredFile("pic/b2");
  EXPECT_NE(start.find("charset=windows-1251"), std::string::npos);
  EXPECT_NE(start.find("<style"), std::string::npos);
  EXPECT_NE(start.find("<body"), std::string::npos);
  EXPECT_EQ(start.find("</body>"), std::string::npos);
  EXPECT_NE(end.find("</body>"), std::string::npos);
  EXPECT_NE(end.find("</html>"), std::string::npos);
  for (const std::string& text : {start, end}) {
    std::size_t line_start = 0;
    while (line_start < text.size()) {
      std::size_t line_end = text.find("\r\n", line_start);
      ASSERT_NE(line_end, std::string::npos) << "every line ends in CR LF";
      EXPECT_LE(line_end - line_start, 255u);
      line_start = line_end + 2;
    }
  }
}

}  // namespace
}  // namespace gx
