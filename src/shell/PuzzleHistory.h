#pragma once
// Undo and redo of the puzzle's changes. The command core takes a copy of the puzzle before each
// input it runs and keeps it as a step when the input changed the crossword, so every command
// that changes the puzzle is covered without knowing of the history. A mouse stroke, from press
// to release, is one step. The dictionary is no part of it: a fill moves the words it used to
// the end of the dictionary, and an undo leaves them there.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "core/Puzzle.h"
#include "shell/Gridlex.h"

namespace gx {

// The puzzle as it was at one step, with the title and the caption it had then.
struct PuzzleStep {
  Puzzle puzzle;
  std::string title;
  std::string caption;
};

// True when the two hold the same crossword: cells, slots, answers, clues, typed entries and the
// modified mark. What only shows or steers it (the current word and its cursor, answers shown,
// the solving state, pencil or eraser, the board's size on screen, a stroke or fill under way)
// is not compared.
bool SameCrossword(const Puzzle& a, const Puzzle& b);

class PuzzleHistory {
 public:
  // Both bounds hold at once; a step with every clue at its longest takes about 110 kB, so the
  // byte bound still leaves more than a hundred of them.
  static constexpr std::size_t MaxSteps = 200;
  static constexpr std::size_t MaxBytes = std::size_t{16} << 20;

  // Before an input: the puzzle as it stands, unless a step is already open (a stroke).
  void Begin(const Gridlex& state);
  // After the input: keeps the step when the crossword changed, unless a stroke goes on.
  void End(const Gridlex& state);
  // The running input makes another puzzle (a load, a build): the steps before it are dropped,
  // and its own change is the first step of the new history. Outside an input (the start-up
  // load) the history is simply emptied.
  void StartNewPuzzle();
  void Clear();

  // The puzzle goes back to the step before, or forward to the one undone last; false when
  // there is none. The live flags of a stroke, a fill and the tool stay as they are.
  bool Undo(Gridlex& state);
  bool Redo(Gridlex& state);

  std::size_t UndoCount() const { return undo_.size(); }
  std::size_t RedoCount() const { return redo_.size(); }
  // The memory the kept steps take, as counted against MaxBytes.
  std::size_t Bytes() const { return bytes_; }

 private:
  static PuzzleStep Take(const Gridlex& state);
  static std::size_t StepBytes(const PuzzleStep& step);
  static void Restore(Gridlex& state, PuzzleStep&& step);
  void PushUndo(PuzzleStep&& step);
  void Trim();

  std::deque<PuzzleStep> undo_;  // oldest first
  std::deque<PuzzleStep> redo_;  // the next redo last
  std::optional<PuzzleStep> open_;
  bool new_puzzle_ = false;
  std::size_t bytes_ = 0;
};

}  // namespace gx
