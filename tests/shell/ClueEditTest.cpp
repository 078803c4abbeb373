#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "PlayTestSupport.h"
#include "TestFolder.h"
#include "files/DictionaryFile.h"
#include "files/PuzzleFile.h"
#include "output/HtmlExport.h"
#include "output/PrintLayout.h"
#include "shell/ExportCommands.h"

namespace gx {
namespace {

using test::PlayBench;
using test::W;

struct ClueEdit : ::testing::Test {
  ClueEdit() {
    std::filesystem::create_directories(folder.Path("data"));
    b.state.settings.ProgramDir = folder.Dir();
    DictionaryStore words;
    words.SetEntry(1, W("кот Домашний зверь"));
    words.SetEntry(2, W("ток Бывает переменный"));
    words.DictionaryCount = 2;
    folder.Write("data/test.dct", SerializeDictionary(words));
    b.state.dictionary.DictionaryName = "test.dct";
    b.AddSlot(1, 1, 3, false, W("кот"), W(" Домашний зверь"));
    b.AddSlot(1, 1, 3, true, W("кит"), W(" Морской зверь"));
    b.StartSolving();
  }
  std::string DictionaryBytes() const { return folder.Read("data/test.dct"); }

  test::TestFolder folder;
  PlayBench b;
};

TEST_F(ClueEdit, AnEditedClueIsThePuzzlesInSaveLoadPrintAndExportAndTheDictionaryStaysAlone) {
  const std::string dictionary = DictionaryBytes();
  b.commands.EditClue(0, W("Мурлычет на печке"));
  const Puzzle& p = b.state.puzzle;
  EXPECT_EQ(p.Clues.Cell(1, 0), W(" Мурлычет на печке"));
  EXPECT_EQ(b.state.window.ClueLineText, W(" Мурлычет на печке"));  // the current word's clue

  Puzzle loaded;
  ASSERT_EQ(LoadPuzzleBytes(loaded, SerializePuzzle(p)).status, PuzzleLoadResult::Status::Loaded);
  EXPECT_EQ(loaded.Clues.Cell(1, 0), W(" Мурлычет на печке"));
  EXPECT_EQ(loaded.SlotAnswer[1], W("кот"));
  EXPECT_NE(PrintClueLine(p, 0).find(W("Мурлычет на печке")), std::string::npos);
  std::string page;
  for (const std::string& line : PageBodyLines(p, "x", "", 100, 100)) page += line;
  EXPECT_NE(page.find(W("Мурлычет на печке")), std::string::npos);
  EXPECT_EQ(b.state.dictionary.DictionaryLoaded, false);
  EXPECT_EQ(DictionaryBytes(), dictionary);

  // Refusals change nothing and say why; ё is written as е, as in the dictionary editor.
  b.commands.EditClue(1, W("Кит") + "Q\x98");
  b.commands.EditClue(1, std::string(129, W("а")[0]));
  EXPECT_EQ(p.Clues.Cell(1, 1), W(" Морской зверь"));
  ASSERT_EQ(b.host.informations.size(), 2u);
  EXPECT_EQ(b.host.informations[0], W("Знака «Q» (латинская буква) нет в коде словаря: вопрос не изменён"));
  EXPECT_EQ(b.host.informations[1], W("Вопрос длиннее 128 знаков: вопрос не изменён"));
  b.commands.EditClue(1, W("Ещё зверь"));
  EXPECT_EQ(p.Clues.Cell(1, 1), W(" Еще зверь"));
  EXPECT_EQ(b.host.informations.back(), W("Буква ё записана как е"));
  b.commands.EditClue(2, W("Нет такого слова"));
  EXPECT_EQ(p.Clues.Cell(1, 2), "");

  // An edit is a step of the history.
  b.commands.Undo();
  EXPECT_EQ(p.Clues.Cell(1, 1), W(" Морской зверь"));
  b.commands.Redo();
  EXPECT_EQ(p.Clues.Cell(1, 1), W(" Еще зверь"));
}

TEST_F(ClueEdit, WritingToTheDictionaryCorrectsTheEntryTheClueCameFromOrAddsOne) {
  b.commands.EditClue(0, W("Ловит мышей"));
  b.commands.EditClue(0, W("Мурлычет на печке"));
  b.commands.WriteClueToDictionary(0);
  const DictionaryStore& store = b.state.dictionary;
  ASSERT_EQ(store.DictionaryCount, 2);
  EXPECT_EQ(store.Entry(1), W("кот Мурлычет на печке"));
  EXPECT_EQ(store.Entry(2), W("ток Бывает переменный"));
  EXPECT_TRUE(store.DictionaryModified);
  EXPECT_EQ(b.host.informations.back(), W("Вопрос к слову исправлен в словаре"));
  b.commands.WriteClueToDictionary(0);
  EXPECT_EQ(store.DictionaryCount, 2);
  EXPECT_EQ(b.host.informations.back(), W("Этот вопрос к слову уже есть в словаре"));
  // A second edit after the write corrects the entry the first one wrote.
  b.commands.EditClue(0, W("Домашний зверь"));
  b.commands.WriteClueToDictionary(0);
  EXPECT_EQ(store.Entry(1), W("кот Домашний зверь"));
  // A word whose clue came from no entry is added, once.
  b.commands.EditClue(1, W("Живет в океане"));
  b.commands.WriteClueToDictionary(1);
  ASSERT_EQ(store.DictionaryCount, 3);
  EXPECT_EQ(store.Entry(3), W("кит Живет в океане"));
  EXPECT_EQ(b.host.informations.back(), W("Слово с вопросом записано в словарь"));
  // The dictionary's change is no step of the puzzle's history.
  b.commands.Undo();
  EXPECT_EQ(b.state.puzzle.Clues.Cell(1, 1), W(" Морской зверь"));
  EXPECT_EQ(store.DictionaryCount, 3);
  EXPECT_EQ(store.Entry(1), W("кот Домашний зверь"));
}

}  // namespace
}  // namespace gx
