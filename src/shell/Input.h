#pragma once
// What the window reports to the command core: keys, typed characters, mouse buttons and the
// controls of the main window by their design names. The Qt side maps its own codes onto these.

#include <cstdint>

namespace gx {

// Keys the window reports through KeyDown.
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

// The buttons of the main window.
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

// The check boxes of the settings panel.
enum class CheckBox : std::uint8_t {
  CheckBox1,  // numbered HTML and GIF export
  CheckBox2,  // kaleidoscope
  CheckBox3,  // sound
};

}  // namespace gx
