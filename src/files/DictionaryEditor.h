#pragma once
// The dictionary editor's logic: look up a word and show its clue, add, correct and delete
// entries of the store in place. The window only shows the fields kept here. Texts are
// Windows-1251 bytes.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Settings.h"
#include "base/WindowState.h"
#include "core/DictionaryStore.h"

namespace gx {

// What an add, correction or delete did.
enum class EditOutcome : std::uint8_t {
  Done,           // the store was changed
  NothingShown,   // correct or delete while the window shows no entry found: the status line says so
  Uncoded,        // a character the letter code lacks (in `Uncoded`): nothing was changed
  StoreFull,      // add into a store of 16,384 entries
};

class DictionaryEditor {
 public:
  static constexpr std::size_t MaxFieldLength = 255;
  static constexpr std::uint16_t EditorHelpContext = 2;

  DictionaryEditor(DictionaryStore& store, Settings& settings, WindowState& window);

  // The window became active: the editor's help page applies and the count is shown afresh.
  void Activate();
  // The first entry whose word equals the word field exactly; false (and an empty clue) when none has it.
  bool SearchFromStart();
  // The same search, continued after CurrentEntry: steps through homonyms in store order.
  bool SearchOn();
  // Appends the word, a space and the clue as a new entry, which the window then shows as found.
  EditOutcome Add();
  // Replaces the entry the window shows as found with the word, a space and the clue.
  EditOutcome Correct();
  // Removes the entry the window shows as found, closing the gap.
  EditOutcome Delete();

  bool CurrentEntryValid() const { return CurrentEntry >= 1 && CurrentEntry <= store_.DictionaryCount; }
  // True while the window shows entry CurrentEntry as found: a search found it or an addition or
  // correction made it, no search failed and no delete came since, and the store still holds it
  // there (a fill reorders the store, another dictionary may have been loaded).
  bool EntryShown() const;

  std::string WordField;   // the word
  std::string ClueField;   // the clue
  std::string StatusLine;  // "512 слов", or why the last command did nothing
  std::string Caption;     // set by the command that opens the window
  // The entry the last successful search found or the last addition made; 0 at start. It survives
  // loading another dictionary, so every use checks it against the count.
  std::uint16_t CurrentEntry = 0;
  // Set by the last add or correction: the first character the letter code lacks (nothing was
  // changed then), and whether ё was written as е (the fields then show е).
  char Uncoded = 0;
  bool YoReplaced = false;

 private:
  bool Search(int first);
  // Writes ё as е in both fields and checks every character against the letter code; the fields
  // change only when every character has a code.
  bool TakeCodedFields();
  std::string ComposedEntry() const;
  bool RefusedUnlessShown();
  void Show(int e);
  void Changed();
  void ShowCount();

  DictionaryStore& store_;
  Settings& settings_;
  WindowState& window_;
  bool entry_shown_ = false;
  std::string shown_text_;  // entry CurrentEntry as the window took it
};

// The clue of an entry as the editor shows it: the text after the first space, or the whole
// entry when it has no space.
std::string_view EditorClue(std::string_view entry);
// "512 слов"
std::string WordCountText(int count);
// Shown when an addition finds the store full.
std::string DictionaryFullMessage();
// Shown when an add or correction is refused for a character without a letter code.
std::string UncodedCharacterMessage(char c);
// The same for a clue of the puzzle, which then stays as it was.
std::string UncodedClueMessage(char c);
// The rule of both: writes ё as е in `text` (reported in `yo_replaced`) and returns the first
// character the letter code lacks, 0 when every character has a code.
char CodeText(std::string& text, bool& yo_replaced);
// Shown when ё was written as е.
std::string YoReplacedMessage();

}  // namespace gx
