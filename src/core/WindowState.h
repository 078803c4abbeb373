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
};

}  // namespace gx
