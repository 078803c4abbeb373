#pragma once
// The command core: the whole program without its window. It owns the state, draws the board on
// the canvas it is given, runs every command of the main window, the start-up and the close, and
// decides what may run while a long command runs. The Qt window maps its input to the calls here
// and shows WindowState after each; the batch tool runs build and refill through the same core
// with a host and a canvas that do nothing. Commands are grouped by what they work on, each group
// in its own file; this class routes the input to them.

#include <memory>
#include <string>
#include <string_view>

#include "base/Canvas.h"
#include "base/Host.h"
#include "core/RandomSource.h"
#include "shell/BuildCommands.h"
#include "shell/ClueCommands.h"
#include "shell/CommandParts.h"
#include "shell/DictionaryCommands.h"
#include "shell/Gridlex.h"
#include "shell/Input.h"
#include "shell/KeyCommands.h"
#include "shell/LongCommands.h"
#include "shell/OptionCommands.h"
#include "shell/OutputCommands.h"
#include "shell/PuzzleCommands.h"
#include "shell/SolvingCommands.h"
#include "shell/SolvingSession.h"
#include "shell/PuzzleHistory.h"
#include "shell/Startup.h"

namespace gx {

namespace cli {
class BatchCore;
}
struct CommandCoreTestDoor;

class CommandCore {
 public:
  // program_dir is the folder whose data/, pic/, snd/ and rek/ the program uses.
  CommandCore(std::string program_dir, Host& host, Canvas& canvas, RandomSource& random);
  CommandCore(const CommandCore&) = delete;
  CommandCore& operator=(const CommandCore&) = delete;

  // The main window's creation and close (see Startup.h). Close is false after a failed
  // write has been reported: the window must stay open.
  void Start(const PrinterQuery& printer, const std::string& start_puzzle = {});
  bool Close();

  // The room the window offers the board, in pixels: the next new grid gets a board this size.
  void SetBoardRoom(int width, int height) { board_.SetPaintSize(width, height); }
  // The board's picture is to be drawn again from the model: made anew, shown or uncovered again.
  void RepaintBoard() { board_.Repaint(); }
  // The status strip under the board changed width: the clue line shows as much as now fits.
  void StatusStripResized(int width);
  // A modal window over the main one closed. The board's picture keeps what was drawn, so it is
  // drawn again from the model as the running command ends (at once when none runs).
  void ModalWindowClosed();

  // The keyboard preview of the main window (it sees keys before its controls).
  void KeyDown(Key key);
  // A character typed in the main window: Escape, Enter, Backspace or a letter (Windows-1251).
  void KeyPress(char character);

  // Mouse on the board, in pixels of the board. Any button draws and selects.
  void BoardMouseDown(int x, int y, MouseButton button);
  void BoardMouseMove(int x, int y);
  void BoardMouseUp(int x, int y, MouseButton button);
  // A double click arrives instead of the second press; the window reports the press after it.
  void BoardDoubleClick();

  // The clue list's current row changed by the user; setting the row it already has does nothing.
  // A refused change leaves the model's row, which the window shows again.
  void ClueChosen(int row);

  void ButtonClick(Button button);
  // The clear button clears on mouse down rather than on click.
  void ButtonMouseDown(Button button);

  // The controls of the settings panel; the text typed is kept as shown.
  void FillAttemptsChanged(std::string_view text);
  void MinCellsChanged(std::string_view text);
  void SpinnerMoved(int position);
  void SpinnerStep(int delta);
  void CheckBoxChanged(CheckBox box, bool checked) { options_.CheckBoxChanged(box, checked); }
  void MinCellsFocusChanged(bool focused) { state_->window.MinCellsFocused = focused; }
  void MainWindowActivated();
  // The main window lost the keyboard to another window: the solving clock stops meanwhile.
  void MainWindowDeactivated();
  // Once a second while the window is open: the status strip's solving time is shown anew.
  void ClockTick();
  // The clock the solving time is counted on (milliseconds that never go back); tests set their own.
  void SetSolvingClock(SolvingSession::Clock clock) { session_.SetClock(std::move(clock)); }
  const SolvingSession& Session() const { return session_; }
  // The advertisement window was closed by its close box: it stays closed.
  void AdvertWindowClosed() { state_->window.AdvertVisible = false; }
  // Closing the main window: stops a running fill and draws what it placed.
  void MainWindowClosing();

