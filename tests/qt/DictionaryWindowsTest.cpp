#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "base/Cp1251.h"
#include "files/DictionaryFile.h"
#include "qt/MainWindow.h"
#include "qt/SecondaryForms.h"
#include "BoxRecordingHost.h"

namespace gx {
namespace {

namespace fs = std::filesystem;

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// A settings file naming the dictionary "one.dct": 32 records of values, then the name.
std::string Settings() {
  std::string bytes;
  auto record = [&bytes](int value) {
    bytes.push_back(static_cast<char>(value & 0xFF));
    bytes.push_back(static_cast<char>(value >> 8));
  };
  for (int value : {0, 1, 1, 64, 12, 0, 0, 0}) record(value);
  for (int i = 0; i < 24; ++i) record(200);
  for (char c : std::string("one.dct")) record(c);
  return bytes;
}

class DictionaryWindows : public ::testing::Test {
 protected:
  DictionaryWindows() : old_dir_(fs::current_path()) {
    dir_ = fs::path(temp_.path().toStdString());
    fs::create_directories(dir_ / "data");
    fs::create_directories(dir_ / "rek");
    WriteBytes(dir_ / "rek" / "rek.dat", "");
    WriteBytes(dir_ / "gx.dat", Settings());
    DictionaryStore store;
    const char* entries[] = {"КОТ Зверь", "ДОМ Жилище", "СЛОН Великан"};
    for (int e = 1; e <= 3; ++e) store.SetEntry(e, Utf8ToCp1251(entries[e - 1]));
    store.DictionaryCount = 3;
    WriteBytes(dir_ / "data" / "one.dct", SerializeDictionary(store));
    fs::current_path(dir_);
    form1 = std::make_unique<TForm1>(&host, [] { return std::optional<PrinterResolution>{}; });
    form1->SetDictionaryWindows(&form4, &form5);
    form1->show();
    form1->Button(Button::OpenSettings)->click();  // the settings panel
  }
  ~DictionaryWindows() override {
    form1.reset();
    fs::current_path(old_dir_);
  }

  QTemporaryDir temp_;
  fs::path dir_;
  fs::path old_dir_;
  test::BoxRecordingHost host;
  TForm4 form4;
  TForm5 form5;
  std::unique_ptr<TForm1> form1;
};

TEST_F(DictionaryWindows, StatisticsShowsTheCountsOfTheLoadedDictionary) {
  ASSERT_FALSE(form4.isVisible());
  form1->Button(Button::DictionaryStatistics)->click();
  EXPECT_TRUE(form4.isVisible());
  EXPECT_EQ(form4.windowTitle(), QStringLiteral("Словарь one.dct"));
  EXPECT_EQ(form4.Label19()->text(), QStringLiteral("3"));
  const QImage picture = form4.Picture();
  EXPECT_EQ(picture.pixelColor(200, 62), QColor(0, 0, 255));          // row 3: two words, the full bar
  EXPECT_EQ(picture.pixelColor(88 + 60, 62 + 16), QColor(0, 0, 255));  // row 4: one word, half of it
  EXPECT_NE(picture.pixelColor(88 + 80, 62 + 16), QColor(0, 0, 255));
}

TEST_F(DictionaryWindows, TheEditorSearchesAddsAndDeletesWithItsKeys) {
  form1->Button(Button::EditDictionary)->click();
  ASSERT_TRUE(form5.isVisible());
  EXPECT_EQ(form5.windowTitle(), QStringLiteral("Корректировка словаря one.dct"));
  EXPECT_EQ(form5.Label1()->text(), QStringLiteral("3 слов"));

  form5.Edit1()->setFocus();
  QTest::keyClicks(form5.Edit2(), QStringLiteral("abc"));  // ordinary keys reach the field
  EXPECT_EQ(form5.Edit2()->text(), QStringLiteral("abc"));
  form5.Edit1()->setText(QStringLiteral("ДОМ"));
  QTest::keyClick(form5.Edit1(), Qt::Key_F5);
  EXPECT_EQ(form5.Edit2()->text(), QStringLiteral("Жилище"));

  form5.Edit1()->setText(QStringLiteral("ЕЖ"));
  form5.Edit2()->setText(QStringLiteral("Колючий"));
  QTest::keyClick(form5.Edit2(), Qt::Key_F2);
  EXPECT_EQ(form5.Label1()->text(), QStringLiteral("4 слов"));
  EXPECT_EQ(form1->State().dictionary.Entry(4), Utf8ToCp1251("ЕЖ Колючий"));
  auto* label6 = form1->findChild<QLabel*>(QStringLiteral("Label6"));
  ASSERT_NE(label6, nullptr);
  EXPECT_EQ(label6->text(), QStringLiteral("Словарь one.dct 4 сл"));

  form5.SpeedButton(6)->click();  // delete the entry just added
  EXPECT_EQ(form5.Label1()->text(), QStringLiteral("3 слов"));
  EXPECT_EQ(form5.Edit2()->text(), QString());
  form5.SpeedButton(6)->click();  // nothing is shown as found now
  EXPECT_EQ(form5.Label1()->text(), QStringLiteral("Слово не найдено"));
  EXPECT_EQ(form1->State().dictionary.DictionaryCount, 3);

  // A character the code page lacks is refused, not stored as '?', and the field keeps it.
  form5.Edit1()->setText(QStringLiteral("КОТ"));
  QTest::keyClick(form5.Edit1(), Qt::Key_F5);
  form5.Edit2()->setText(QStringLiteral("Кот 日"));
  QTest::keyClick(form5.Edit2(), Qt::Key_F4);
  EXPECT_EQ(form1->State().dictionary.Entry(1), Utf8ToCp1251("КОТ Зверь"));
  EXPECT_EQ(form5.Edit2()->text(), QStringLiteral("Кот 日"));
  ASSERT_FALSE(host.information.empty());
  EXPECT_EQ(host.information.back(), Utf8ToCp1251("В тексте есть знак вне кодировки Windows-1251: словарь не изменён"));
  // ё is written as е, and the fields show what was stored.
  form5.Edit1()->setText(QStringLiteral("ЁЖ"));
  form5.Edit2()->setText(QStringLiteral("Колючий"));
  QTest::keyClick(form5.Edit2(), Qt::Key_F2);
  EXPECT_EQ(form1->State().dictionary.Entry(4), Utf8ToCp1251("ЕЖ Колючий"));
  EXPECT_EQ(form5.Edit1()->text(), QStringLiteral("ЕЖ"));
  EXPECT_EQ(host.information.back(), Utf8ToCp1251("Буква ё записана как е"));
}

}  // namespace
}  // namespace gx
