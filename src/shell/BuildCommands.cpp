#include "shell/BuildCommands.h"

#include <memory>
#include <string>
#include <vector>

#include "core/EngineTexts.h"
#include "core/Extraction.h"
#include "core/FillEngine.h"
#include "core/Generator.h"
#include "files/DictionaryFile.h"
#include "shell/DictionaryCommands.h"

namespace gx {

namespace {

void EmptyEntries(Puzzle& puzzle) {
  for (AnswerText& entry : puzzle.SlotEntry) entry.Clear();
}

}  // namespace

bool BuildCommands::LoadDictionary() {
  Gridlex& state = parts_.state;
  DictionaryStore& store = state.dictionary;
  std::string path;
  if (const FileError error = DictionaryFilePath(state, path)) {
    // As any load that fails: the store keeps its words, and they pass for no file's changes.
    store.DictionaryModified = false;
    parts_.host.ShowError(error.Text());
    return false;
  }
  DictionaryLoadResult result;
  {
    const auto loading = parts_.long_commands.LoadingDictionary();
    WindowProgress progress(state.window);
    result = ::gx::LoadDictionary(store, path, progress, parts_.host);
  }
  if (result.error) {
    parts_.host.ShowError(result.error.Text());
    return false;
  }
  state.window.DictionaryLineText = DictionaryLine(store);
  parts_.ShowNotices(result.notices);
  return true;
}

bool BuildCommands::EnsureDictionary() { return parts_.state.dictionary.DictionaryLoaded || LoadDictionary(); }

bool BuildCommands::GenerateAcceptableGrid(FillReport& report) {
  // The minimum is held within reach, the number of grids per build is bounded, and the stop
  // keys end the generation too: even a reachable minimum may take long on a small board.
  LongCommands& long_commands = parts_.long_commands;
  const std::uint8_t min_slots = BoundedMinSlotCount(parts_.state.settings.MinSlotCount);
  long_commands.ClearStop();
  for (unsigned generation = 0; generation < max_generations_; ++generation) {
    const GridSearch search =
        ::gx::GenerateAcceptableGrid(parts_.state.puzzle, parts_.random, parts_.host, min_slots, 1);
    report.search.generations += search.generations;
    report.search.outcome = search.outcome;
    if (long_commands.StopRequested()) return false;
    if (search.outcome != GridSearchOutcome::NoAcceptableGrid) return search.outcome == GridSearchOutcome::Accepted;
  }
  return false;
}

// Both commands start by hiding the reward; while a fill runs, a press of either is its stop.
bool BuildCommands::HideRewardOrStopFill() {
  Gridlex& state = parts_.state;
  state.puzzle.RewardShown = false;
  state.window.RewardVisible = false;
  state.window.TallyVisible = false;
  if (!state.puzzle.FillRunning) return false;
  state.puzzle.FillRunning = false;
  return true;
}

FillReport BuildCommands::Build() {
  Puzzle& puzzle = parts_.state.puzzle;
  WindowState& window = parts_.state.window;
  FillReport report;
  if (!EnsureDictionary()) return report;
  // Only the button that says so builds over a drawn grid; Enter, Escape and a host that cannot ask
  // go back to the grid.
  if (puzzle.GridModified &&
      !parts_.host.Confirm(texts::FinishGridFirst(), DefaultButton::Cancel, {texts::BuildNewCrossword(), texts::KeepGrid()})) {
    return report;
  }
  if (HideRewardOrStopFill()) return report;
  parts_.history.StartNewPuzzle();  // the new crossword's history begins with the build itself
  {
    // Events are processed while the grid is made; no press may start a build inside this one.
    const auto generating = parts_.long_commands.Generating();
    // The new grid gets the board the window offers, not one a larger old puzzle needed.
    puzzle.ResetBoard();
    parts_.board.DrawEmptyBoard();
    window.ClueLineText.clear();  // the clue line belonged to the puzzle that is gone
    puzzle.AnswersShown = false;
    EmptyEntries(puzzle);
    window.Caption = texts::BuildingGrid();
    window.ClueListVisible = false;
    if (!GenerateAcceptableGrid(report)) {
      // A stop press needs no reason; a search that found no grid says how long it looked.
      const bool stopped = parts_.long_commands.StopRequested();
      AbortBuild(stopped ? texts::BuildAborted()
                         : texts::NoAcceptableGrid(report.search.generations, BoundedMinSlotCount(
                                                                                  parts_.state.settings.MinSlotCount)));
      return report;
    }
    window.Caption = texts::NewGridFilling();
    window.ClueLineVisible = false;
    window.ProgressVisible = true;
    window.ClueListVisible = true;
    PruneUnusedCells(puzzle);
    ClearLettersAndAnswers(puzzle, parts_.host);
    parts_.host.ProcessEvents();
    ClassifyCells(puzzle);
    ExtractSlots(puzzle);
  }
  report.reached_fill = true;
  report.fill.slot_count = puzzle.SlotCount;
  if (puzzle.SlotCount > kMaxGeneratedSlots) {
    window.ProgressVisible = false;
    Report(report);
    return report;
  }
  parts_.board.DrawWordsAndNumbers();
  if (puzzle.SlotCount >= kMinAcceptedSlots) Fill(report);
  Report(report);
  FinishFill(report.fill.shortfall);
  return report;
}

void BuildCommands::AbortBuild(const std::string& caption) {
  Puzzle& puzzle = parts_.state.puzzle;
  WindowState& window = parts_.state.window;
  puzzle.ResetBoard();
  parts_.board.DrawEmptyBoard();
  window.ClueListVisible = true;
  window.ClueLineVisible = false;
  window.Caption = caption;
  parts_.media.PlaySound("e3");
  puzzle.EraserOn = false;
  window.EraserButtonHint = std::string(Editor::EraserHint(false));
}

FillReport BuildCommands::Refill() {
  FillReport report;
  if (!EnsureDictionary()) return report;
  if (HideRewardOrStopFill()) return report;
  RefillDrawnGrid(report, false);
  return report;
}

FillReport BuildCommands::FillAround() {
  FillReport report;
  if (!EnsureDictionary()) return report;
  if (HideRewardOrStopFill()) return report;
  if (!parts_.state.puzzle.PlacingLetters()) {
    ReturnToPlacing();
    return report;
  }
  RefillDrawnGrid(report, true);
  return report;
}

void BuildCommands::ReturnToPlacing() {
  Puzzle& puzzle = parts_.state.puzzle;
  WindowState& window = parts_.state.window;
  puzzle.AnswersShown = false;
  puzzle.PlayActive = 0;
  EmptyEntries(puzzle);
  puzzle.CellLetter.fill(NoLetter);
  // The user's own words keep their clues for the next fill around them.
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    if (puzzle.SlotPlaced[k] == PlacedOwnWord) continue;
    puzzle.SlotAnswer[k].Clear();
    puzzle.SlotPlaced[k] = NotPlaced;
    puzzle.Clues.SetCell(1, k - 1, {});
  }
  puzzle.TypedCount = 0;
  window.ClueLineText.clear();
  window.Caption = texts::PlaceYourWords();
  parts_.board.DrawPlacingSlot();
}

