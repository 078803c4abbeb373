#include "shell/DictionaryCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestBytes.h"
#include "TestFolder.h"
#include "PlayTestSupport.h"
#include "files/DictionaryFile.h"
#include "files/LetterCode.h"
#include "shell/CommandCore.h"
#include "shell/Startup.h"

namespace gx {
namespace {

using test::PlayBench;
using test::W;

std::string DictionaryBytes(std::initializer_list<std::string> entries) {
  DictionaryStore store;
  int e = 0;
  for (const std::string& entry : entries) store.SetEntry(++e, entry);
  store.DictionaryCount = static_cast<std::uint16_t>(e);
  return SerializeDictionary(store);
}

struct DictionaryButtons : ::testing::Test {
  DictionaryButtons() {
    std::filesystem::create_directories(folder.Path("data"));
    b.state.settings.ProgramDir = folder.Dir();
    folder.Write("data/one.dct", DictionaryBytes({W("КОТ Зверь"), W("ДОМ Жилище"), W("СЛОН Великан")}));
    folder.Write("data/two.dct", DictionaryBytes({W("ЛУК Овощ"), W("ЛУК Оружие")}));
    b.state.dictionary.DictionaryName = "one.dct";
    OpenSettings();
  }
  void OpenSettings() { b.commands.ButtonClick(Button::OpenSettings); }
  void Click(Button button) { b.commands.ButtonClick(button); }
  // Stands in for the editor window: keeps the fields the user types and shows the editor's
  // fields again after each command, as the window does.
  struct EditorWindow {
    bool Key(gx::Key key) { return Shown(core.EditorKeyDown(key, fields)); }
    void Run(EditorAction action) { core.RunEditorAction(action, fields), Shown(true); }
    bool Shown(bool ran) {
      fields = {core.DictionaryEditorView().WordField, core.DictionaryEditorView().ClueField};
      return ran;
    }
    const DictionaryEditor& View() const { return core.DictionaryEditorView(); }
    CommandCore& core;
    EditorFields fields;
  };
  EditorWindow& E() { return editor_window; }
  int Shown(SecondaryWindow window) const { return b.state.window.ShowRequestsOf(window); }
  std::string Data(const std::string& name) { return folder.Read("data/" + name); }

