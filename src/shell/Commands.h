#pragma once
// The main window's commands: every key, button and board mouse event the window receives is
// passed here, and this class decides what happens to the model, the window state and the board.
// The Qt window owns one Commands object and forwards its events without further logic.

#include <cstdint>
#include <string_view>

#include "board/BoardDrawing.h"
#include "core/Host.h"
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
  SpeedButton9,   // colour palette
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
  Commands(Gridlex& state, Host& host, BoardDrawing& board);
  virtual ~Commands() = default;
  Commands(const Commands&) = delete;
  Commands& operator=(const Commands&) = delete;

  // Keyboard preview of the main window (it sees keys before its controls).
  void KeyDown(Key key);
  // A character typed in the main window: Escape, Enter, Backspace or a letter (Windows-1251).
  void KeyPress(char character);

  // Mouse on the board paint box, in pixels of the board.
  void BoardMouseDown(int x, int y, MouseButton button);
  void BoardMouseMove(int x, int y);
  void BoardMouseUp(int x, int y, MouseButton button);
  void BoardDoubleClick();

  // The clue list's current row changed (by the user or by the program).
  void Grid1RowChanged(int row);

  void ButtonClick(Button button);
  // SpeedButton7 clears on mouse down rather than on click; the window calls this for it.
  void ButtonMouseDown(Button button);

  // Option controls of the settings panel.
  void CheckBoxChanged(int number, bool checked);  // CheckBox1..3
  void ComboBox2Changed(std::string_view text);    // Windows-1251
  void Edit1Changed(std::string_view text);
  void UpDown1Changing(int value);
  void Edit1FocusChanged(bool focused);

  // Closing the main window: stops a running fill.
  void MainWindowClosing();

  // Hint texts the window shows on its buttons (Windows-1251); some change with the state.
  std::string_view EraserButtonHint() const;

  Gridlex& State() { return state_; }

 private:
  Gridlex& state_;
  Host& host_;
  BoardDrawing& board_;
};

}  // namespace gx
