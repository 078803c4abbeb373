#pragma once
// The dictionary buttons of the settings panel (statistics, choose, edit, create) and the
// commands of the dictionary editor window. A changed store is always written back to its own
// file before another dictionary replaces it. Nothing here runs while a fill or a dictionary load
// is under way (the command core refuses it then): the store must not change beneath them.

#include <cstdint>
#include <optional>
#include <string>

#include "base/Host.h"
#include "files/DictionaryEditor.h"
#include "files/DictionaryStatistics.h"
#include "base/FileError.h"
#include "shell/BuildCommands.h"
#include "shell/CommandParts.h"
#include "shell/Gridlex.h"
#include "shell/Input.h"

namespace gx {

// The path of the current dictionary in the data folder, or "Invalid filename" when its name
// (which comes from the settings file or a dialog) is not a bare file name.
FileError DictionaryFilePath(const Gridlex& state, std::string& path);

// Writes a changed store back to its file. A store that did not load whole is not written (its
// notice said so), nor is one whose name is no file name. False after a failed write has been
// reported: the changes are still only in memory.
bool WriteChangedDictionary(Gridlex& state, Host& host);

enum class EditorAction : std::uint8_t { Help, SearchFromStart, SearchOn, Add, Correct, Delete };

// The editor window's two fields as the user left them when a command starts.
struct EditorFields {
  std::string word;
  std::string clue;
};

class DictionaryCommands {
 public:
  DictionaryCommands(const CommandParts& parts, BuildCommands& builds);
  DictionaryCommands(const DictionaryCommands&) = delete;
  DictionaryCommands& operator=(const DictionaryCommands&) = delete;

  // Settings panel buttons.
  void ShowStatistics();
  void Choose();
  void Edit();
  void Create();

  // The editor window: activation, its key preview and its buttons.
  void EditorActivated() { editor_.Activate(); }
  // The editor's command a key stands for, if any (the key then goes no further).
  static std::optional<EditorAction> EditorKeyAction(Key key);
  // The fields are the window's: they are taken whether or not the command may run.
  void TakeEditorFields(const EditorFields& fields);
  void RunEditorAction(EditorAction action);

  // The word with the clue into the dictionary, by the editor's rules: nothing when an entry of
  // the word already has that clue (which is then said); else the entry of the word whose clue is
  // `replaced_clue` is corrected when there is one, or a new entry added. The dictionary is
  // loaded first if need be. True when the dictionary then holds the word with that clue.
  bool WriteEntry(const std::string& word, const std::string& clue, const std::string& replaced_clue);

  // The statistics window's activation.
  void StatisticsActivated() { statistics_.Recount(state_.dictionary); }

  const DictionaryEditor& Editor() const { return editor_; }
  const DictionaryStatistics& Statistics() const { return statistics_; }

 private:
  // The notice an add or correction calls for, if any.
  bool LookUp(std::uint16_t entry, const std::string& word);
  void ReportEdit(EditOutcome outcome);
  bool WriteIfModified();
  bool EnsureLoaded();
  bool LoadChosen();
  void CloseSettings();
  FileDialogRequest DictionaryDialog(const char* utf8_title) const;

  Gridlex& state_;
  Host& host_;
  BuildCommands& builds_;
  DictionaryEditor editor_;
  DictionaryStatistics statistics_;
};

}  // namespace gx