  test::TestFolder folder;
  PlayBench b;
  EditorWindow editor_window{b.commands, {}};
};

TEST_F(DictionaryButtons, StatisticsLoadsOnceShowsTheWindowAndClosesThePanel) {
  Click(Button::DictionaryStatistics);
  EXPECT_EQ(b.host.informations, std::vector<std::string>{W("В словаре всего 3 слов")});
  EXPECT_EQ(Shown(SecondaryWindow::Statistics), 1);
  EXPECT_FALSE(b.state.window.SettingsPanelVisible);
  EXPECT_TRUE(b.state.window.RightBarVisible);
  EXPECT_EQ(b.state.settings.HelpContext, 0);

  OpenSettings();
  Click(Button::DictionaryStatistics);
  EXPECT_EQ(b.host.informations.size(), 1u);  // not loaded again
  EXPECT_EQ(Shown(SecondaryWindow::Statistics), 2);
}

TEST_F(DictionaryButtons, AMissingDictionaryShowsNoWindowAndLeavesThePanel) {
  b.state.dictionary.DictionaryName = "none.dct";
  Click(Button::DictionaryStatistics);
  Click(Button::EditDictionary);
  EXPECT_EQ(b.host.errors, (std::vector<std::string>{"File not found", "File not found"}));
  EXPECT_EQ(Shown(SecondaryWindow::Statistics), 0);
  EXPECT_EQ(Shown(SecondaryWindow::Editor), 0);
  EXPECT_TRUE(b.state.window.SettingsPanelVisible);
  EXPECT_EQ(E().View().Caption, W("Корректировка словаря none.dct"));
}

TEST_F(DictionaryButtons, AFailedChooseKeepsTheNameButNotTheOldWordsUnderIt) {
  Click(Button::DictionaryStatistics);
  OpenSettings();
  b.host.dialog_answers.push_back(folder.Path("data/gone.dct"));
  Click(Button::ChooseDictionary);
  EXPECT_EQ(b.host.errors, std::vector<std::string>{"File not found"});
  EXPECT_EQ(b.state.dictionary.DictionaryName, "gone.dct");
  EXPECT_FALSE(b.state.dictionary.DictionaryLoaded);
  EXPECT_TRUE(b.state.window.SettingsPanelVisible);
  // An editor left open cannot change the words that are not gone.dct's.
  E().fields.word = "x";
  E().Run(EditorAction::Add);
  EXPECT_EQ(b.state.dictionary.DictionaryCount, 3);
  EXPECT_FALSE(b.state.dictionary.DictionaryModified);
}

TEST_F(DictionaryButtons, EditOpensTheEditorOnTheLoadedDictionary) {
  Click(Button::EditDictionary);
  EXPECT_EQ(E().View().Caption, W("Корректировка словаря one.dct"));
  EXPECT_TRUE(b.state.dictionary.DictionaryLoaded);
  EXPECT_EQ(Shown(SecondaryWindow::Editor), 1);
  EXPECT_FALSE(b.state.window.SettingsPanelVisible);

  b.commands.EditorActivated();
  EXPECT_EQ(b.state.settings.HelpContext, 2);
  EXPECT_EQ(E().View().StatusLine, W("3 слов"));
  E().fields.word = W("СЛОН");
  EXPECT_TRUE(E().Key(Key::F5));
  EXPECT_EQ(E().View().ClueField, W("Великан"));
  EXPECT_TRUE(E().Key(Key::F1));
  ASSERT_EQ(b.host.documents.size(), 1u);
  EXPECT_NE(b.host.documents[0].find("gx2.htm"), std::string::npos);
  EXPECT_FALSE(E().Key(Key::F3));
}

TEST_F(DictionaryButtons, EachEditorKeyRunsItsOwnCommand) {
  folder.Write("data/one.dct", DictionaryBytes({W("ЛУК Овощ"), W("КОТ Зверь"), W("ЛУК Оружие")}));
  Click(Button::EditDictionary);
  EditorWindow& editor = E();
  editor.fields.word = W("ЛУК");
  ASSERT_TRUE(E().Key(Key::F5));
  ASSERT_TRUE(E().Key(Key::F6));  // on to the homonym
  EXPECT_EQ(editor.View().ClueField, W("Оружие"));
  EXPECT_EQ(editor.View().CurrentEntry, 3);
  editor.fields.clue = W("Лучное оружие");
  ASSERT_TRUE(E().Key(Key::F4));
  EXPECT_EQ(b.state.dictionary.Entry(3), W("ЛУК Лучное оружие"));
  EXPECT_EQ(b.state.dictionary.DictionaryCount, 3);
  ASSERT_TRUE(E().Key(Key::F2));
  EXPECT_EQ(b.state.dictionary.Entry(4), W("ЛУК Лучное оружие"));
  EXPECT_EQ(b.state.dictionary.DictionaryCount, 4);
  ASSERT_TRUE(E().Key(Key::F5));
  ASSERT_TRUE(E().Key(Key::F8));
  EXPECT_EQ(b.state.dictionary.DictionaryCount, 3);
  EXPECT_EQ(b.state.dictionary.Entry(1), W("КОТ Зверь"));
  EXPECT_EQ(b.state.window.DictionaryLineText, W("Словарь one.dct 3 сл"));
  for (Key key : {Key::F3, Key::F7, Key::F9, Key::Delete, Key::Other}) EXPECT_FALSE(E().Key(key));
  EXPECT_EQ(b.state.dictionary.DictionaryCount, 3);
  // The entry after the deleted one was never shown: F8 and F4 leave it.
  ASSERT_TRUE(E().Key(Key::F8));
  ASSERT_TRUE(E().Key(Key::F4));
  EXPECT_EQ(b.state.dictionary.DictionaryCount, 3);
  EXPECT_EQ(b.state.dictionary.Entry(1), W("КОТ Зверь"));
  EXPECT_EQ(editor.View().StatusLine, W("Слово не найдено"));

  // Adds and corrections say what they did not store as typed.
  editor.fields.word = W("ЁЖ");
  editor.fields.clue = W("Колючий");
  b.host.informations.clear();
  ASSERT_TRUE(E().Key(Key::F2));
  EXPECT_EQ(b.state.dictionary.Entry(4), W("ЕЖ Колючий"));
  editor.fields.word = W("ЁЖИК");
  editor.fields.clue = "Latin";
  ASSERT_TRUE(E().Key(Key::F4));
  EXPECT_EQ(b.state.dictionary.Entry(4), W("ЕЖ Колючий"));
  EXPECT_EQ(b.host.informations, (std::vector<std::string>{W("Буква ё записана как е"),
                                                           W("Знака «L» (латинская буква) нет в коде словаря: словарь не изменён")}));
}

TEST_F(DictionaryButtons, ChooseWritesTheEditedDictionaryFirstEvenWhenCancelled) {
  Click(Button::EditDictionary);
  E().fields.word = W("ЕЖ");
  E().fields.clue = W("Колючий");
  E().Run(EditorAction::Add);
  OpenSettings();
  Click(Button::ChooseDictionary);  // cancelled
  ASSERT_EQ(b.host.dialogs.size(), 1u);
  const FileDialogRequest& request = b.host.dialogs[0];
  EXPECT_EQ(request.title, W("Выбор и загрузка словаря"));
  EXPECT_EQ(request.filter, "*.dct|*.dct");
  EXPECT_EQ(request.proposed_name, "one.dct");
  EXPECT_EQ(request.folder, folder.Path("data"));
  EXPECT_EQ(Data("one.dct"), DictionaryBytes({W("КОТ Зверь"), W("ДОМ Жилище"), W("СЛОН Великан"), W("ЕЖ Колючий")}));
  EXPECT_TRUE(b.state.window.SettingsPanelVisible);

  b.host.dialog_answers.push_back(folder.Path("data/two.dct"));
  Click(Button::ChooseDictionary);
  EXPECT_EQ(b.state.dictionary.DictionaryName, "two.dct");
  EXPECT_EQ(b.state.dictionary.DictionaryCount, 2);
  EXPECT_FALSE(b.state.dictionary.DictionaryModified);
  EXPECT_FALSE(b.state.window.SettingsPanelVisible);
  EXPECT_EQ(b.state.settings.HelpContext, 0);
}

TEST_F(DictionaryButtons, AFailedWriteStopsTheSwitch) {
  std::filesystem::create_directories(folder.Path("data/dir.dct"));
  DictionaryStore& store = b.state.dictionary;
  store.DictionaryName = "dir.dct";
  store.SetEntry(1, "a b");
  store.DictionaryCount = 1;
  store.DictionaryLoaded = true;
  store.DictionaryModified = true;
  Click(Button::ChooseDictionary);
  Click(Button::NewDictionary);
  EXPECT_EQ(b.host.errors.size(), 2u);
  EXPECT_TRUE(b.host.dialogs.empty());
  EXPECT_EQ(store.DictionaryName, "dir.dct");
  EXPECT_TRUE(store.DictionaryModified);
}

TEST_F(DictionaryButtons, CreateWritesTheFirstRecordsAndLoadsTheNewFile) {
  Click(Button::DictionaryStatistics);  // 3 entries in memory, the records after them empty
  OpenSettings();
  b.state.window.Caption = W("Кроссворд из файла 2.gx 4 сл");
  b.state.window.ClueLineVisible = true;
  b.host.dialog_answers.push_back(folder.Path("data/words"));
  Click(Button::NewDictionary);
  ASSERT_EQ(b.host.dialogs.size(), 1u);
  EXPECT_EQ(b.host.dialogs[0].title, W("Создание нового словаря"));
  EXPECT_EQ(b.host.dialogs[0].proposed_name, "new1.dct");
  EXPECT_EQ(b.state.dictionary.DictionaryName, "words.dct");
  EXPECT_EQ(Data("words.dct").substr(0, Data("one.dct").size()), Data("one.dct"));
  EXPECT_EQ(b.state.dictionary.DictionaryCount, 3);
  EXPECT_TRUE(b.state.dictionary.DictionaryLoaded);
  // The write's own caption and hidden clue line last only as long as the command.
  EXPECT_EQ(b.state.window.Caption, W("Кроссворд из файла 2.gx 4 сл"));
  EXPECT_TRUE(b.state.window.ClueLineVisible);
  EXPECT_TRUE(b.state.window.SettingsPanelVisible);  // the panel stays open
}

TEST_F(DictionaryButtons, CreateAsksBeforeReplacingAndCancelAsksForANameAgain) {
  b.host.dialog_answers = {folder.Path("data/two"), folder.Path("data/two.dct")};
  b.host.confirm_answers = {false, true};
  Click(Button::NewDictionary);
  EXPECT_EQ(b.host.confirmations,
            (std::vector<std::string>{W("Файл two.dct уже есть. Переписать?"), W("Файл two.dct уже есть. Переписать?")}));
  // Enter answers Cancel: only a deliberate OK replaces a dictionary.
  EXPECT_EQ(b.host.confirm_presets, (std::vector<DefaultButton>{DefaultButton::Cancel, DefaultButton::Cancel}));
  ASSERT_EQ(b.host.dialogs.size(), 2u);
  EXPECT_EQ(b.host.dialogs[1].proposed_name, "two.dct");
  EXPECT_EQ(b.state.dictionary.DictionaryName, "two.dct");
  // Nothing was loaded before: the file holds only empty records and loads as 0 entries.
  EXPECT_EQ(b.state.dictionary.DictionaryCount, 0);
  EXPECT_EQ(b.host.informations, std::vector<std::string>{W("В словаре всего 0 слов")});

  // Cancelling the dialog leaves the name and the caption.
  b.state.window.Caption = "x";
  Click(Button::NewDictionary);
  EXPECT_EQ(b.state.dictionary.DictionaryName, "two.dct");
  EXPECT_EQ(b.state.window.Caption, "x");
}

TEST_F(DictionaryButtons, CreateProposesANameNotYetTakenSoEnterNeverReplacesAFile) {
  Click(Button::EditDictionary);  // one.dct in memory
  const std::string one = Data("one.dct");
  folder.Write("data/new1.dct", "x");
  b.host.dialog_answers = {std::nullopt};
  Click(Button::NewDictionary);
  ASSERT_EQ(b.host.dialogs.size(), 1u);
  EXPECT_EQ(b.host.dialogs[0].proposed_name, "new2.dct");
  b.host.dialog_answers = {folder.Path("data/new2.dct")};  // Enter takes the proposed name
  Click(Button::NewDictionary);
  EXPECT_EQ(b.state.dictionary.DictionaryName, "new2.dct");
  EXPECT_EQ(Data("one.dct"), one);
  EXPECT_EQ(Data("new1.dct"), "x");
  EXPECT_TRUE(b.host.confirmations.empty());
  Click(Button::NewDictionary);  // cancelled
  EXPECT_EQ(b.host.dialogs.back().proposed_name, "new3.dct");
}

TEST_F(DictionaryButtons, RussianNamesAreTextInMemoryAndUtf8OnDisk) {
  folder.Write("data/Зимние слова.dct", DictionaryBytes({W("ЛЕД Вода зимой")}));
  b.host.dialog_answers = {folder.Path("data/Зимние слова.dct")};
  Click(Button::ChooseDictionary);
  EXPECT_EQ(b.state.dictionary.DictionaryName, W("Зимние слова.dct"));
  EXPECT_EQ(b.state.dictionary.DictionaryCount, 1);
  EXPECT_EQ(b.state.window.DictionaryLineText, W("Словарь Зимние слова.dct 1 сл"));
  OpenSettings();
  Click(Button::EditDictionary);
  EXPECT_EQ(E().View().Caption, W("Корректировка словаря Зимние слова.dct"));
  E().fields.word = W("ИНЕЙ");
  E().Run(EditorAction::Add);
  OpenSettings();
  b.host.dialog_answers = {std::nullopt};
  Click(Button::ChooseDictionary);  // writes the edit back under the same file name
  EXPECT_EQ(Data("Зимние слова.dct"), DictionaryBytes({W("ЛЕД Вода зимой"), W("ИНЕЙ ")}));
  EXPECT_EQ(b.host.dialogs.back().proposed_name, W("Зимние слова.dct"));

  // A name is cut to 16 characters, not bytes; a character outside Windows-1251 is refused and
  // the dialog asks again.
  b.host.dialog_answers = {folder.Path("data/日記.dct"), folder.Path("data/Словарь зимних слов")};
  b.host.informations.clear();
  b.host.confirm_answers = {true};
  Click(Button::NewDictionary);
  EXPECT_EQ(b.host.informations.front(),
            W("В имени файла есть знак U+65E5, которого нет в кодировке Windows-1251: выберите другое имя"));
  EXPECT_EQ(b.host.confirmations.back(), W("Имя файла длиннее 16 знаков. Сохранить под именем Словарь зимних с.dct?"));
  EXPECT_EQ(b.state.dictionary.DictionaryName, W("Словарь зимних с.dct"));
  EXPECT_TRUE(std::filesystem::exists(folder.Path("data/Словарь зимних с.dct")));
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path("data"))) ++files;
  EXPECT_EQ(files, 4);  // one, two, Зимние слова and Словарь зимних с: nothing under a mangled name
  b.host.dialog_answers = {folder.Path("data/日記.dct")};
  Click(Button::ChooseDictionary);
  EXPECT_EQ(b.state.dictionary.DictionaryName, W("Словарь зимних с.dct"));
}