bool BuildCommands::PlacedLettersFit(FillReport& report) {
  // Checked on a copy: a refused fill leaves the puzzle exactly as it was.
  auto trial = std::make_unique<Puzzle>(parts_.state.puzzle);
  ClassifyCells(*trial);
  ExtractSlots(*trial);
  // A grid the refill refuses for its slots is reported as such by the refill itself.
  if (CheckRefillSlots(*trial).check != RefillCheck::Ready) return true;
  report.unfillable = FindUnfillableSlot(*trial, parts_.state.dictionary);
  const int k = report.unfillable.slot;
  if (k == 0) return true;
  report.check = RefillCheck::NoWordFitsPattern;
  report.refusal = texts::NoWordsOfPattern(trial->Clues.Number(k - 1), trial->SlotVertical[k] != 0,
                                           report.unfillable.pattern);
  parts_.host.ShowInformation(report.refusal);
  return false;
}

void BuildCommands::AskForOwnClues() {
  const std::vector<int> wanting = SlotsWantingClue(parts_.state.puzzle);
  if (wanting.empty()) return;
  // The first of them becomes the current word, so its clue is the one the user meets first.
  parts_.selection.SetRow(wanting.front() - 1);
  parts_.host.ShowInformation(texts::OwnWordsWantClues(static_cast<unsigned>(wanting.size())));
}

