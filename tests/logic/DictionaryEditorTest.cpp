#include "files/DictionaryEditor.h"

#include <gtest/gtest.h>

#include "files/Cp1251.h"

namespace gx {
namespace {

std::string W(const char* utf8) { return Utf8ToCp1251(utf8); }

struct EditorBench : ::testing::Test {
  void Fill(std::initializer_list<const char*> entries) {
    int e = 0;
    for (const char* entry : entries) store.SetEntry(++e, W(entry));
    store.DictionaryCount = static_cast<std::uint16_t>(e);
  }
  void FillNumbered(int count) {
    for (int e = 1; e <= count; ++e) store.SetEntry(e, "w" + std::to_string(e) + " c" + std::to_string(e));
    store.DictionaryCount = static_cast<std::uint16_t>(count);
  }

  DictionaryStore store;
  Settings settings;
  WindowState window;
  DictionaryEditor editor{store, settings, window};
};

TEST_F(EditorBench, SearchStepsThroughHomonymsAndMatchesWholeWordsWithCase) {
  Fill({"ЛУК Огородное растение", "КОТ Зверь", "ЛУК Оружие для стрельбы"});
  editor.Edit1Text = W("ЛУК");
  EXPECT_TRUE(editor.SearchFromStart());
  EXPECT_EQ(editor.Edit2Text, W("Огородное растение"));
  EXPECT_EQ(editor.CurrentEntry, 1);
  EXPECT_TRUE(editor.SearchOn());
  EXPECT_EQ(editor.Edit2Text, W("Оружие для стрельбы"));
  EXPECT_EQ(editor.CurrentEntry, 3);
  EXPECT_FALSE(editor.SearchOn());
  EXPECT_EQ(editor.Edit2Text, "");
  EXPECT_EQ(editor.CurrentEntry, 3);  // a failed search leaves it

  for (const char* key : {"лук", "ЛУ", "Огородное", ""}) {
    editor.Edit1Text = W(key);
    editor.Edit2Text = "x";
    EXPECT_FALSE(editor.SearchFromStart()) << key;
    EXPECT_EQ(editor.Edit2Text, "");
  }
}

TEST_F(EditorBench, AnEntryWithoutASpaceHasAnEmptyWordAndIsAllClue) {
  editor.Edit1Text = "";
  EXPECT_FALSE(editor.SearchFromStart());  // an empty store
  Fill({"КОТ Зверь", "БЕЗПРОБЕЛА"});
  EXPECT_TRUE(editor.SearchFromStart());
  EXPECT_EQ(editor.CurrentEntry, 2);
  EXPECT_EQ(editor.Edit2Text, W("БЕЗПРОБЕЛА"));
  editor.CurrentEntry = 60000;  // left over from a larger dictionary
  EXPECT_FALSE(editor.SearchOn());
}

TEST_F(EditorBench, AddAppendsCountsAndRefreshesBothLines) {
  FillNumbered(100);
  store.DictionaryName = "common.dct";
  const std::string entry100(store.Entry(100));
  editor.Edit1Text = W("КОТ");
  editor.Edit2Text = W("Домашнее животное");
  ASSERT_TRUE(editor.Add());
  EXPECT_EQ(store.DictionaryCount, 101);
  EXPECT_EQ(store.Entry(101), W("КОТ Домашнее животное"));
  EXPECT_EQ(store.Entry(100), entry100);
  EXPECT_EQ(editor.CurrentEntry, 101);
  EXPECT_EQ(editor.Label1Text, W("101 слов"));
  EXPECT_EQ(window.Label6Text, W("Словарь common.dct 101 сл"));
  EXPECT_EQ(store.DictionaryModified, 1);

  // Correct acts on the entry just added and leaves the count.
  editor.Edit2Text = W("Мурлыка");
  ASSERT_TRUE(editor.Correct());
  EXPECT_EQ(store.Entry(101), W("КОТ Мурлыка"));
  EXPECT_EQ(store.DictionaryCount, 101);
}

TEST_F(EditorBench, AddIntoAFullStoreIsRefused) {
  store.DictionaryCount = DictionaryStore::Capacity;
  editor.Edit1Text = "a";
  EXPECT_FALSE(editor.Add());
  EXPECT_EQ(store.DictionaryCount, DictionaryStore::Capacity);
  EXPECT_EQ(store.DictionaryModified, 0);
}

TEST_F(EditorBench, DeleteClosesTheGapAndKeepsThePosition) {
  FillNumbered(10);
  editor.Edit1Text = "w5";
  ASSERT_TRUE(editor.SearchFromStart());
  ASSERT_TRUE(editor.Delete());
  EXPECT_EQ(store.DictionaryCount, 9);
  for (int e = 5; e <= 9; ++e) EXPECT_EQ(store.Entry(e), "w" + std::to_string(e + 1) + " c" + std::to_string(e + 1));
  EXPECT_EQ(store.Entry(4), "w4 c4");
  EXPECT_EQ(editor.CurrentEntry, 5);
  EXPECT_EQ(editor.Edit1Text, "w5");
  EXPECT_EQ(editor.Edit2Text, "");
  EXPECT_EQ(editor.Label1Text, W("9 слов"));

  // The last entry: only the count drops; afterwards nothing is current.
  editor.CurrentEntry = 9;
  ASSERT_TRUE(editor.Delete());
  EXPECT_EQ(store.DictionaryCount, 8);
  EXPECT_EQ(store.Entry(8), "w9 c9");
  EXPECT_FALSE(editor.Delete());
  EXPECT_EQ(store.DictionaryCount, 8);
}

TEST_F(EditorBench, CorrectAndDeleteWithoutAValidEntryChangeNothing) {
  FillNumbered(3);
  editor.Edit1Text = "x";
  for (std::uint16_t current : {0, 4, 65535}) {
    editor.CurrentEntry = current;
    EXPECT_FALSE(editor.Correct());
    EXPECT_FALSE(editor.Delete());
  }
  EXPECT_EQ(store.DictionaryCount, 3);
  EXPECT_EQ(store.Entry(3), "w3 c3");
  EXPECT_EQ(store.Entry(4), "");
  EXPECT_EQ(store.DictionaryModified, 0);
}

}  // namespace
}  // namespace gx
