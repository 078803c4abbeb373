#pragma once
// What the command groups share: the program state, the doors to the window system, the board
// and the helpers that draw and select on it, and the rule of long commands. The command core
// owns all of it; each group keeps this set of references.

#include <string>
#include <vector>

#include "base/Host.h"
#include "board/BoardDrawing.h"
#include "board/Editor.h"
#include "board/LetterEntry.h"
#include "board/LetterPlacing.h"
#include "board/Tally.h"
#include "board/WordMedia.h"
#include "board/WordSelection.h"
#include "core/RandomSource.h"
#include "shell/Gridlex.h"
#include "shell/LongCommands.h"
#include "shell/PuzzleHistory.h"

namespace gx {

struct CommandParts {
  Gridlex& state;
  Host& host;
  RandomSource& random;
  BoardDrawing& board;
  WordMedia& media;
  WordSelection& selection;
  Editor& editor;
  LetterEntry& letters;
  LetterPlacing& placing;
  Tally& tally;
  LongCommands& long_commands;
  PuzzleHistory& history;

  // Shows each notice of a file that was read in an information box, in order.
  void ShowNotices(const std::vector<std::string>& notices) const {
    for (const std::string& notice : notices) host.ShowInformation(notice);
  }
};

}  // namespace gx
