#pragma once
// Keeps the solving of the puzzle on screen: its clock and, for a puzzle that was read from or
// written to a puzzle file, its progress file. The command core calls Sync after every input it
// runs (and after the start-up's load), so whatever command changed the letters or replaced the
// puzzle, the file follows: a new puzzle starts a new record, one just loaded gets its kept
// letters back, one just saved starts being kept. A built puzzle that was never saved keeps
// nothing.
//
// The clock runs only while the window is active and the puzzle is being solved (a finished
// crossword, answers hidden, no long command, not yet solved).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/Host.h"
#include "board/BoardDrawing.h"
#include "shell/Gridlex.h"
#include "shell/ProgressFile.h"

namespace gx {

class SolvingSession {
 public:
  // Milliseconds of a clock that never goes back.
  using Clock = std::function<std::int64_t()>;
  static std::int64_t SteadyMilliseconds();

  SolvingSession(Gridlex& state, Host& host, BoardDrawing& board)
      : state_(state), host_(host), board_(board), clock_(&SteadyMilliseconds) {}

  void SetClock(Clock clock) { clock_ = std::move(clock); }

  // After an input, with `busy` true while a long command still runs.
  void Sync(bool busy);
  // The main window became active or inactive: the clock follows, and what it counted is kept.
  void WindowActive(bool active, bool busy);
  // A second passed: the status strip shows the time anew.
  void Tick(bool busy);
  // The record of the puzzle on screen starts again from nothing (letters are the caller's).
  void Restart();
  // The program closes: what the clock counted is kept.
  void Close();

  std::int64_t ElapsedMs() const;
  bool Kept() const { return kept_; }

 private:
  void TakeNewPuzzle(std::string content, bool loaded);
  void Restore();
  void Rejoin();
  // The puzzle's progress file, remembered as written when it checks out.
  bool ReadKept(KeptSolving& kept);
  void UpdateClock(bool busy);
  void ShowTime();
  // Writes the kept progress when its letters changed, or, with `with_time`, when only its time did.
  void Save(bool with_time);
  bool Write(const KeptSolving& kept);
  bool KeepDamagedFileAside();

  Gridlex& state_;
  Host& host_;
  BoardDrawing& board_;
  Clock clock_;

  std::string content_;  // PuzzleContent of the puzzle the record belongs to; empty for none
  std::string key_;
  bool kept_ = false;
  // The last puzzle kept: the same crossword back on the board (an undo of what replaced it) is
  // kept again, its file's reveals and time with it.
  std::string kept_content_;
  bool damaged_ = false;         // its progress file did not check out and has not been kept aside
  bool failure_reported_ = false;
  bool file_exists_ = false;     // a progress file of this puzzle was read or written
  KeptSolving written_;          // what the file holds as last written or read
  std::string written_letters_;  // the same without its time
  std::uint32_t loads_seen_ = 0;
  std::uint32_t saves_seen_ = 0;
  bool active_ = false;
  std::optional<std::int64_t> running_since_;
};

}  // namespace gx
