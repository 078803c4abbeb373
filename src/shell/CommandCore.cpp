#include "shell/CommandCore.h"

#include <optional>
#include <utility>

#include "shell/Palette.h"

namespace gx {

CommandCore::CommandCore(std::string program_dir, Host& host, Canvas& canvas, RandomSource& random)
    : state_(std::make_unique<Gridlex>()),
      host_(host),
      board_(state_->puzzle, state_->settings.Colors, state_->window, canvas),
      media_(state_->puzzle, state_->settings, state_->window, state_->adverts, host),
      selection_(state_->puzzle, state_->window, board_, media_),
      editor_(state_->puzzle, state_->settings, state_->window, board_),
      letters_(state_->puzzle, state_->settings.Colors, canvas),
      placing_(state_->puzzle, board_),
      tally_(state_->puzzle, state_->solving, state_->settings, state_->window, board_, media_, host),
      long_commands_(state_->puzzle),
      parts_{*state_, host, random, board_, media_, selection_, editor_, letters_, placing_, tally_, long_commands_, history_},
      session_(*state_, host, board_),
      solving_(parts_, session_),
      builds_(parts_),
      puzzles_(parts_),
      options_(parts_),
      output_(parts_),
      keys_(parts_, builds_, puzzles_, output_, options_, solving_),
      dictionaries_(parts_, builds_),
      clues_(parts_, dictionaries_) {
  state_->settings.ProgramDir = std::move(program_dir);
  board_.ShowRevealedCells(&state_->solving.Revealed);
  state_->window.EraserButtonHint = std::string(Editor::EraserHint(state_->puzzle.EraserOn));
}

void CommandCore::Start(const PrinterQuery& printer, const std::string& start_puzzle) {
  ::gx::StartProgram(*state_, host_, puzzles_, printer, start_puzzle);
  session_.Sync(Busy());
}

bool CommandCore::Close() {
  MainWindowClosing();
  session_.Close();
  return ::gx::CloseProgram(*state_, host_);
}

void CommandCore::MainWindowActivated() {
  state_->settings.HelpContext = 0;
  session_.WindowActive(true, Busy());
}

void CommandCore::MainWindowDeactivated() { session_.WindowActive(false, Busy()); }

void CommandCore::ClockTick() { session_.Tick(Busy()); }

template <typename F>
void CommandCore::Run(bool allowed_while_busy, F&& command, Recorded recorded) {
  if (depth_ > 0 && Busy() && !allowed_while_busy) return;
  const bool records = depth_ == 0 && recorded == Recorded::Yes && !Busy();
  if (records) history_.Begin(*state_);
  ++depth_;
  command();
  --depth_;
  if (depth_ > 0) return;
  session_.Sync(Busy());
  // After the session, which may give a loaded puzzle its kept letters back within the same input.
  if (records) history_.End(*state_);
  RepaintStaleBoard();
}

void CommandCore::EditClue(int row, std::string_view text) {
  Run(false, [&] {
    if (!Busy()) clues_.EditClue(row, text);
  });
}

void CommandCore::WriteClueToDictionary(int row) {
  Run(false, [&] {
    if (!Busy()) clues_.WriteClueToDictionary(row);
  });
}

void CommandCore::Undo() { StepThroughHistory(&PuzzleHistory::Undo); }

void CommandCore::Redo() { StepThroughHistory(&PuzzleHistory::Redo); }

void CommandCore::StepThroughHistory(bool (PuzzleHistory::*step)(Gridlex&)) {
  Run(
      false,
      [&] {
        if (Busy() || state_->puzzle.DragActive) return;
        if (!(history_.*step)(*state_)) return;
        // As after a load: the board is drawn anew, the reward and the tally's message go, and the
        // clue line shows the current word's clue.
        state_->window.RewardVisible = false;
        state_->window.TallyVisible = false;
        board_.RedrawBoard();
        selection_.ShowClueLine(state_->puzzle.Clues.CurrentRow());
      },
      Recorded::No);
}

// The board's picture keeps what was drawn on it; nothing uncovers it the way a dialog closing
// over a window that paints straight to the screen would. So the repaint from the model such a
// window gets then is done here, once an input has been handled: after a modal window was open,
// or when the command drew the words over an old picture (see BoardDrawing::RepaintDue).
void CommandCore::RepaintStaleBoard() {
  const bool due = board_covered_ || board_.RepaintDue();
  board_covered_ = false;
  if (due) board_.RepaintFromModel();
}

void CommandCore::ModalWindowClosed() {
  board_covered_ = true;
  if (depth_ == 0) RepaintStaleBoard();  // a box of no command, such as a media error
}

void CommandCore::StatusStripResized(int width) {
  state_->window.StatusStripWidth = width;
  selection_.ShowClueLine(state_->puzzle.Clues.CurrentRow());
}

// Inside a long command only the stop presses act, and nothing starts a second one: a stop
// ends a grid generation after its grid, and during a fill runs its own command, which ends it.
void CommandCore::Press(Key key) {
  if (Busy()) {
    if (!LongCommands::Stops(key)) return;
    long_commands_.StopPressed();
    if (state_->puzzle.FillRunning) keys_.Run(key);
    return;
  }
  keys_.Run(key);
}

void CommandCore::KeyDown(Key key) {
  Run(LongCommands::Stops(key), [&] {
    if (!state_->window.MinCellsFocused) Press(key);
  });
}

void CommandCore::KeyPress(char character) {
  // Escape works whatever has the focus and in every state; a running build or fill it stops as F6 does.
  Run(character == kEscape, [&] {
    if (character == kEscape) {
      if (Busy()) Press(Key::F6);
      keys_.Escape();
    } else if (!Busy()) {
      keys_.Type(character);
    }
  });
}

void CommandCore::BoardMouseDown(int x, int y, MouseButton) {
  Run(false, [&] {
    if (Busy() || selection_.SelectFromBoard(x, y)) return;
    editor_.BeginStroke(x, y);
  });
}

void CommandCore::BoardMouseMove(int x, int y) {
  Run(false, [&] {
    if (!Busy()) editor_.MouseMove(x, y);
  });
}

void CommandCore::BoardMouseUp(int, int, MouseButton) {
  Run(false, [&] {
    if (!Busy()) editor_.MouseUp();
  });
}

void CommandCore::BoardDoubleClick() {
  Run(false, [&] { selection_.ArmSecondSlot(); });
}

void CommandCore::ClueChosen(int row) {
  Run(false, [&] { selection_.SetRow(row); });
}

void CommandCore::ButtonClick(Button button) {
  if (button == Button::Undo || button == Button::Redo) {
    button == Button::Undo ? Undo() : Redo();
    return;
  }
  Run(LongCommands::Stops(button), [&] {
    switch (button) {
      case Button::Help: output_.Help(); return;
      case Button::BuildOrStop: Press(Key::F5); return;
      case Button::RefillOrStop: Press(Key::F7); return;
      case Button::FillAround: Press(Key::ShiftF7); return;
      case Button::CloseSettings: options_.CloseSettings(); return;
      case Button::OpenSettings: options_.OpenSettings(); return;
      default: break;
    }
    if (Busy()) return;
    switch (button) {
      case Button::LoadPuzzle: puzzles_.LoadCommand(); break;
      case Button::SavePuzzle: puzzles_.SaveCommand(); break;
      case Button::ShowAnswers: tally_.ShowAnswersCommand(); break;
      case Button::PencilOrEraser: editor_.ToggleEraser(); break;
      case Button::Tally: tally_.TallyCommand(); break;
      case Button::ChooseDictionary: dictionaries_.Choose(); break;
      case Button::DictionaryStatistics: dictionaries_.ShowStatistics(); break;
      case Button::EditDictionary: dictionaries_.Edit(); break;
      case Button::NewDictionary: dictionaries_.Create(); break;
      case Button::Print: output_.Print(); break;
      case Button::Palette: output_.Palette(); break;
      case Button::HtmlExport: output_.HtmlExport(); break;
      case Button::PlayablePage: output_.PlayablePage(); break;
      case Button::StartOver: solving_.StartOver(); break;
      case Button::CheckWord: solving_.CheckWord(); break;
      case Button::RevealLetter: solving_.RevealLetter(); break;
      default: break;
    }
  });
}

void CommandCore::ButtonMouseDown(Button button) {
  Run(false, [&] {
    if (button == Button::ClearBoard && !Busy()) editor_.ClearBoard();
  });
}

void CommandCore::FillAttemptsChanged(std::string_view text) {
  state_->window.FillAttemptsText = std::string(text);
  Run(false, [&] { options_.FillAttemptsChanged(text); });
}

void CommandCore::MinCellsChanged(std::string_view text) {
  state_->window.MinCellsText = std::string(text);
  Run(false, [&] { options_.MinCellsChanged(text); });
}

void CommandCore::SpinnerMoved(int position) {
  Run(false, [&] { options_.SpinnerMoved(position); });
}

void CommandCore::SpinnerStep(int delta) {
  Run(false, [&] { options_.SpinnerStep(delta); });
}

void CommandCore::PaletteRowClicked(int row) {
  Run(false, [&] { ChoosePaletteColor(state_->settings.Colors, row, host_); });
}

void CommandCore::EditorActivated() {
  Run(false, [&] { dictionaries_.EditorActivated(); });
}

bool CommandCore::EditorKeyDown(Key key, const EditorFields& fields) {
  const std::optional<EditorAction> action = DictionaryCommands::EditorKeyAction(key);
  if (action) RunEditorAction(*action, fields);
  return action.has_value();
}

void CommandCore::RunEditorAction(EditorAction action, const EditorFields& fields) {
  dictionaries_.TakeEditorFields(fields);
  // Help changes nothing the long command uses, so it answers also then.
  Run(action == EditorAction::Help, [&] { dictionaries_.RunEditorAction(action); });
}

void CommandCore::StatisticsActivated() {
  Run(false, [&] { dictionaries_.StatisticsActivated(); });
}

void CommandCore::MainWindowClosing() {
  if (!state_->puzzle.FillRunning) return;
  state_->puzzle.FillRunning = false;
  board_.DrawWordsAndNumbers();
}

}  // namespace gx
