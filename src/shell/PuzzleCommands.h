#pragma once
// The load (F3) and save (F2) commands of the main window and the load of a puzzle by name, as
// at start-up.

#include <string>

#include "files/PuzzleFile.h"
#include "shell/CommandParts.h"

namespace gx {

class PuzzleCommands {
 public:
  explicit PuzzleCommands(const CommandParts& parts) : parts_(parts) {}

  // The load of the file named PuzzleFileName, as at start-up and by the load command. False
  // when reading failed with an input/output error (already reported); a missing file is only
  // pointed out and counts as done. A load that fails changes nothing.
  bool LoadPuzzle();
  // The same load from a puzzle file anywhere, as named on the command line; PuzzleFileName is
  // the name the caption shows.
  bool LoadPuzzleAt(const std::string& path);
  // A puzzle file named on a command line (at start-up, or by a later start handed to this
  // window): a file that cannot be read is reported and the shown puzzle stays; else it is
  // loaded under its file name. False when nothing was loaded.
  bool LoadNamedFile(const std::string& path);

  void LoadCommand();
  void SaveCommand();

 private:
  PuzzleLoadResult::Status LoadFromDataFolder();
  PuzzleLoadResult::Status Load(const std::string& path);

  CommandParts parts_;
};

}  // namespace gx