  // The palette window: a click on the panel of colour row `row` asks for that colour.
  void PaletteRowClicked(int row);
  const Palette& Colors() const { return state_->settings.Colors; }

  // The dictionary editor window: its activation, a key it sees before its fields (true when
  // the key is one of its commands, which then goes no further) and its buttons. The fields are
  // taken as the user left them; the window shows the editor's fields afterwards.
  void EditorActivated();
  bool EditorKeyDown(Key key, const EditorFields& fields);
  void RunEditorAction(EditorAction action, const EditorFields& fields);
  const DictionaryEditor& DictionaryEditorView() const { return dictionaries_.Editor(); }
  // The statistics window's activation counts the words afresh.
  void StatisticsActivated();
  const DictionaryStatistics& Statistics() const { return dictionaries_.Statistics(); }

  // Loads as start-up does (see PuzzleCommands and BuildCommands).
  bool LoadPuzzle() { return Synced(puzzles_.LoadPuzzle()); }
  bool LoadPuzzleAt(const std::string& path) { return Synced(puzzles_.LoadPuzzleAt(path)); }
  bool LoadNamedFile(const std::string& path) { return Synced(puzzles_.LoadNamedFile(path)); }
  bool LoadDictionary() { return builds_.LoadDictionary(); }

  // Ctrl+Z and Ctrl+Shift+Z (or Ctrl+Y): the puzzle goes back to before its last change, or
  // forward again. Nothing happens during a stroke or a long command.
  void Undo();
  void Redo();

  // The clue list: a clue edited in place (Windows-1251 text without its leading space), and the
  // row's word with its clue written to the dictionary. Both refused during a long command.
  void EditClue(int row, std::string_view text);
  void WriteClueToDictionary(int row);
  bool ClueEditable(int row) const { return !Busy() && clues_.Editable(row); }
  bool CanUndo() const { return history_.UndoCount() > 0; }
  bool CanRedo() const { return history_.RedoCount() > 0; }
  const PuzzleHistory& History() const { return history_; }

  // A fill, a dictionary load or a grid generation is running: every command but the ones that
  // stop it is refused meanwhile, whichever window it comes from.
  bool Busy() const { return long_commands_.Busy(); }

  // What the window shows and draws. The state changes only through the commands above; the
  // batch tool sets up its runs through cli::BatchCore, and tests theirs through
  // CommandCoreTestDoor (tests/support).
  const Gridlex& State() const { return *state_; }
  const BoardDrawing& Board() const { return board_; }

 private:
  friend class cli::BatchCore;
  friend struct CommandCoreTestDoor;

  // Runs one input: refused while a long command runs inside an earlier input, unless it may act
  // then (see LongCommands); the board is drawn again from the model as the outermost one ends
  // when it is stale. An outermost input that changed the crossword is a step of its history.
  // Inputs that only move through the history are not themselves kept in it.
  enum class Recorded : bool { No, Yes };
  template <typename F>
  void Run(bool allowed_while_busy, F&& command, Recorded recorded = Recorded::Yes);
  void StepThroughHistory(bool (PuzzleHistory::*step)(Gridlex&));
  void RepaintStaleBoard();
  // The solving record follows a load made outside an input (start-up, a later start's file).
  bool Synced(bool result) {
    if (depth_ == 0) session_.Sync(Busy());
    return result;
  }
  void Press(Key key);

  std::unique_ptr<Gridlex> state_;
  Host& host_;
  BoardDrawing board_;
  WordMedia media_;
  WordSelection selection_;
  Editor editor_;
  LetterEntry letters_;
  LetterPlacing placing_;
  Tally tally_;
  LongCommands long_commands_;
  PuzzleHistory history_;
  CommandParts parts_;
  SolvingSession session_;
  SolvingCommands solving_;
  BuildCommands builds_;
  PuzzleCommands puzzles_;
  OptionCommands options_;
  OutputCommands output_;
  KeyCommands keys_;
  DictionaryCommands dictionaries_;
  ClueCommands clues_;
  int depth_ = 0;
  bool board_covered_ = false;
};

}  // namespace gx
