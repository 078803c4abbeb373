#include "board/LetterEntry.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "board/CellPainting.h"

namespace gx {

namespace {

constexpr unsigned char kCapitalA = 192;  // А
constexpr unsigned char kSmallA = 224;    // а

// The Latin-layout keys of а, б, в .. я in alphabet order.
constexpr std::array<std::string_view, 32> kLatinKeys = {
    "Ff", ",<", "Dd", "Uu", "Ll", "Tt", ":;", "Pp", "Bb", "Qq", "Rr", "Kk", "Vv", "Yy", "Jj", "Gg",
    "Hh", "Cc", "Nn", "Ee", "Aa", "[{", "Ww", "Xx", "Ii", "Oo", "]}", "Ss", "Mm", "\"", ".>", "Zz"};

std::array<char, 256> BuildLetterTable() {
  std::array<char, 256> table{};
  for (int i = 0; i < 32; ++i) {
    const char letter = static_cast<char>(kSmallA + i);
    for (char key : kLatinKeys[static_cast<std::size_t>(i)]) table[static_cast<unsigned char>(key)] = letter;
    table[static_cast<std::size_t>(kCapitalA + i)] = letter;
    table[static_cast<std::size_t>(kSmallA + i)] = letter;
  }
  return table;
}

const std::array<char, 256> kLetterTable = BuildLetterTable();

}  // namespace

char LetterFor(char typed) { return kLetterTable[static_cast<unsigned char>(typed)]; }

int LetterEntry::FullLength() const {
  return std::min<int>(puzzle_.CurrentWordLength, static_cast<int>(AnswerText::capacity()));
}

void LetterEntry::PaintPosition(int position) {
  const int x = puzzle_.CurrentWordVertical == 0 ? puzzle_.CurrentWordX + position : puzzle_.CurrentWordX;
  const int y = puzzle_.CurrentWordVertical == 0 ? puzzle_.CurrentWordY : puzzle_.CurrentWordY + position;
  PaintCellSquare(canvas_, x, y);
}

void LetterEntry::TypeLetter(char letter) {
  // A full word takes no more letters; the cursor never moves on to another word. A word longer
  // than an entry can hold is full at the entry's size, so that what shows is what is kept.
  if (puzzle_.TypedCount + 1 > FullLength()) return;
  ++puzzle_.TypedCount;
  puzzle_.TypedText.Append(letter);
  puzzle_.SlotEntry[static_cast<std::size_t>(CurrentSlot())] = puzzle_.TypedText;

  canvas_.SetBrushColor(palette_.FoundWordColor);
  // The first cell was not painted as a cursor cell at selection.
  if (puzzle_.TypedCount == 1) PaintPosition(0);
  const int last = puzzle_.TypedCount - 1;
  const int x = puzzle_.CurrentWordVertical == 0 ? puzzle_.CurrentWordX + last : puzzle_.CurrentWordX;
  const int y = puzzle_.CurrentWordVertical == 0 ? puzzle_.CurrentWordY : puzzle_.CurrentWordY + last;
  PaintCellText(canvas_, x, y, std::string{' ', letter});
  if (puzzle_.TypedCount < FullLength()) PaintPosition(puzzle_.TypedCount);
}

void LetterEntry::Backspace() {
  if (puzzle_.TypedCount == 0) return;
  canvas_.SetBrushColor(palette_.WordCellColor);
  if (puzzle_.TypedCount < FullLength()) PaintPosition(puzzle_.TypedCount);
  --puzzle_.TypedCount;
  canvas_.SetBrushColor(palette_.FoundWordColor);
  PaintPosition(puzzle_.TypedCount);
  puzzle_.TypedText.PopBack();
  puzzle_.SlotEntry[static_cast<std::size_t>(CurrentSlot())] = puzzle_.TypedText;
}

}  // namespace gx
