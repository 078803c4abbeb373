#include "shell/SolvingCommands.h"

#include <algorithm>
#include <string>

#include "board/BoardColors.h"
#include "board/CellPainting.h"
#include "board/SolvingRecord.h"
#include "base/Cp1251.h"
#include "core/PuzzleReady.h"

namespace gx {

// Letters are judged only while a finished crossword is being solved, answers hidden.
bool SolvingCommands::Solving() const {
  const Puzzle& puzzle = parts_.state.puzzle;
  return puzzle.PlayActive == 1 && !puzzle.AnswersShown && PuzzleReady(puzzle);
}

void SolvingCommands::CheckWord() {
  if (!Solving()) return;
  Puzzle& puzzle = parts_.state.puzzle;
  WindowState& window = parts_.state.window;
  const int k = puzzle.Clues.CurrentRow() + 1;
  if (k < 1 || k > puzzle.SlotCount) return;
  const std::vector<int> wrong = WrongLetterPositions(puzzle, k);
  // Marked as the tally marks a wrong word, letter by letter; the marks stay until the next repaint.
  Canvas& canvas = parts_.board.GetCanvas();
  canvas.SetBrushColor(parts_.state.settings.Colors.WrongWordColor);
  const AnswerText& entry = puzzle.SlotEntry[static_cast<std::size_t>(k)];
  for (const int t : wrong) {
    const int x = puzzle.SlotCellX(k, t);
    const int y = puzzle.SlotCellY(k, t);
    PaintCellSquare(canvas, x, y);
    PaintCellText(canvas, x, y, std::string{' ', entry[static_cast<std::size_t>(t)]});
  }
  window.TallyText = wrong.empty() ? Utf8ToCp1251("Неверных букв в слове нет")
                                   : Utf8ToCp1251("Неверных букв в слове: ") + std::to_string(wrong.size());
  window.TallyVisible = true;
  window.ClueLineVisible = false;
}

void SolvingCommands::RevealLetter() {
  if (!Solving()) return;
  Puzzle& puzzle = parts_.state.puzzle;
  const int k = puzzle.Clues.CurrentRow() + 1;
  if (k < 1 || k > puzzle.SlotCount) return;
  const AnswerText& answer = puzzle.SlotAnswer[static_cast<std::size_t>(k)];
  const int position = puzzle.TypedCount;
  // A full word has no cursor cell: nothing to reveal.
  const int length = std::min<int>({puzzle.CurrentWordLength, static_cast<int>(AnswerText::capacity()),
                                    static_cast<int>(answer.size())});
  if (position >= length) return;
  const int x = puzzle.SlotCellX(k, position);
  const int y = puzzle.SlotCellY(k, position);
  parts_.state.solving.Revealed.Add(x, y);
  const char letter = answer[static_cast<std::size_t>(position)];
  parts_.letters.TypeLetter(letter);
  // Drawn again in the answers' colour, as every repaint shows a revealed letter.
  Canvas& canvas = parts_.board.GetCanvas();
  const Color font = canvas.FontColor();
  canvas.SetBrushColor(parts_.state.settings.Colors.FoundWordColor);
  canvas.SetFontColor(Maroon);
  PaintCellText(canvas, x, y, std::string{' ', letter});
  canvas.SetFontColor(font);
}

void SolvingCommands::StartOver() {
  if (!PuzzleReady(parts_.state.puzzle)) return;
  Puzzle& puzzle = parts_.state.puzzle;
  WindowState& window = parts_.state.window;
  const ButtonTexts buttons{Utf8ToCp1251("Начать заново"), Utf8ToCp1251("Отмена")};
  if (!parts_.host.Confirm(Utf8ToCp1251("Стереть все введенные буквы, открытые буквы и время и начать решение заново?"),
                           DefaultButton::Cancel, buttons))
    return;
  for (int k = 1; k <= puzzle.SlotCount; ++k) puzzle.SlotEntry[static_cast<std::size_t>(k)].Clear();
  puzzle.TypedCount = 0;
  puzzle.TypedText.Clear();
  session_.Restart();
  window.RewardVisible = false;
  window.TallyVisible = false;
  if (!window.ProgressVisible) window.ClueLineVisible = true;
  parts_.board.RedrawBoard();
}

}  // namespace gx
