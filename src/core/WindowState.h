#pragma once
// What commands change in the main window besides the board: plain state that the logic writes
// and the front end shows. Texts are Windows-1251 bytes.

#include <string>

namespace gx {

struct WindowState {
  std::string Caption;
  int ProgressPosition = 0;  // ProgressBar1, 0..1000
  bool ProgressVisible = false;
  std::string Label1Text;    // the clue line
  bool Label1Visible = false;
  std::string Label6Text;    // the dictionary line
  std::string Label2Text;    // the tally message
  bool Label2Visible = false;
  bool Image2Visible = false;  // the reward picture over the board
};

}  // namespace gx
