#include "shell/DictionaryCommands.h"

#include <string>

#include "base/Cp1251.h"
#include "files/DictionaryFile.h"
#include "base/FileIo.h"
#include "files/FileNames.h"
#include "shell/Help.h"

namespace gx {

namespace {

const char* const kDictionaryFilter = "*.dct|*.dct";
const char* const kDictionaryExtension = ".dct";
// A new dictionary starts with the first records of the store as they stand.
constexpr std::uint16_t kNewDictionaryCount = 10;


// The first of new1.dct, new2.dct ... that is not in the folder: Enter in the create dialog then
// makes a new file and never replaces one.
std::string FreeNewDictionaryName(const std::string& folder) {
  for (unsigned n = 1;; ++n) {
    std::string name = "new" + std::to_string(n) + kDictionaryExtension;
    if (!FileExists(DataFilePath(folder, name))) return name;
  }
}

// The write of the dictionary shows its own caption and hides the clue line while it runs; the
// command that wrote it gives the window back its caption and clue line as it ends.
class StatusCaption {
 public:
  explicit StatusCaption(WindowState& window)
      : window_(window), caption_(window.Caption), clue_line_visible_(window.ClueLineVisible) {}
  ~StatusCaption() {
    window_.Caption = caption_;
    window_.ClueLineVisible = clue_line_visible_;
  }
  StatusCaption(const StatusCaption&) = delete;
  StatusCaption& operator=(const StatusCaption&) = delete;

