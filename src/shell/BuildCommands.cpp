// The build (F5) and refill (F7) commands as the main window runs them: the dictionary first,
// the grid, the fill with its progress, and the finish that shows the result. Both also serve as
// the stop of a running fill.

#include <string>

#include "core/BuildLogic.h"
#include "core/EngineTexts.h"
#include "core/Extraction.h"
#include "core/FillEngine.h"
#include "core/Generator.h"
#include "files/DictionaryFile.h"
#include "base/FileIo.h"
#include "shell/Commands.h"

namespace gx {

namespace {

// Clears a flag when a scope ends, however it ends.
class FlagGuard {
 public:
  explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagGuard() { flag_ = false; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& flag_;
};

void EmptyEntries(Puzzle& puzzle) {
  for (AnswerText& entry : puzzle.SlotEntry) entry.Clear();
}

}  // namespace

bool Commands::LoadDictionary() {
  DictionaryStore& store = state_.dictionary;
  std::string path;
  if (const FileError error = DictionaryFilePath(state_, path)) {
    // As any load that fails: the store keeps its words, and they pass for no file's changes.
    store.DictionaryModified = 0;
    host_.ShowError(error.Text());
    return false;
  }
  DictionaryLoadResult result;
  {
    FlagGuard loading(loading_dictionary_);
    result = ::gx::LoadDictionary(store, path, state_.window, host_);
  }
  if (result.error) {
    host_.ShowError(result.error.Text());
    return false;
  }
  ShowNotices(result.notices);
  return true;
}

bool Commands::EnsureDictionary() { return state_.dictionary.DictionaryLoaded == 1 || LoadDictionary(); }

bool Commands::GenerateAcceptableGrid() {
  // The minimum is held within reach, the number of grids per build is bounded, and the stop
  // keys end the generation too: even a reachable minimum may take long on a small board.
  const std::uint8_t min_slots = BoundedMinSlotCount(state_.settings.MinSlotCount);
  stop_generation_ = false;
  for (unsigned generation = 0; generation < kDefaultMaxGenerations; ++generation) {
    const GridSearch search = ::gx::GenerateAcceptableGrid(state_.puzzle, random_, host_, min_slots, 1);
    if (stop_generation_) return false;
    if (search.outcome == GridSearchOutcome::Accepted) return true;
    if (search.outcome == GridSearchOutcome::DrawsExhausted) return false;
  }
  return false;
}

// Both commands start by hiding the reward; while a fill runs, a press of either is its stop.
bool Commands::HideRewardOrStopFill() {
  state_.puzzle.RewardShown = 0;
  state_.window.Image2Visible = false;
  state_.window.Label2Visible = false;
  if (state_.puzzle.FillRunning != 1) return false;
  state_.puzzle.FillRunning = 0;
  return true;
}

void Commands::BuildCommand() {
  Puzzle& puzzle = state_.puzzle;
  WindowState& window = state_.window;
  if (!EnsureDictionary()) return;
  // OK sends the user back to the grid; Cancel builds over it.
  if (puzzle.GridModified == 1 && host_.Confirm(texts::FinishGridFirst(), DefaultButton::Ok)) return;
  if (HideRewardOrStopFill()) return;
  {
    // Events are processed while the grid is made; no press may start a build inside this one.
    FlagGuard generating(generating_);
    // The new grid gets the board the window offers, not one a larger old puzzle needed.
    puzzle.ResetBoard();
    board_.DrawEmptyBoard();
    puzzle.AnswersShown = 0;
    EmptyEntries(puzzle);
    window.Caption = texts::BuildingGrid();
    window.Grid1Visible = false;
    if (!GenerateAcceptableGrid()) {
      puzzle.ResetBoard();
      board_.DrawEmptyBoard();
      window.Grid1Visible = true;
      window.Label1Visible = false;  // the clue line belonged to the puzzle that is gone
      window.Caption = texts::BuildAborted();
      media_.PlaySound("e3");
      puzzle.EraserOn = 0;
      window.SpeedButton8Hint = std::string(Editor::EraserHint(false));
      return;
    }
    window.Caption = texts::NewGridFilling();
    window.Label1Visible = false;
    window.ProgressVisible = true;
    window.Grid1Visible = true;
    PruneUnusedCells(puzzle);
    ClearLettersAndAnswers(puzzle, host_);
    host_.ProcessEvents();
    ClassifyCells(puzzle);
    ExtractSlots(puzzle);
  }
  if (puzzle.SlotCount > kMaxGeneratedSlots) {
    window.ProgressVisible = false;
    return;
  }
  board_.DrawWordsAndNumbers();
  if (puzzle.SlotCount >= kMinAcceptedSlots) {
    FillRun run{puzzle, state_.dictionary, window, host_, board_, state_.settings.Colors,
                state_.settings.MaxFillAttempts};
    FillAndRequeue(run);
  }
  FinishFill();
}

void Commands::RefillCommand() {
  Puzzle& puzzle = state_.puzzle;
  WindowState& window = state_.window;
  if (!EnsureDictionary()) return;
  if (HideRewardOrStopFill()) return;
  if (puzzle.SlotCount < kMinAcceptedSlots) {
    window.Caption = texts::TooFewCells();
    return;
  }
  puzzle.AnswersShown = 0;
  EmptyEntries(puzzle);
  window.Caption = texts::Filling();
  ClassifyCells(puzzle);
  ExtractSlots(puzzle);
  if (puzzle.SlotCount > kMaxRefillSlots) return;
  window.Caption = texts::GridOfSlots(puzzle.SlotCount);
  board_.DrawWordsAndNumbers();

  bool too_long = false;
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    if (puzzle.SlotLength[static_cast<std::size_t>(k)] <= kMaxRefillSlotLength) continue;
    board_.DrawSlotCells(static_cast<std::uint8_t>(k), state_.settings.Colors.WrongWordColor);
    too_long = true;
  }
  if (too_long) {
    window.Caption = texts::SlotsTooLong();
    return;
  }
  {
    FlagGuard preparing(generating_);
    window.Label1Visible = false;
    window.ProgressVisible = true;
    host_.ProcessEvents();
    ClearLettersAndAnswers(puzzle, host_);
  }
  FillRun run{puzzle, state_.dictionary, window, host_, board_, state_.settings.Colors,
              state_.settings.MaxFillAttempts};
  FillAndRequeue(run);
  FinishFill();
  window.AdvertVisible = false;
}

void Commands::FinishFill() {
  Puzzle& puzzle = state_.puzzle;
  WindowState& window = state_.window;
  window.ProgressVisible = false;
  board_.DrawWordsAndNumbers();
  const bool complete = puzzle.FillRunning == 1;
  if (complete) {
    state_.PuzzleTitle = texts::NewCrossword(puzzle.SlotCount);
    window.Caption = state_.PuzzleTitle;
    puzzle.PlayActive = 1;
  } else {
    window.Caption = texts::BuildAborted();
  }
  puzzle.CurrentWordX = puzzle.SlotX[1];
  puzzle.CurrentWordY = puzzle.SlotY[1];
  puzzle.CurrentWordLength = puzzle.SlotLength[1];
  puzzle.CurrentWordVertical = puzzle.SlotVertical[1];
  puzzle.TypedText.Clear();
  puzzle.TypedCount = 0;
  if (complete) {
    media_.PlaySound("e4");
    puzzle.GridModified = 0;
  } else {
    media_.PlaySound("e3");
    // The answers placed so far stay on the board but have no clues.
    for (int row = 0; row < puzzle.SlotCount; ++row) puzzle.Grid1.SetCell(1, row, {});
  }
  puzzle.FillRunning = 0;
  selection_.MakeSlotOneCurrent();
  ++window.Grid1FocusRequests;
  puzzle.EraserOn = 0;
  window.SpeedButton8Hint = std::string(Editor::EraserHint(false));
}

void Commands::LatticeCommand() {
  state_.puzzle.ResetBoard();  // the lattice covers the board the window offers
  board_.DrawEmptyBoard();
  LatticeTemplate(state_.puzzle, random_, state_.window);
  board_.DrawWordsAndNumbers();
}

}  // namespace gx
