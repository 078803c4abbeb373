#pragma once
// The window's command core as the batch tool runs it: nothing is drawn, nothing asked, no sound
// played, and the build and refill run the very sequence F5 and F7 run in the window. The fill is
// taken as the commands report it, before their finish drops the clues of an unfinished fill.

#include <memory>
#include <optional>

#include "base/Canvas.h"
#include "base/Host.h"
#include "core/Puzzle.h"
#include "core/RandomSource.h"
#include "shell/CommandCore.h"

namespace gx::cli {

// The puzzle and the report of one build or refill, as they stood when its fill ended.
struct BatchFill {
  FillReport report;
  std::unique_ptr<Puzzle> puzzle;  // null when the command ended before its fill
};

class BatchCore {
 public:
  // board: the cells of the board a new grid gets.
  BatchCore(RandomSource& random, int board);

  // The batch tool puts the puzzle, the dictionary and the settings of a run here.
  Gridlex& State() { return *core_.state_; }
  void SetMaxGenerations(unsigned generations) { core_.builds_.SetMaxGenerations(generations); }

  // F5 and F7 on the puzzle in State(); the dictionary there must be loaded.
  BatchFill Build();
  BatchFill Refill();
  // Shift+F7 on the grid in State(), whose placed letters are kept.
  BatchFill FillAround();

 private:
  BatchFill Taken(const FillReport& report);

  NullHost host_;
  NullCanvas canvas_;
  CommandCore core_;
  std::optional<BatchFill> taken_;
};

}  // namespace gx::cli
