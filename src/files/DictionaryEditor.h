#pragma once
// The dictionary editor's logic: look up a word and show its clue, add, correct and delete
// entries of the store in place. The window only shows the fields kept here. Texts are
// Windows-1251 bytes.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Settings.h"
#include "core/WindowState.h"
#include "files/DictionaryStore.h"

namespace gx {

class DictionaryEditor {
 public:
  static constexpr std::size_t MaxFieldLength = 255;
  static constexpr std::uint16_t EditorHelpContext = 2;

  DictionaryEditor(DictionaryStore& store, Settings& settings, WindowState& window);

  // The window became active: the editor's help page applies and the count is shown afresh.
  void Activate();
  // The first entry whose word equals Edit1 exactly; false (and an empty clue) when none has it.
  bool SearchFromStart();
  // The same search, continued after CurrentEntry: steps through homonyms in store order.
  bool SearchOn();
  // Appends Edit1, a space and Edit2 as a new entry. False when the store is full.
  bool Add();
  // Replaces entry CurrentEntry. False when CurrentEntry names no entry.
  bool Correct();
  // Removes entry CurrentEntry, closing the gap. False when CurrentEntry names no entry.
  bool Delete();

  bool CurrentEntryValid() const { return CurrentEntry >= 1 && CurrentEntry <= store_.DictionaryCount; }

  std::string Edit1Text;   // the word
  std::string Edit2Text;   // the clue
  std::string Label1Text;  // "512 слов"
  std::string Caption;     // set by the command that opens the window
  // The entry the last successful search found or the last addition made; 0 at start. It survives
  // loading another dictionary, so every use checks it against the count.
  std::uint16_t CurrentEntry = 0;

 private:
  bool Search(int first);
  std::string ComposedEntry() const;
  void Changed();
  void ShowCount();

  DictionaryStore& store_;
  Settings& settings_;
  WindowState& window_;
};

// The clue of an entry as the editor shows it: the text after the first space, or the whole
// entry when it has no space.
std::string_view EditorClue(std::string_view entry);
// "512 слов"
std::string WordCountText(int count);
// Shown when an addition finds the store full.
std::string DictionaryFullMessage();

}  // namespace gx
