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
  int ProgressPosition = 0;  // 0..kProgressScale
  bool ProgressVisible = false;
  std::string ClueLineText;  // the clue of the current word, under the board
  bool ClueLineVisible = false;
  std::string DictionaryLineText;  // the dictionary's name and size
  std::string TallyText;           // the tally message
  bool TallyVisible = false;
  bool RewardVisible = false;  // the reward picture over the board
  std::string SolvingTimeText;  // the solving time of the puzzle on screen; empty without one

  // Read by the commands, kept up to date by the front end.
  bool MinCellsFocused = false;   // the minimum-cells field has the keyboard focus
  std::string FillAttemptsText;   // fill attempts as shown
  std::string MinCellsText;       // minimum cells as shown
  int SpinnerPosition = 4;        // the minimum-cells spinner
  int StatusStripWidth = 515;     // the status strip under the board; fixes how much of a clue shows

  // Written by the commands, shown by the front end.
  bool RightBarVisible = true;        // the right button bar; the settings panel takes its place
  bool SettingsPanelVisible = false;
  bool ClueListVisible = true;
  int ClueListFocusRequests = 0;  // raised each time the clue list should take the keyboard focus
  int ShowWholePuzzleRequests = 0;  // raised by each load: the window grows, if it can, to show it
  int ClueLineLeft = 16;
  std::uint32_t ClueLineColor = 0x800000;  // navy, red in the low byte
  std::string ScoreText;  // 3 characters right-aligned
  std::string EraserButtonHint;  // the pencil / eraser button's hint
  bool AdvertVisible = false;  // the advertisement window
  std::string AdvertCaption;

  // The one way a command asks for another window: a count raised per request, shown by the
  // front end whenever it differs from the count it last saw.
  std::array<int, SecondaryWindowCount> ShowRequests{};
  void RequestShow(SecondaryWindow window) { ++ShowRequests[static_cast<std::size_t>(window)]; }
  int ShowRequestsOf(SecondaryWindow window) const { return ShowRequests[static_cast<std::size_t>(window)]; }
};

}  // namespace gx
