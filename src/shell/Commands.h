#pragma once
// The main window's commands: every key, button and board mouse event the window receives is
// passed here, and this class decides what happens to the model, the window state and the board.
// The Qt window owns one Commands object and forwards its events without further logic.
//
// Long commands (dictionary load, grid generation, fill) let the window process events from
// inside. Presses arriving then are filtered here: during a fill only the stop presses act, and
// nothing starts a second long command inside a running one.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "board/BoardDrawing.h"
#include "board/LetterEntry.h"
#include "board/Tally.h"
#include "board/WordMedia.h"
#include "board/WordSelection.h"
#include "board/Editor.h"
#include "base/Host.h"
#include "core/RandomSource.h"
#include "shell/DictionaryCommands.h"
#include "shell/Gridlex.h"

namespace gx {

// Keys the window reports through KeyDown. The Qt side maps its own key codes onto these.
enum class Key : std::uint8_t {
  Other = 0,
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
  Delete,
};

// Characters the window reports through KeyPress besides letters (Windows-1251 bytes).
constexpr char kBackspace = 8;
constexpr char kEnter = 13;
constexpr char kEscape = 27;

enum class MouseButton : std::uint8_t { Left, Right, Middle };

// The buttons of the main window by their design names.
enum class Button : std::uint8_t {
  SpeedButton1,   // help
  SpeedButton2,   // load puzzle
  SpeedButton3,   // save puzzle
  SpeedButton4,   // build / stop
  SpeedButton5,   // print
  SpeedButton6,   // show / hide answers
  SpeedButton7,   // clear the board (acts on mouse down)
  SpeedButton8,   // pencil / eraser
  SpeedButton9,   // colour palette (shown through the host)
  SpeedButton10,  // tally
  SpeedButton11,  // HTML export
  SpeedButton12,  // close the settings panel
  SpeedButton13,  // open the settings panel
  SpeedButton14,  // choose a dictionary
  SpeedButton15,  // dictionary statistics
  SpeedButton16,  // refill / stop
  SpeedButton17,  // dictionary editor
  SpeedButton18,  // new dictionary
};

class Commands {
 public:
  Commands(Gridlex& state, Host& host, BoardDrawing& board, RandomSource& random);
  Commands(const Commands&) = delete;
  Commands& operator=(const Commands&) = delete;

  // Keyboard preview of the main window (it sees keys before its controls).
  void KeyDown(Key key);
  // A character typed in the main window: Escape, Enter, Backspace or a letter (Windows-1251).
  void KeyPress(char character);

  // Mouse on the board paint box, in pixels of the board. Any button draws and selects.
  void BoardMouseDown(int x, int y, MouseButton button);
  void BoardMouseMove(int x, int y);
  void BoardMouseUp(int x, int y, MouseButton button);
  void BoardDoubleClick();

  // The clue list's current row changed by the user; setting the row it already has does nothing.
  void Grid1RowChanged(int row);

  void ButtonClick(Button button);
  // SpeedButton7 clears on mouse down rather than on click; the window calls this for it.
  void ButtonMouseDown(Button button);

  // Option controls of the settings panel. CheckBox1..3 are Settings::NumberedExport,
  // KaleidoscopeBox and SoundOn, which the window keeps up to date itself.
  void ComboBox2Changed(std::string_view text);
  void Edit1Changed(std::string_view text);
  void UpDown1Changing(int position);
  void Edit1FocusChanged(bool focused) { state_.window.Edit1Focused = focused; }
  void MainWindowActivated() { state_.settings.HelpContext = 0; }

  // Closing the main window: stops a running fill and draws what it placed.
  void MainWindowClosing();

  // The load of the file named PuzzleFileName, as at start-up and by the load command. False
  // when reading failed with an input/output error (already reported); a missing file is only
  // pointed out and counts as done.
  bool LoadPuzzle();
  // The same load from a puzzle file anywhere, as named on the command line; PuzzleFileName is
  // the name the caption shows.
  bool LoadPuzzleAt(const std::string& path);
  // Loads the current dictionary with progress, the small-dictionary notice and the dictionary
  // line. False (after reporting) when it could not be read; the store is then unchanged.
  bool LoadDictionary();

  // Whether a fill, a dictionary load or a grid generation is running; other windows should
  // refuse their commands meanwhile.
  bool Busy() const;

  Gridlex& State() { return state_; }
  // The dictionary buttons of the settings panel and the editor and statistics windows.
  DictionaryCommands& Dictionaries() { return dictionary_commands_; }

 private:
  void Press(Key key);
  void RunKey(Key key);
  void Escape();
  void ClosePanel2();
  void BuildCommand();
  void RefillCommand();
  bool GenerateAcceptableGrid();
  bool HideRewardOrStopFill();
  void FinishFill();
  void LatticeCommand();
  void LoadPuzzleCommand();
  void SavePuzzleCommand();
  bool EnsureDictionary();
  void ShowNotices(const std::vector<std::string>& notices);

  Gridlex& state_;
  Host& host_;
  BoardDrawing& board_;
  RandomSource& random_;
  WordMedia media_;
  WordSelection selection_;
  Editor editor_;
  LetterEntry letters_;
  Tally tally_;
  bool loading_dictionary_ = false;
  bool generating_ = false;
  bool stop_generation_ = false;
  DictionaryCommands dictionary_commands_{state_, host_, *this};
};

}  // namespace gx
