#pragma once
// What commands change in the main window besides the board: plain state that the logic writes
// and the front end shows. Texts are Windows-1251 bytes.

#include <array>
#include <cstdint>
#include <string>

namespace gx {

// The windows besides the main one that a command may ask to be shown (and activated).
enum class SecondaryWindow : std::uint8_t { Statistics, Editor, Palette };
constexpr std::size_t SecondaryWindowCount = 3;

struct WindowState {
  std::string Caption;
  int ProgressPosition = 0;  // ProgressBar1, 0..kProgressScale
  bool ProgressVisible = false;
  std::string Label1Text;    // the clue line
  bool Label1Visible = false;
  std::string Label6Text;    // the dictionary line
  std::string Label2Text;    // the tally message
  bool Label2Visible = false;
  bool Image2Visible = false;  // the reward picture over the board

  // Read by the commands, kept up to date by the front end.
  bool Edit1Focused = false;   // the minimum-cells field has the keyboard focus
  std::string ComboBox2Text;   // fill attempts as shown
  std::string Edit1Text;       // minimum cells as shown
  int UpDown1Position = 4;
  int Bevel5Width = 515;       // the status strip under the board; fixes how much of a clue shows

  // Written by the commands, shown by the front end.
  bool Panel1Visible = true;   // the button bar
  bool Panel2Visible = false;  // the settings panel
  bool Grid1Visible = true;
  int Grid1FocusRequests = 0;  // raised each time the clue list should take the keyboard focus
  int ShowWholePuzzleRequests = 0;  // raised by each load: the window grows, if it can, to show it
  int Label1Left = 16;
  std::uint32_t Label1FontColor = 0x800000;  // navy, red in the low byte
  std::string Label3Text;      // the score, 3 characters right-aligned
  std::string SpeedButton8Hint;
  bool AdvertVisible = false;  // the advertisement window
  std::string AdvertCaption;

  // The one way a command asks for another window: a count raised per request, shown by the
  // front end whenever it differs from the count it last saw.
  std::array<int, SecondaryWindowCount> ShowRequests{};
  void RequestShow(SecondaryWindow window) { ++ShowRequests[static_cast<std::size_t>(window)]; }
  int ShowRequestsOf(SecondaryWindow window) const { return ShowRequests[static_cast<std::size_t>(window)]; }
};

}  // namespace gx
