#include "files/DictionaryEditor.h"

#include <gtest/gtest.h>

#include "base/Cp1251.h"
#include "files/LetterCode.h"

namespace gx {
namespace {

std::string W(const char* utf8) { return Utf8ToCp1251(utf8); }

// The text an entry reads back as after a write and a load of the dictionary file.
std::string ReadBack(std::string_view entry) {
  std::string bytes;
  EncodeText(entry, bytes);
  LetterDecoder decoder(LetterDecoder::Rules::DictionaryFile);
  std::string text;
  for (char byte : bytes) decoder.Feed(static_cast<std::uint8_t>(byte), text);
  return text;
}

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
  editor.WordField = W("ЛУК");
  EXPECT_TRUE(editor.SearchFromStart());
  EXPECT_EQ(editor.ClueField, W("Огородное растение"));
  EXPECT_EQ(editor.CurrentEntry, 1);
  EXPECT_TRUE(editor.SearchOn());
  EXPECT_EQ(editor.ClueField, W("Оружие для стрельбы"));
  EXPECT_EQ(editor.CurrentEntry, 3);
  EXPECT_FALSE(editor.SearchOn());
  EXPECT_EQ(editor.ClueField, "");
  EXPECT_EQ(editor.CurrentEntry, 3);  // a failed search leaves it