TEST_F(DictionaryButtons, DecliningToReplaceAndThenCancellingLeavesTheOtherFileAlone) {
  Click(Button::EditDictionary);  // one.dct in memory
  b.host.dialog_answers = {folder.Path("data/two.dct")};
  b.host.confirm_answers = {false};
  const std::string two = Data("two.dct");
  OpenSettings();
  Click(Button::NewDictionary);  // declined, then the dialog shown again is cancelled
  ASSERT_EQ(b.host.dialogs.size(), 2u);
  // The words in memory are still one.dct's and keep its name, so a later edit cannot be
  // written over the file the user chose not to replace.
  EXPECT_EQ(b.state.dictionary.DictionaryName, "one.dct");
  E().fields.word = W("ЕЖ");
  E().Run(EditorAction::Add);
  OpenSettings();
  Click(Button::ChooseDictionary);  // writes the edit back, then cancelled
  EXPECT_EQ(Data("two.dct"), two);
  EXPECT_EQ(Data("one.dct"), DictionaryBytes({W("КОТ Зверь"), W("ДОМ Жилище"), W("СЛОН Великан"), W("ЕЖ ")}));
}

// A file with more entries than the store loads its first 16,384 and says that the file will not
// be written back; neither the choice of another dictionary nor the close shortens it.
TEST_F(DictionaryButtons, ADictionaryLargerThanTheStoreIsNeverShortened) {
  std::string bytes;
  for (int e = 0; e < 16600; ++e) EncodeText(W("СЛОВО") + " " + std::to_string(e), bytes);
  bytes.push_back(static_cast<char>(EndOfText));
  folder.Write("data/big.dct", bytes);
  b.state.dictionary.DictionaryName = "big.dct";
  Click(Button::EditDictionary);
  EXPECT_EQ(b.state.dictionary.DictionaryCount, 16384);
  EXPECT_EQ(b.host.informations,
            std::vector<std::string>{W("В словаре больше 16384 слов: загружены первые 16384, "
                                       "изменения в файл записаны не будут")});
  b.state.dictionary.DictionaryModified = true;  // a change, as an edit or a build's requeue makes

  OpenSettings();
  b.host.dialog_answers.push_back(folder.Path("data/two.dct"));
  Click(Button::ChooseDictionary);
  EXPECT_TRUE(b.host.errors.empty());
  EXPECT_TRUE(Data("big.dct") == bytes);
  EXPECT_EQ(b.state.dictionary.DictionaryName, "two.dct");

  OpenSettings();
  b.host.dialog_answers.push_back(folder.Path("data/big.dct"));
  Click(Button::ChooseDictionary);
  ASSERT_EQ(b.state.dictionary.DictionaryCount, 16384);
  b.state.dictionary.DictionaryModified = true;
  EXPECT_TRUE(b.commands.Close());
  EXPECT_TRUE(b.host.errors.empty());
  EXPECT_TRUE(Data("big.dct") == bytes);
}

TEST_F(DictionaryButtons, NothingRunsWhileAFillOrALoadRuns) {
  // The load lets the window handle events; a press of a dictionary button arrives then.
  bool pressed = false;
  b.host.on_events = [&](long calls) {
    if (calls != 3) return;
    Click(Button::ChooseDictionary);
    E().fields.word = "x";
    E().Run(EditorAction::Add);
    E().Key(Key::F8);
    pressed = true;
  };
  Click(Button::EditDictionary);
  b.host.on_events = nullptr;
  ASSERT_TRUE(pressed);
  const int requests = Shown(SecondaryWindow::Editor);
  b.state.puzzle.FillRunning = true;
  for (Button button : {Button::ChooseDictionary, Button::DictionaryStatistics, Button::EditDictionary, Button::NewDictionary})
    Click(button);
  EXPECT_TRUE(b.host.dialogs.empty());
  EXPECT_EQ(Shown(SecondaryWindow::Editor), requests);
  EXPECT_EQ(Shown(SecondaryWindow::Statistics), 0);
  EXPECT_EQ(b.state.dictionary.DictionaryCount, 3);
  EXPECT_FALSE(b.state.dictionary.DictionaryModified);
}

}  // namespace
}  // namespace gx
