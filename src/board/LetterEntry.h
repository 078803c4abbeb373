#pragma once
// Typing the letters of the current word. Each accepted key becomes a lower-case Russian letter
// appended to the word's typed text and drawn at once; Backspace takes the last letter back. The
// picture drawn here is provisional: the next full repaint shows the words in their final colours.

#include "base/Canvas.h"
#include "core/Puzzle.h"
#include "core/Settings.h"

namespace gx {

// The lower-case letter (Windows-1251, 224..255) a typed character stands for, or 0 when the
// character is no letter. Keys of the Russian layout typed with the Latin layout, capitals and the
// letters themselves all count; ё is not a letter of the puzzle.
char LetterFor(char typed);

class LetterEntry {
 public:
  LetterEntry(Puzzle& puzzle, const Palette& palette, Canvas& canvas)
      : puzzle_(puzzle), palette_(palette), canvas_(canvas) {}

  // Appends a letter (from LetterFor) to the current word unless the word is full.
  void TypeLetter(char letter);
  void Backspace();

 private:
  void PaintPosition(int position);
  int FullLength() const;
  int CurrentSlot() const { return puzzle_.Clues.CurrentRow() + 1; }

  Puzzle& puzzle_;
  const Palette& palette_;
  Canvas& canvas_;
};

}  // namespace gx
