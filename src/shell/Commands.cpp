#include "shell/Commands.h"

#include <algorithm>
#include <string>

#include "shell/Help.h"
#include "shell/HtmlExport.h"
#include "base/NumberParsing.h"
#include "shell/PrintLayout.h"

namespace gx {

namespace {

constexpr int kUpDownMin = 4;
constexpr int kUpDownMax = 100;

}  // namespace

Commands::Commands(Gridlex& state, Host& host, BoardDrawing& board, RandomSource& random)
    : state_(state),
      host_(host),
      board_(board),
      random_(random),
      media_(state.puzzle, state.settings, state.window, state.adverts, host),
      selection_(state.puzzle, state.window, board, media_),
      editor_(state.puzzle, state.settings, state.window, board),
      letters_(state.puzzle, state.settings.Colors, board.GetCanvas()),
      tally_(state.puzzle, state.settings, state.window, board, media_, host) {
  state_.window.SpeedButton8Hint = std::string(Editor::EraserHint(state_.puzzle.EraserOn == 1));
}

bool Commands::Busy() const { return state_.puzzle.FillRunning == 1 || loading_dictionary_ || generating_; }

void Commands::KeyDown(Key key) {
  if (state_.window.Edit1Focused) return;
  Press(key);
}

void Commands::Press(Key key) {
  if (Busy()) {
    // Inside a long command only the stop presses act; nothing starts a second one.
    if (key == Key::F5 || key == Key::F6 || key == Key::F7) {
      if (generating_) stop_generation_ = true;
      if (state_.puzzle.FillRunning == 1) RunKey(key);
    }
    return;
  }
  RunKey(key);
}

void Commands::RunKey(Key key) {
  Puzzle& puzzle = state_.puzzle;
  switch (key) {
    case Key::F1: ShowHelp(state_.settings, host_); break;
    case Key::F2: SavePuzzleCommand(); break;
    case Key::F3: LoadPuzzleCommand(); break;
    case Key::F4: editor_.ToggleEraser(); break;
    case Key::F5: BuildCommand(); break;
    case Key::F6: puzzle.FillRunning = 0; break;
    case Key::F7: RefillCommand(); break;
    case Key::F8: editor_.ClearBoard(); break;
    case Key::F9: tally_.ShowAnswersCommand(); break;
    case Key::F10: LatticeCommand(); break;
    case Key::F12: selection_.FillEntriesFromAnswers(); break;
    case Key::Delete: selection_.EraseCurrentEntry(); break;
    default: break;
  }
}

void Commands::KeyPress(char character) {
  // Escape works whatever has the focus and in every state, also while a fill runs.
  if (character == kEscape) {
    Escape();
    return;
  }
  const WindowState& window = state_.window;
  if (Busy() || window.Edit1Focused || window.Panel2Visible || state_.puzzle.PlayActive == 0) return;
  if (character == kEnter) {
    tally_.TallyCommand();
  } else if (character == kBackspace) {
    letters_.Backspace();
  } else if (const char letter = LetterFor(character); letter != 0) {
    letters_.TypeLetter(letter);
  }
}

void Commands::Escape() {
  WindowState& window = state_.window;
  window.AdvertVisible = false;
  if (window.Panel2Visible) ClosePanel2();
  if (state_.puzzle.AnswersShown == 1) {
    state_.puzzle.AnswersShown = 0;
    state_.puzzle.PlayActive = 1;
    board_.RedrawBoard();
  }
  window.Image2Visible = false;
  window.Label2Visible = false;
  // The clue line shares its strip with the progress bar: while a fill or a load shows the bar,
  // the clue line is left as it is (the end of a fill shows it again).
  if (!window.ProgressVisible) window.Label1Visible = true;
}

void Commands::ClosePanel2() {
  state_.window.Panel2Visible = false;
  state_.window.Panel1Visible = true;
  state_.settings.HelpContext = 0;
  // The kaleidoscope switch takes effect only when the panel is closed.
  state_.settings.KaleidoscopeOn = state_.settings.KaleidoscopeBox;
}

void Commands::BoardMouseDown(int x, int y, MouseButton) {
  if (Busy()) return;
  if (selection_.SelectFromBoard(x, y)) return;
  editor_.BeginStroke(x, y);
}

void Commands::BoardMouseMove(int x, int y) {
  if (Busy()) return;
  editor_.MouseMove(x, y);
}

void Commands::BoardMouseUp(int, int, MouseButton) {
  if (Busy()) return;
  editor_.MouseUp();
}

void Commands::BoardDoubleClick() { selection_.ArmSecondSlot(); }

void Commands::Grid1RowChanged(int row) { selection_.SetRow(row); }

void Commands::ButtonClick(Button button) {
  WindowState& window = state_.window;
  switch (button) {
    case Button::SpeedButton1: ShowHelp(state_.settings, host_); return;
    case Button::SpeedButton4: Press(Key::F5); return;
    case Button::SpeedButton16: Press(Key::F7); return;
    case Button::SpeedButton12: ClosePanel2(); return;
    case Button::SpeedButton13:
      window.Panel1Visible = false;
      window.Panel2Visible = true;
      state_.settings.HelpContext = 1;
      return;
    default: break;
  }
  if (Busy()) return;
  switch (button) {
    case Button::SpeedButton2: LoadPuzzleCommand(); break;
    case Button::SpeedButton3: SavePuzzleCommand(); break;
    case Button::SpeedButton6: tally_.ShowAnswersCommand(); break;
    case Button::SpeedButton8: editor_.ToggleEraser(); break;
    case Button::SpeedButton10: tally_.TallyCommand(); break;
    case Button::SpeedButton14: dictionary_commands_.Choose(); break;
    case Button::SpeedButton15: dictionary_commands_.ShowStatistics(); break;
    case Button::SpeedButton17: dictionary_commands_.Edit(); break;
    case Button::SpeedButton18: dictionary_commands_.Create(); break;
    case Button::SpeedButton5: PrintCommand(state_, host_); break;
    case Button::SpeedButton9: host_.ShowPaletteWindow(); break;
    case Button::SpeedButton11: HtmlExportCommand(state_, host_, board_.PaintWidth(), board_.PaintHeight()); break;
    default: break;
  }
}

void Commands::ButtonMouseDown(Button button) {
  if (button == Button::SpeedButton7 && !Busy()) editor_.ClearBoard();
}

void Commands::ComboBox2Changed(std::string_view text) {
  state_.window.ComboBox2Text = std::string(text);
  state_.settings.MaxFillAttempts = ParseNumber16(text);
}

void Commands::Edit1Changed(std::string_view text) {
  state_.window.Edit1Text = std::string(text);
  state_.settings.MinSlotCount = ParseNumber8(text);
  // The spinner cannot show a value outside its range; the typed value stays in MinSlotCount.
  state_.window.UpDown1Position = std::clamp<int>(state_.settings.MinSlotCount, kUpDownMin, kUpDownMax);
}

void Commands::UpDown1Changing(int position) {
  position = std::clamp(position, kUpDownMin, kUpDownMax);
  state_.window.UpDown1Position = position;
  state_.settings.MinSlotCount = static_cast<std::uint8_t>(position);
  state_.window.Edit1Text = std::to_string(position);
}

void Commands::MainWindowClosing() {
  if (state_.puzzle.FillRunning != 1) return;
  state_.puzzle.FillRunning = 0;
  board_.DrawWordsAndNumbers();
}

}  // namespace gx
