#pragma once
// The build (F5) and refill (F7) commands: the dictionary first, the grid (generated, or the one
// drawn), the fill with its progress on the board, and the finish that shows the result. A press
// of either while a fill runs is its stop. The window and the batch tool both run these; the
// window-free steps they call are in core/BuildLogic.h.

#include <functional>
#include <string>

#include "core/BuildLogic.h"
#include "core/PlacedLetters.h"
#include "shell/CommandParts.h"

namespace gx {

// What a build or refill did.
struct FillReport {
  GridSearch search;                       // the grid generation of a build
  RefillCheck check = RefillCheck::Ready;  // why a refill left the drawn grid unfilled
  bool reached_fill = false;               // the grid was extracted for its fill (which runs from 4 slots)
  FillOutcome fill;
  // A fill around placed letters refused before it began: the slot no word completes, numbered
  // as the grid would be, and the message that named it.
  UnfillableSlot unfillable;
  std::string refusal;
};

class BuildCommands {
 public:
  explicit BuildCommands(const CommandParts& parts) : parts_(parts) {}

  FillReport Build();
  FillReport Refill();
  // Shift+F7. While the grid is drawn: the refill that keeps the letters the user placed and fills
  // every other slot to agree with them, refused with a message and no change when some slot can
  // take no dictionary word. On a finished puzzle (solved or showing its answers): its words go and
  // the grid goes back to drawing, with the letters placed before, for the user to place theirs.
  // A press while a fill runs is its stop.
  FillReport FillAround();
  // F10: a lattice of full lines to cut with the eraser.
  void Lattice();

  // Loads the current dictionary with progress, the small-dictionary notice and the dictionary
  // line. False (after reporting) when it could not be read; the store is then unchanged.
  bool LoadDictionary();
  bool EnsureDictionary();

  // Bounds the grids one build may generate before it gives up.
  void SetMaxGenerations(unsigned generations) { max_generations_ = generations; }
  // Called once the fill is over (or found impossible), before the finish shows the result and
  // drops the clues of an unfinished fill: the batch tool takes the fill there.
  void SetFillObserver(std::function<void(const FillReport&)> observer) { observer_ = std::move(observer); }

 private:
  bool GenerateAcceptableGrid(FillReport& report);
  void AbortBuild(const std::string& caption);
  bool HideRewardOrStopFill();
  void RefillDrawnGrid(FillReport& report, bool keep_placed);
  // The pattern check of a fill around placed letters, on the table the fill will extract; false
  // (after naming the slot) when some slot can take no word.
  bool PlacedLettersFit(FillReport& report);
  void ReturnToPlacing();
  void AskForOwnClues();
  void Fill(FillReport& report);
  void FinishFill(const FillShortfall& shortfall);
  void Report(const FillReport& report) const;

  CommandParts parts_;
  unsigned max_generations_ = kDefaultMaxGenerations;
  std::function<void(const FillReport&)> observer_;
};

}  // namespace gx
