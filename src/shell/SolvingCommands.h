#pragma once
// Help for the solver: checking the letters of the current word, revealing the letter under the
// cursor, and starting the puzzle's solving again from nothing.

#include "shell/CommandParts.h"
#include "shell/SolvingSession.h"

namespace gx {

class SolvingCommands {
 public:
  SolvingCommands(const CommandParts& parts, SolvingSession& session) : parts_(parts), session_(session) {}

  // Marks the wrong letters of the current word on the board and says how many there are.
  void CheckWord();
  // Types the answer's letter into the cell under the cursor and remembers the cell as revealed.
  void RevealLetter();
  // Empties every word, forgets the revealed cells and sets the clock to nothing, once confirmed.
  void StartOver();

 private:
  bool Solving() const;

  CommandParts parts_;
  SolvingSession& session_;
};

}  // namespace gx
