#pragma once
// What the window reports to the command core: keys, typed characters, mouse buttons and the
// controls of the main window by what they do. The Qt side maps its own codes onto these.

#include <cstdint>

namespace gx {

// Keys the window reports through KeyDown.
enum class Key : std::uint8_t {
  Other = 0,
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
  Delete,
  ShiftF7,
  ShiftF9,      // check the current word
  ShiftF12,     // reveal the letter under the cursor
  ShiftDelete,  // start the puzzle's solving again
};

// Characters the window reports through KeyPress besides letters (Windows-1251 bytes).
constexpr char kBackspace = 8;
constexpr char kEnter = 13;
constexpr char kEscape = 27;

enum class MouseButton : std::uint8_t { Left, Right, Middle };

// The buttons of the main window. Keep the order: the window names each button's widget after
// its place in this list.
enum class Button : std::uint8_t {
  Help,
  LoadPuzzle,
  SavePuzzle,
  BuildOrStop,
  Print,
  ShowAnswers,  // show / hide
  ClearBoard,   // acts on mouse down
  PencilOrEraser,
  Palette,
  Tally,
  HtmlExport,
  CloseSettings,
  OpenSettings,
  ChooseDictionary,
  DictionaryStatistics,
  RefillOrStop,
  EditDictionary,
  NewDictionary,
  PlayablePage,  // a page to solve in a browser
  FillAround,  // fill around the placed letters / stop
  StartOver,     // the solving of the puzzle from nothing
  CheckWord,     // the wrong letters of the current word
  RevealLetter,  // the letter under the cursor
  Undo,          // the puzzle before its last change
  Redo,          // the change undone last, again
};

// The check boxes of the settings panel.
enum class CheckBox : std::uint8_t {
  NumberedExport,  // HTML and GIF export under numbered names
  Kaleidoscope,
  Sound,
};

}  // namespace gx
