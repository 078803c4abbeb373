#include "shell/PuzzleHistory.h"

#include <string_view>
#include <utility>

namespace gx {

namespace {

// What stays as it is when a step comes back: the board's size on screen, the tool, and the
// flags of a stroke or a fill under way.
void CopyLiveFields(const Puzzle& from, Puzzle& to) {
  to.CellSize = from.CellSize;
  to.BoardRows = from.BoardRows;
  to.BoardCols = from.BoardCols;
  to.FillRunning = from.FillRunning;
  to.EraserOn = from.EraserOn;
  to.DragActive = from.DragActive;
  to.PencilDrew = from.PencilDrew;
  to.EraserDrew = from.EraserDrew;
  to.SelectMode = from.SelectMode;
  to.PlacedCount = from.PlacedCount;
  to.RewardShown = from.RewardShown;
}

// Where the user is in the puzzle: not a change by itself, but it comes back with a step, so that
// typing goes on in the word it was in and the answers show as they did.
void CopyPlace(const Puzzle& from, Puzzle& to) {
  to.PlayActive = from.PlayActive;
  to.AnswersShown = from.AnswersShown;
  to.CurrentWordX = from.CurrentWordX;
  to.CurrentWordY = from.CurrentWordY;
  to.CurrentWordLength = from.CurrentWordLength;
  to.CurrentWordVertical = from.CurrentWordVertical;
  to.TypedCount = from.TypedCount;
  to.TypedText = from.TypedText;
  to.Clues.SetCurrentRow(from.Clues.CurrentRow());
}

std::size_t TextBytes(const std::string& text) {
  // Short texts live inside the string itself.
  constexpr std::size_t kInline = 15;
  return text.capacity() > kInline ? text.capacity() + 1 : 0;
}

}  // namespace

bool SameCrossword(const Puzzle& a, const Puzzle& b) {
  Puzzle seen = b;
  CopyLiveFields(a, seen);
  // The board's drawing sets the list's row count to the slot count; the rows' texts are compared.
  seen.Clues.SetRowCount(a.Clues.RowCount());
  CopyPlace(a, seen);
  return seen == a;
}

PuzzleStep PuzzleHistory::Take(const Gridlex& state) {
  return PuzzleStep{state.puzzle, state.PuzzleTitle, state.window.Caption};
}

std::size_t PuzzleHistory::StepBytes(const PuzzleStep& step) {
  std::size_t bytes = sizeof(PuzzleStep) + TextBytes(step.title) + TextBytes(step.caption);
  for (int row = 0; row < ClueList::MaxRows; ++row) {
    bytes += TextBytes(step.puzzle.Clues.Cell(0, row)) + TextBytes(step.puzzle.Clues.Cell(1, row));
  }
  return bytes;
}

void PuzzleHistory::Begin(const Gridlex& state) {
  if (!open_) open_ = Take(state);
}

void PuzzleHistory::End(const Gridlex& state) {
  if (!open_ || state.puzzle.DragActive) return;
  PuzzleStep before = std::move(*open_);
  open_.reset();
  const bool new_puzzle = std::exchange(new_puzzle_, false);
  if (new_puzzle) Clear();
  if (SameCrossword(before.puzzle, state.puzzle)) return;
  for (const PuzzleStep& step : redo_) bytes_ -= StepBytes(step);
  redo_.clear();
  PushUndo(std::move(before));
}

void PuzzleHistory::StartNewPuzzle() {
  if (open_) {
    new_puzzle_ = true;
  } else {
    Clear();
  }
}

void PuzzleHistory::Clear() {
  undo_.clear();
  redo_.clear();
  bytes_ = 0;
}

void PuzzleHistory::PushUndo(PuzzleStep&& step) {
  bytes_ += StepBytes(step);
  undo_.push_back(std::move(step));
  Trim();
}

void PuzzleHistory::Trim() {
  while (!undo_.empty() && (undo_.size() + redo_.size() > MaxSteps || bytes_ > MaxBytes)) {
    bytes_ -= StepBytes(undo_.front());
    undo_.pop_front();
  }
}

void PuzzleHistory::Restore(Gridlex& state, PuzzleStep&& step) {
  CopyLiveFields(state.puzzle, step.puzzle);
  state.puzzle = std::move(step.puzzle);
  state.PuzzleTitle = std::move(step.title);
  state.window.Caption = std::move(step.caption);
}

bool PuzzleHistory::Undo(Gridlex& state) {
  if (undo_.empty() || open_) return false;
  PuzzleStep now = Take(state);
  bytes_ += StepBytes(now);
  redo_.push_back(std::move(now));
  PuzzleStep before = std::move(undo_.back());
  undo_.pop_back();
  bytes_ -= StepBytes(before);
  Restore(state, std::move(before));
  return true;
}

bool PuzzleHistory::Redo(Gridlex& state) {
  if (redo_.empty() || open_) return false;
  PuzzleStep now = Take(state);
  bytes_ += StepBytes(now);
  undo_.push_back(std::move(now));
  PuzzleStep after = std::move(redo_.back());
  redo_.pop_back();
  bytes_ -= StepBytes(after);
  Restore(state, std::move(after));
  return true;
}

}  // namespace gx