 private:
  WindowState& window_;
  std::string caption_;
  bool clue_line_visible_;
};

}  // namespace

FileError DictionaryFilePath(const Gridlex& state, std::string& path) {
  return PathInFolder(state.settings.ProgramDir.DataFolder(), state.dictionary.DictionaryName.view(), path);
}

bool WriteChangedDictionary(Gridlex& state, Host& host) {
  DictionaryStore& store = state.dictionary;
  if (!store.DictionaryModified || store.DictionaryPartial) return true;
  std::string path;
  if (const FileError error = DictionaryFilePath(state, path)) {
    // No file can take the changes; retrying would not help either.
    host.ShowError(error.Text());
    return true;
  }
  WindowProgress progress(state.window);
  state.window.ClueLineVisible = false;  // the caption tells what is written meanwhile
  if (const FileError error = WriteDictionary(store, path, progress)) {
    host.ShowError(error.Text());
    return false;
  }
  return true;
}

DictionaryCommands::DictionaryCommands(const CommandParts& parts, BuildCommands& builds)
    : state_(parts.state),
      host_(parts.host),
      builds_(builds),
      editor_(state_.dictionary, state_.settings, state_.window) {}

void DictionaryCommands::CloseSettings() {
  state_.window.SettingsPanelVisible = false;
  state_.window.RightBarVisible = true;
}

// When the write fails the edits are still only in memory: nothing may replace them now.
bool DictionaryCommands::WriteIfModified() { return WriteChangedDictionary(state_, host_); }

bool DictionaryCommands::EnsureLoaded() {
  return state_.dictionary.DictionaryLoaded || builds_.LoadDictionary();
}

bool DictionaryCommands::LoadChosen() {
  if (builds_.LoadDictionary()) return true;
  // The store still holds the previous dictionary under the new name; it must not pass for the
  // new one (a later write would put it into that file), so the next use loads again.
  state_.dictionary.DictionaryLoaded = false;
  return false;
}

FileDialogRequest DictionaryCommands::DictionaryDialog(const char* utf8_title) const {
  FileDialogRequest request;
  request.title = Utf8ToCp1251(utf8_title);
  request.folder = state_.settings.ProgramDir.DataFolder();
  request.filter = kDictionaryFilter;
  request.proposed_name = state_.dictionary.DictionaryName.str();
  return request;
}

void DictionaryCommands::ShowStatistics() {
  if (!EnsureLoaded()) return;
  state_.window.RequestShow(SecondaryWindow::Statistics);
  CloseSettings();
  state_.settings.HelpContext = 0;
}

void DictionaryCommands::Choose() {
  const StatusCaption caption(state_.window);
  if (!WriteIfModified()) return;
  const std::optional<std::string> path = host_.OpenFileDialog(DictionaryDialog("Выбор и загрузка словаря"));
  if (!path) return;
  const ChosenName chosen = NameInDataFolder(*path, kDictionaryExtension);
  if (chosen.Refused()) {
    host_.ShowInformation(NameRefusedMessage(chosen.lacking));
    return;
  }
  state_.dictionary.DictionaryName = chosen.name;
  if (!LoadChosen()) return;
  CloseSettings();
  state_.settings.HelpContext = 0;
}

void DictionaryCommands::Edit() {
  editor_.Caption = Utf8ToCp1251("Корректировка словаря ") + state_.dictionary.DictionaryName.str();
  if (!EnsureLoaded()) return;
  state_.window.RequestShow(SecondaryWindow::Editor);
  CloseSettings();
}

void DictionaryCommands::Create() {
  const StatusCaption caption(state_.window);
  if (!WriteIfModified()) return;
  DictionaryStore& store = state_.dictionary;
  const std::string folder = state_.settings.ProgramDir.DataFolder();
  state_.window.Caption.clear();
  FileDialogRequest request = DictionaryDialog("Создание нового словаря");
  request.proposed_name = FreeNewDictionaryName(folder);
  std::string name;
  while (true) {
    const std::optional<std::string> path = host_.SaveFileDialog(request);
    if (!path) return;
    const ChosenName chosen = NameInDataFolder(*path, kDictionaryExtension);
    if (chosen.Refused()) {
      host_.ShowInformation(NameRefusedMessage(chosen.lacking));
      continue;
    }
    name = chosen.name;
    if (!HasExtension(name, kDictionaryExtension)) name += kDictionaryExtension;
    request.proposed_name = name;  // Cancel asks again, proposing the name just taken
    if (chosen.shortened && !host_.Confirm(ShortenedNameQuestion(name), DefaultButton::Ok)) continue;
    if (!FileExists(DataFilePath(folder, name))) break;
    if (host_.Confirm(OverwriteQuestion(name), DefaultButton::Cancel)) break;
  }
  std::string path;
  if (const FileError error = PathInFolder(folder, name, path)) {
    host_.ShowError(error.Text());
    return;
  }
  const std::string old_name = store.DictionaryName.str();
  const std::uint16_t old_count = store.DictionaryCount;
  store.DictionaryName = name;
  store.DictionaryCount = kNewDictionaryCount;
  WindowProgress progress(state_.window);
  state_.window.ClueLineVisible = false;  // the caption tells what is written meanwhile
  if (const FileError error = WriteDictionary(store, path, progress)) {
    // Nothing was created: the dictionary in memory stays what it was, leftovers unexposed.
    store.DictionaryName = old_name;
    store.DictionaryCount = old_count;
    host_.ShowError(error.Text());
    return;
  }
  LoadChosen();
}

std::optional<EditorAction> DictionaryCommands::EditorKeyAction(Key key) {
  switch (key) {
    case Key::F1: return EditorAction::Help;
    case Key::F2: return EditorAction::Add;
    case Key::F4: return EditorAction::Correct;
    case Key::F5: return EditorAction::SearchFromStart;
    case Key::F6: return EditorAction::SearchOn;
    case Key::F8: return EditorAction::Delete;
    default: return std::nullopt;
  }
}

void DictionaryCommands::TakeEditorFields(const EditorFields& fields) {
  editor_.WordField = fields.word;
  editor_.ClueField = fields.clue;
}

void DictionaryCommands::RunEditorAction(EditorAction action) {
  if (action == EditorAction::Help) {
    ShowHelp(state_.settings, host_);
    return;
  }
  // After a failed load the store holds another file's words under the current name: changing
  // them would make the next write put them into that file.
  const bool changes = action == EditorAction::Add || action == EditorAction::Correct || action == EditorAction::Delete;
  if (changes && !state_.dictionary.DictionaryLoaded) return;
  switch (action) {
    case EditorAction::SearchFromStart: editor_.SearchFromStart(); break;
    case EditorAction::SearchOn: editor_.SearchOn(); break;
    case EditorAction::Add: ReportEdit(editor_.Add()); break;
    case EditorAction::Correct: ReportEdit(editor_.Correct()); break;
    case EditorAction::Delete: editor_.Delete(); break;  // a refusal shows in the status line
    case EditorAction::Help: break;
  }
}

bool DictionaryCommands::WriteEntry(const std::string& word, const std::string& clue,
                                    const std::string& replaced_clue) {
  if (!EnsureLoaded() || !state_.dictionary.DictionaryLoaded) return false;
  std::uint16_t replaced_entry = 0;
  editor_.WordField = word;
  for (bool found = editor_.SearchFromStart(); found; found = editor_.SearchOn()) {
    if (editor_.ClueField == clue) {
      host_.ShowInformation(Utf8ToCp1251("Этот вопрос к слову уже есть в словаре"));
      return true;
    }
    if (replaced_entry == 0 && !replaced_clue.empty() && editor_.ClueField == replaced_clue) {
      replaced_entry = editor_.CurrentEntry;
    }
  }
  const bool correct = replaced_entry != 0 && LookUp(replaced_entry, word);
  editor_.WordField = word;
  editor_.ClueField = clue;
  const EditOutcome outcome = correct ? editor_.Correct() : editor_.Add();
  if (outcome == EditOutcome::Done) {
    host_.ShowInformation(Utf8ToCp1251(correct ? "Вопрос к слову исправлен в словаре"
                                               : "Слово с вопросом записано в словарь"));
  }
  ReportEdit(outcome);
  return outcome == EditOutcome::Done;
}

// Shows entry `entry` in the editor as found again, so that a correction replaces that one.
bool DictionaryCommands::LookUp(std::uint16_t entry, const std::string& word) {
  editor_.WordField = word;
  for (bool found = editor_.SearchFromStart(); found; found = editor_.SearchOn()) {
    if (editor_.CurrentEntry == entry) return true;
  }
  return false;
}

void DictionaryCommands::ReportEdit(EditOutcome outcome) {
  switch (outcome) {
    case EditOutcome::Done:
      if (editor_.YoReplaced) host_.ShowInformation(YoReplacedMessage());
      break;
    case EditOutcome::Uncoded: host_.ShowInformation(UncodedCharacterMessage(editor_.Uncoded)); break;
    case EditOutcome::StoreFull: host_.ShowInformation(DictionaryFullMessage()); break;
    case EditOutcome::NothingShown: break;  // the status line says why
  }
}

}  // namespace gx
