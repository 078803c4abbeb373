#include "shell/ClueCommands.h"

#include <string>

#include "base/Cp1251.h"
#include "files/DictionaryEditor.h"

namespace gx {

bool ClueCommands::EditClue(int row, std::string_view text) {
  if (!Editable(row)) return false;
  std::string clue(text);
  bool yo_replaced = false;
  if (const char uncoded = CodeText(clue, yo_replaced); uncoded != 0) {
    parts_.host.ShowInformation(UncodedClueMessage(uncoded));
    return false;
  }
  if (clue.size() > MaxClueLength) {
    parts_.host.ShowInformation(Utf8ToCp1251("Вопрос длиннее ") + std::to_string(MaxClueLength) +
                                Utf8ToCp1251(" знаков: вопрос не изменён"));
    return false;
  }
  Puzzle& puzzle = parts_.state.puzzle;
  const std::string word = puzzle.SlotAnswer[static_cast<std::size_t>(row + 1)].str();
  if (auto known = edited_from_.find(row); known == edited_from_.end() || known->second.word != word) {
    edited_from_[row] = EditedFrom{word, ClueOf(row)};
  }
  // The list keeps the space that separates a clue from its number.
  puzzle.Clues.SetCell(1, row, " " + clue);
  if (puzzle.Clues.CurrentRow() == row) parts_.selection.ShowClueLine(row);
  if (yo_replaced) parts_.host.ShowInformation(YoReplacedMessage());
  return true;
}

void ClueCommands::WriteClueToDictionary(int row) {
  if (!Editable(row)) return;
  const Puzzle& puzzle = parts_.state.puzzle;
  const std::string word = puzzle.SlotAnswer[static_cast<std::size_t>(row + 1)].str();
  const std::string clue = ClueOf(row);
  if (word.empty() || clue.empty()) {
    parts_.host.ShowInformation(Utf8ToCp1251("У слова нет ответа или вопроса: словарь не изменён"));
    return;
  }
  const auto known = edited_from_.find(row);
  const bool edited = known != edited_from_.end() && known->second.word == word;
  if (dictionaries_.WriteEntry(word, clue, edited ? known->second.clue : std::string()) && edited) {
    known->second.clue = clue;
  }
}

std::string ClueCommands::ClueOf(int row) const {
  std::string_view clue = parts_.state.puzzle.Clues.Clue(row);
  if (!clue.empty() && clue[0] == ' ') clue.remove_prefix(1);
  return std::string(clue);
}

}  // namespace gx
