// The build (F5) and refill (F7) commands as the main window runs them: the dictionary first,
// the grid, the fill with its progress, and the finish that shows the result. Both also serve as
// the stop of a running fill.

#include <algorithm>
#include <array>
#include <string>

#include "core/EngineTexts.h"
#include "core/Extraction.h"
#include "core/FillEngine.h"
#include "core/Generator.h"
#include "files/DictionaryFile.h"
#include "files/FileIo.h"
#include "shell/Commands.h"

namespace gx {

namespace {

constexpr int kMaxGeneratedSlots = 128;
constexpr int kMaxRefillSlots = 250;
constexpr int kMinSlots = 4;
constexpr int kLongestRefillSlot = 19;

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

void EmptyAnswersAndLetters(Puzzle& puzzle) {
  puzzle.CellLetter.fill(NoLetter);
  for (AnswerText& answer : puzzle.SlotAnswer) answer.Clear();
}

// A generated grid is kept when its slot count lies between the minimum and 128 and keeps the
// four-fold symmetry count: a multiple of 4, or 2 more when the centre cell is part of the grid.
bool AcceptableGrid(const Puzzle& puzzle, int min_slots) {
  const int count = puzzle.SlotCount;
  if (count < min_slots || count > kMaxGeneratedSlots) return false;
  const bool centre = puzzle.Mask((puzzle.BoardCols & 0xFF) / 2, (puzzle.BoardRows & 0xFF) / 2) != Background;
  return centre ? (count - 2) % 4 == 0 : count % 4 == 0;
}

}  // namespace

bool Commands::LoadDictionary() {
  DictionaryStore& store = state_.dictionary;
  DictionaryLoadResult result;
  {
    FlagGuard loading(loading_dictionary_);
    const std::string path = JoinPath(JoinPath(state_.settings.ProgramDir, "data"), store.DictionaryName.str());
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
  // A minimum above 128 could never be met; it is taken as 128. Generation can also be stopped
  // with the stop keys, since even a reachable minimum may take very long on a small board.
  const int min_slots = std::min<int>(state_.settings.MinSlotCount, kMaxGeneratedSlots);
  stop_generation_ = false;
  while (!stop_generation_) {
    if (GenerateGrid(state_.puzzle, random_, host_) == GenerateStatus::DrawsExhausted) return false;
    if (AcceptableGrid(state_.puzzle, min_slots)) return true;
  }
  return false;
}

void Commands::PruneUnslottedCells() {
  Puzzle& puzzle = state_.puzzle;
  std::array<bool, BoardStorage * BoardStorage> in_slot{};
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    for (int t = 0; t < puzzle.SlotLength[static_cast<std::size_t>(k)]; ++t) {
      const int x = puzzle.SlotCellX(k, t);
      const int y = puzzle.SlotCellY(k, t);
      if (Puzzle::OnStorage(x, y)) in_slot[static_cast<std::size_t>(Puzzle::Index(x, y))] = true;
    }
  }
  auto relax = [&](int x, int y) {
    if (puzzle.Mask(x, y) == CrossingCell) puzzle.SetMask(x, y, GridCell);
  };
  const int rows = puzzle.BoardRows & 0xFF;
  const int cols = puzzle.BoardCols & 0xFF;
  for (int x = 0; x <= cols; ++x) {
    for (int y = 0; y <= rows; ++y) {
      if (puzzle.Mask(x, y) == Background || !Puzzle::OnStorage(x, y)) continue;
      if (in_slot[static_cast<std::size_t>(Puzzle::Index(x, y))]) continue;
      puzzle.SetMask(x, y, Background);
      if (x > 0) relax(x - 1, y);
      if (y > 0) relax(x, y - 1);
      relax(x + 1, y);
      relax(x, y + 1);
    }
  }
}

void Commands::BuildCommand() {
  Puzzle& puzzle = state_.puzzle;
  WindowState& window = state_.window;
  if (!EnsureDictionary()) return;
  // OK sends the user back to the grid; Cancel builds over it.
  if (puzzle.GridModified == 1 && host_.Confirm(texts::FinishGridFirst())) return;
  puzzle.RewardShown = 0;
  window.Image2Visible = false;
  window.Label2Visible = false;
  if (puzzle.FillRunning == 1) {
    puzzle.FillRunning = 0;
    return;
  }
  {
    // Events are processed while the grid is made; no press may start a build inside this one.
    FlagGuard generating(generating_);
    board_.DrawEmptyBoard();
    puzzle.AnswersShown = 0;
    EmptyEntries(puzzle);
    window.Caption = texts::BuildingGrid();
    window.Grid1Visible = false;
    if (!GenerateAcceptableGrid()) {
      puzzle.ResetBoard();
      board_.DrawEmptyBoard();
      window.Grid1Visible = true;
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
    PruneUnslottedCells();
    host_.ProcessEvents();
    EmptyAnswersAndLetters(puzzle);
    host_.ProcessEvents();
    ClassifyCells(puzzle);
    ExtractSlots(puzzle);
  }
  if (puzzle.SlotCount > kMaxGeneratedSlots) {
    window.ProgressVisible = false;
    return;
  }
  board_.DrawWordsAndNumbers();
  if (puzzle.SlotCount >= kMinSlots) {
    FillRun run{puzzle, state_.dictionary, window, host_, board_, state_.settings.Colors,
                state_.settings.MaxFillAttempts};
    FillSlots(run);
    RequeueUsedWords(puzzle, state_.dictionary);
    if (puzzle.PlacedCount < puzzle.SlotCount && puzzle.FillRunning == 1) puzzle.FillRunning = 0;
  }
  FinishFill();
}

void Commands::RefillCommand() {
  Puzzle& puzzle = state_.puzzle;
  WindowState& window = state_.window;
  if (!EnsureDictionary()) return;
  puzzle.RewardShown = 0;
  window.Image2Visible = false;
  window.Label2Visible = false;
  if (puzzle.FillRunning == 1) {
    puzzle.FillRunning = 0;
    return;
  }
  if (puzzle.SlotCount < kMinSlots) {
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
    if (puzzle.SlotLength[static_cast<std::size_t>(k)] <= kLongestRefillSlot) continue;
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
    EmptyAnswersAndLetters(puzzle);
    host_.ProcessEvents();
  }
  FillRun run{puzzle, state_.dictionary, window, host_, board_, state_.settings.Colors,
              state_.settings.MaxFillAttempts};
  FillSlots(run);
  RequeueUsedWords(puzzle, state_.dictionary);
  if (puzzle.PlacedCount < puzzle.SlotCount && puzzle.FillRunning == 1) puzzle.FillRunning = 0;
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
    window.Caption = texts::NewCrossword(puzzle.SlotCount);
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
  board_.DrawEmptyBoard();
  LatticeTemplate(state_.puzzle, random_, state_.window);
  board_.DrawWordsAndNumbers();
}

}  // namespace gx
