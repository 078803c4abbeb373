#pragma once
// Editing a clue of the puzzle in the clue list. The clue is the puzzle's: it is saved, printed
// and exported with it, and the dictionary stays as it was unless the user also writes it there.
// Texts are Windows-1251; the letter code of the files decides what a clue may hold.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "shell/CommandParts.h"
#include "shell/DictionaryCommands.h"

namespace gx {

class ClueCommands {
 public:
  // A clue read back from a puzzle file keeps at most this many characters.
  static constexpr std::size_t MaxClueLength = 128;

  ClueCommands(const CommandParts& parts, DictionaryCommands& dictionaries)
      : parts_(parts), dictionaries_(dictionaries) {}

  // Row `row`'s clue becomes `text`; ё is written as е. Refused with a message, changing nothing,
  // for a character the letter code lacks or a text longer than MaxClueLength. True when kept.
  bool EditClue(int row, std::string_view text);
  // The answer of row `row` with its clue as the puzzle has it goes into the dictionary, by the
  // dictionary editor's rules, unless an entry of that word already has that clue: the entry the
  // clue was edited from is corrected when the dictionary still holds it, else a new one added.
  void WriteClueToDictionary(int row);

  // Whether row `row` holds a slot whose clue can be edited.
  bool Editable(int row) const { return row >= 0 && row < parts_.state.puzzle.SlotCount; }

 private:
  // A row's word and the clue it had before its first edit (or its last write to the
  // dictionary): the entry a write corrects. Not kept in the puzzle or its file, so a clue edited
  // before a load is written as a new entry.
  struct EditedFrom {
    std::string word;
    std::string clue;
  };
  std::string ClueOf(int row) const;

  CommandParts parts_;
  DictionaryCommands& dictionaries_;
  std::map<int, EditedFrom> edited_from_;
};

}  // namespace gx