  for (const char* key : {"лук", "ЛУ", "Огородное", ""}) {
    editor.WordField = W(key);
    editor.ClueField = "x";
    EXPECT_FALSE(editor.SearchFromStart()) << key;
    EXPECT_EQ(editor.ClueField, "");
  }
}

TEST_F(EditorBench, AnEntryWithoutASpaceHasAnEmptyWordAndIsAllClue) {
  editor.WordField = "";
  EXPECT_FALSE(editor.SearchFromStart());  // an empty store
  Fill({"КОТ Зверь", "БЕЗПРОБЕЛА"});
  EXPECT_TRUE(editor.SearchFromStart());
  EXPECT_EQ(editor.CurrentEntry, 2);
  EXPECT_EQ(editor.ClueField, W("БЕЗПРОБЕЛА"));
  editor.CurrentEntry = 60000;  // left over from a larger dictionary
  EXPECT_FALSE(editor.SearchOn());
}

TEST_F(EditorBench, AddAppendsCountsAndRefreshesBothLines) {
  FillNumbered(100);
  store.DictionaryName = "common.dct";
  const std::string entry100(store.Entry(100));
  editor.WordField = W("КОТ");
  editor.ClueField = W("Домашнее животное");
  ASSERT_EQ(editor.Add(), EditOutcome::Done);
  EXPECT_EQ(store.DictionaryCount, 101);
  EXPECT_EQ(store.Entry(101), W("КОТ Домашнее животное"));
  EXPECT_EQ(store.Entry(100), entry100);
  EXPECT_EQ(editor.CurrentEntry, 101);
  EXPECT_EQ(editor.StatusLine, W("101 слов"));
  EXPECT_EQ(window.DictionaryLineText, W("Словарь common.dct 101 сл"));
  EXPECT_TRUE(store.DictionaryModified);

  // Correct acts on the entry just added and leaves the count.
  editor.ClueField = W("Мурлыка");
  ASSERT_EQ(editor.Correct(), EditOutcome::Done);
  EXPECT_EQ(store.Entry(101), W("КОТ Мурлыка"));
  EXPECT_EQ(store.DictionaryCount, 101);
}

TEST_F(EditorBench, AddIntoAFullStoreIsRefused) {
  store.DictionaryCount = DictionaryStore::Capacity;
  editor.WordField = "a";
  EXPECT_EQ(editor.Add(), EditOutcome::StoreFull);
  EXPECT_EQ(store.DictionaryCount, DictionaryStore::Capacity);
  EXPECT_FALSE(store.DictionaryModified);
}

TEST_F(EditorBench, DeleteClosesTheGapAndKeepsThePosition) {
  FillNumbered(10);
  editor.WordField = "w5";
  ASSERT_TRUE(editor.SearchFromStart());
  ASSERT_EQ(editor.Delete(), EditOutcome::Done);
  EXPECT_EQ(store.DictionaryCount, 9);
  for (int e = 5; e <= 9; ++e) EXPECT_EQ(store.Entry(e), "w" + std::to_string(e + 1) + " c" + std::to_string(e + 1));
  EXPECT_EQ(store.Entry(4), "w4 c4");
  EXPECT_EQ(editor.CurrentEntry, 5);
  EXPECT_EQ(editor.WordField, "w5");
  EXPECT_EQ(editor.ClueField, "");
  EXPECT_EQ(editor.StatusLine, W("9 слов"));

  // The last entry: only the count drops.
  editor.WordField = "w10";
  ASSERT_TRUE(editor.SearchFromStart());
  ASSERT_EQ(editor.CurrentEntry, 9);
  ASSERT_EQ(editor.Delete(), EditOutcome::Done);
  EXPECT_EQ(store.DictionaryCount, 8);
  EXPECT_EQ(store.Entry(8), "w9 c9");
}

TEST_F(EditorBench, CorrectAndDeleteActOnlyOnTheEntryShownAsFound) {
  FillNumbered(3);
  editor.WordField = "x";
  for (std::uint16_t current : {0, 2, 4, 65535}) {  // never shown: nothing to act on
    editor.CurrentEntry = current;
    EXPECT_EQ(editor.Correct(), EditOutcome::NothingShown);
    EXPECT_EQ(editor.Delete(), EditOutcome::NothingShown);
    EXPECT_EQ(editor.StatusLine, W("Слово не найдено"));
  }
  Fill({"ярмо Хомут", "кнут Бич", "лук Овощ", "лук Оружие", "сок Напиток"});
  const auto unchanged = [&](int count) {
    EXPECT_EQ(store.DictionaryCount, count);
    EXPECT_FALSE(store.DictionaryModified);
  };

  // Found, then a search that finds nothing: the window shows no entry, F8 and F4 act on none.
  editor.WordField = W("ярмо");
  ASSERT_TRUE(editor.SearchFromStart());
  EXPECT_TRUE(editor.EntryShown());
  editor.WordField = W("нет");
  ASSERT_FALSE(editor.SearchFromStart());
  EXPECT_EQ(editor.Delete(), EditOutcome::NothingShown);
  EXPECT_EQ(editor.Correct(), EditOutcome::NothingShown);
  EXPECT_EQ(store.Entry(1), W("ярмо Хомут"));
  EXPECT_EQ(editor.StatusLine, W("Слово не найдено"));
  unchanged(5);

  // A delete leaves nothing shown: a second F8 deletes nothing more.
  editor.WordField = W("кнут");
  ASSERT_TRUE(editor.SearchFromStart());
  EXPECT_EQ(editor.StatusLine, W("5 слов"));
  ASSERT_EQ(editor.Delete(), EditOutcome::Done);
  EXPECT_EQ(editor.Delete(), EditOutcome::NothingShown);
  EXPECT_EQ(editor.Correct(), EditOutcome::NothingShown);
  EXPECT_EQ(store.DictionaryCount, 4);
  EXPECT_EQ(store.Entry(2), W("лук Овощ"));

  // Search on past the last homonym shows nothing either.
  editor.WordField = W("лук");
  ASSERT_TRUE(editor.SearchFromStart());
  ASSERT_TRUE(editor.SearchOn());
  ASSERT_FALSE(editor.SearchOn());
  EXPECT_EQ(editor.Delete(), EditOutcome::NothingShown);
  EXPECT_EQ(store.DictionaryCount, 4);

  // The store moved under the window (a fill reorders it, another dictionary was loaded).
  ASSERT_TRUE(editor.SearchFromStart());
  store.SetEntry(2, W("сок Напиток"));
  store.SetEntry(4, W("лук Овощ"));
  editor.ClueField = W("Приправа");
  EXPECT_EQ(editor.Correct(), EditOutcome::NothingShown);
  EXPECT_EQ(editor.Delete(), EditOutcome::NothingShown);
  EXPECT_EQ(editor.StatusLine, W("Найдите слово снова"));
  EXPECT_EQ(store.Entry(2), W("сок Напиток"));
  EXPECT_EQ(store.DictionaryCount, 4);

  // A correction keeps its entry shown: a second one acts on it again.
  ASSERT_TRUE(editor.SearchFromStart());
  ASSERT_EQ(editor.CurrentEntry, 3);
  editor.ClueField = W("Приправа");
  ASSERT_EQ(editor.Correct(), EditOutcome::Done);
  editor.ClueField = W("Зелёный");
  ASSERT_EQ(editor.Correct(), EditOutcome::Done);
  EXPECT_EQ(store.Entry(3), W("лук Зеленый"));
}

TEST_F(EditorBench, AddAndCorrectStoreOnlyCharactersThatReadBackAsTyped) {
  FillNumbered(2);
  editor.WordField = W("ЁЖ");
  editor.ClueField = W("Колючий ёжик");
  ASSERT_EQ(editor.Add(), EditOutcome::Done);
  EXPECT_TRUE(editor.YoReplaced);
  EXPECT_EQ(store.Entry(3), W("ЕЖ Колючий ежик"));
  EXPECT_EQ(editor.WordField, W("ЕЖ"));  // the window shows what was stored
  EXPECT_EQ(editor.ClueField, W("Колючий ежик"));
  EXPECT_EQ(ReadBack(store.Entry(3)), store.Entry(3));
  editor.ClueField = W("Зверь");
  ASSERT_EQ(editor.Correct(), EditOutcome::Done);
  EXPECT_FALSE(editor.YoReplaced);

  // Each of these would come back as another character: refused, store and fields untouched.
  const std::pair<const char*, char> refused[] = {
      {"СЫР", W("Ы")[0]}, {"ОБЪЕМ", W("Ъ")[0]}, {"ПЬЕСА", W("Ь")[0]}, {"Cыр", 'C'}, {"да—нет", W("—")[0]},
      {"ёлка«", W("«")[0]}, {"a_b", 'a'}};
  for (const auto& [word, character] : refused) {
    for (bool correct : {false, true}) {
      editor.WordField = W(word);
      editor.ClueField = W("Толкование");
      const EditOutcome outcome = correct ? editor.Correct() : editor.Add();
      EXPECT_EQ(outcome, EditOutcome::Uncoded) << word;
      EXPECT_EQ(editor.Uncoded, character) << word;
      EXPECT_FALSE(editor.YoReplaced);
      EXPECT_EQ(editor.WordField, W(word));
    }
  }
  editor.WordField = W("кот");
  editor.ClueField = W("ж") + NoCp1251Char;  // a character the code page lacks, as the window marks it
  EXPECT_EQ(editor.Add(), EditOutcome::Uncoded);
  EXPECT_EQ(editor.Uncoded, NoCp1251Char);
  EXPECT_EQ(store.DictionaryCount, 3);
  EXPECT_EQ(store.Entry(3), W("ЕЖ Зверь"));

  EXPECT_EQ(UncodedCharacterMessage(W("Ы")[0]), W("Знака «Ы» нет в коде словаря: словарь не изменён"));
  EXPECT_EQ(UncodedCharacterMessage('C'), W("Знака «C» (латинская буква) нет в коде словаря: словарь не изменён"));
  EXPECT_EQ(UncodedCharacterMessage(NoCp1251Char), W("В тексте есть знак вне кодировки Windows-1251: словарь не изменён"));
}

}  // namespace
}  // namespace gx
