#include "shell/KeyCommands.h"

namespace gx {

void KeyCommands::Run(Key key) {
  switch (key) {
    case Key::F1: output_.Help(); break;
    case Key::F2: puzzles_.SaveCommand(); break;
    case Key::F3: puzzles_.LoadCommand(); break;
    case Key::F4: parts_.editor.ToggleEraser(); break;
    case Key::F5: builds_.Build(); break;
    case Key::F6: parts_.state.puzzle.FillRunning = false; break;
    case Key::F7: builds_.Refill(); break;
    case Key::ShiftF7: builds_.FillAround(); break;
    case Key::F8: parts_.editor.ClearBoard(); break;
    case Key::F9: parts_.tally.ShowAnswersCommand(); break;
    case Key::F10: builds_.Lattice(); break;
    case Key::F11: output_.PlayablePage(); break;
    case Key::F12: parts_.selection.FillEntriesFromAnswers(); break;
    case Key::Delete:
      if (parts_.state.puzzle.PlacingLetters()) {
        parts_.placing.EraseWord();
      } else {
        parts_.selection.EraseCurrentEntry();
      }
      break;
    case Key::ShiftF9: solving_.CheckWord(); break;
    case Key::ShiftF12: solving_.RevealLetter(); break;
    case Key::ShiftDelete: solving_.StartOver(); break;
    default: break;
  }
}

void KeyCommands::Type(char character) {
  const WindowState& window = parts_.state.window;
  if (window.MinCellsFocused || window.SettingsPanelVisible) return;
  if (parts_.state.puzzle.PlacingLetters()) {
    Place(character);
    return;
  }
  if (parts_.state.puzzle.PlayActive == 0) return;
  if (character == kEnter) {
    parts_.tally.TallyCommand();
  } else if (character == kBackspace) {
    parts_.letters.Backspace();
  } else if (const char letter = LetterFor(character); letter != 0) {
    parts_.letters.TypeLetter(letter);
  }
}

void KeyCommands::Place(char character) {
  if (character == kBackspace) {
    parts_.placing.Backspace();
  } else if (character == ' ') {
    parts_.placing.Skip();
  } else if (const char letter = LetterFor(character); letter != 0) {
    parts_.placing.Type(letter);
  }
}

void KeyCommands::Escape() {
  Puzzle& puzzle = parts_.state.puzzle;
  WindowState& window = parts_.state.window;
  window.AdvertVisible = false;
  if (window.SettingsPanelVisible) options_.CloseSettings();
  if (puzzle.AnswersShown) {
    puzzle.AnswersShown = false;
    puzzle.PlayActive = 1;
    parts_.board.RedrawBoard();
  }
  window.RewardVisible = false;
  window.TallyVisible = false;
  // The clue line shares its strip with the progress bar: while a fill or a load shows the bar,
  // the clue line is left as it is (the end of a fill shows it again).
  if (!window.ProgressVisible) window.ClueLineVisible = true;
}

}  // namespace gx