void BuildCommands::RefillDrawnGrid(FillReport& report, bool keep_placed) {
  Puzzle& puzzle = parts_.state.puzzle;
  WindowState& window = parts_.state.window;
  // The count is checked on the table as last extracted; a fresh table of fewer slots is filled.
  if (puzzle.SlotCount < kMinAcceptedSlots) {
    window.Caption = texts::TooFewCells();
    report.check = RefillCheck::TooFewSlots;
    return;
  }
  if (keep_placed && !PlacedLettersFit(report)) return;
  // A clue the user wrote for a word of their own outlives the new table.
  const std::vector<OwnClue> own_clues = keep_placed ? TakeOwnClues(puzzle) : std::vector<OwnClue>();
  puzzle.AnswersShown = false;
  EmptyEntries(puzzle);
  window.ClueLineText.clear();  // the words and their clues are replaced
  window.Caption = texts::Filling();
  ClassifyCells(puzzle);
  ExtractSlots(puzzle);
  if (puzzle.SlotCount > kMaxRefillSlots) {
    report.check = RefillCheck::TooManySlots;
    return;
  }
  window.Caption = texts::GridOfSlots(puzzle.SlotCount);
  parts_.board.DrawWordsAndNumbers();

  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    if (puzzle.SlotLength[static_cast<std::size_t>(k)] <= kMaxRefillSlotLength) continue;
    parts_.board.DrawSlotCells(static_cast<std::uint8_t>(k), parts_.state.settings.Colors.WrongWordColor);
    report.check = RefillCheck::SlotsTooLong;
  }
  if (report.check == RefillCheck::SlotsTooLong) {
    window.Caption = texts::SlotsTooLong();
    return;
  }
  {
    const auto preparing = parts_.long_commands.Generating();
    window.ClueLineVisible = false;
    window.ProgressVisible = true;
    parts_.host.ProcessEvents();
    if (keep_placed) {
      parts_.host.ProcessEvents();
      KeepPlacedWords(puzzle, parts_.state.dictionary, own_clues);
    } else {
      ClearLettersAndAnswers(puzzle, parts_.host);
    }
  }
  report.reached_fill = true;
  Fill(report);
  Report(report);
  FinishFill(report.fill.shortfall);
  window.AdvertVisible = false;
  if (keep_placed && report.fill.complete) AskForOwnClues();
}

void BuildCommands::Fill(FillReport& report) {
  const auto filling = parts_.long_commands.Filling();
  Gridlex& state = parts_.state;
  WindowProgress progress(state.window);
  FillRun run{state.puzzle, state.dictionary, progress, parts_.host, parts_.board, state.settings.Colors,
              state.settings.MaxFillAttempts, &state.word_search};
  report.fill = FillAndRequeue(run);
}

void BuildCommands::Report(const FillReport& report) const {
  if (observer_) observer_(report);
}

void BuildCommands::FinishFill(const FillShortfall& shortfall) {
  Gridlex& state = parts_.state;
  Puzzle& puzzle = state.puzzle;
  WindowState& window = state.window;
  window.ProgressVisible = false;
  parts_.board.DrawWordsAndNumbers();
  const bool complete = puzzle.FillRunning;
  if (complete) {
    state.PuzzleTitle = texts::NewCrossword(puzzle.SlotCount);
    window.Caption = state.PuzzleTitle;
    puzzle.PlayActive = 1;
  } else {
    window.Caption = texts::BuildAborted(shortfall);
  }
  puzzle.CurrentWordX = puzzle.SlotX[1];
  puzzle.CurrentWordY = puzzle.SlotY[1];
  puzzle.CurrentWordLength = puzzle.SlotLength[1];
  puzzle.CurrentWordVertical = puzzle.SlotVertical[1];
  puzzle.TypedText.Clear();
  puzzle.TypedCount = 0;
  if (complete) {
    parts_.media.PlaySound("e4");
    puzzle.GridModified = false;
  } else {
    parts_.media.PlaySound("e3");
    // The answers placed so far stay on the board but have no clues; a clue the user wrote for a
    // word of their own stays for the next fill around it.
    for (int row = 0; row < puzzle.SlotCount; ++row) {
      if (puzzle.SlotPlaced[row + 1] != PlacedOwnWord) puzzle.Clues.SetCell(1, row, {});
    }
  }
  puzzle.FillRunning = false;
  parts_.selection.MakeSlotOneCurrent();
  ++window.ClueListFocusRequests;
  puzzle.EraserOn = false;
  window.EraserButtonHint = std::string(Editor::EraserHint(false));
}

void BuildCommands::Lattice() {
  parts_.state.puzzle.ResetBoard();  // the lattice covers the board the window offers
  parts_.board.DrawEmptyBoard();
  parts_.state.window.ClueLineText.clear();
  WindowProgress progress(parts_.state.window);
  LatticeTemplate(parts_.state.puzzle, parts_.random, progress);
  parts_.board.DrawWordsAndNumbers();
}

}  // namespace gx
