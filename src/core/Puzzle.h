#pragma once
// The single in-memory crossword: the board cells, the slot table derived from them, the clue
// list beside the board and the mode flags every command consults.

#include <array>
#include <cstdint>

#include "core/ClueList.h"
#include "base/FixedString.h"

namespace gx {

constexpr int BoardStorage = 64;  // the arrays hold 64 x 64 cells; at most 63 x 63 are in use
constexpr int MaxBoardInUse = 63;
constexpr int MaxSlots = 255;     // 8-bit count; slot 0 is never used
constexpr std::uint8_t kCellSize = 16;
constexpr char NoLetter = '.';
constexpr char PaintedMark = ':';

// Cell classes held in CellMask.
constexpr std::uint8_t Background = 0;
constexpr std::uint8_t GridCell = 1;
constexpr std::uint8_t CrossingCell = 2;

// How a slot's word came about when a fill kept the letters the user placed (SlotPlaced).
constexpr std::uint8_t NotPlaced = 0;
constexpr std::uint8_t PlacedDictionaryWord = 1;  // the user's word, with its clue from the dictionary
constexpr std::uint8_t PlacedOwnWord = 2;         // the user's word the dictionary lacks: its clue is the user's to write

struct Puzzle {
  // Board geometry. Loops over cells use only the low byte of these counts.
  std::uint8_t CellSize = kCellSize;
  std::uint16_t BoardRows = 21;
  std::uint16_t BoardCols = 21;

  // Column-major: index x * 64 + y, so one column right adds 64 and one row down adds 1.
  std::array<std::uint8_t, BoardStorage * BoardStorage> CellMask{};
  std::array<char, BoardStorage * BoardStorage> CellLetter{};
  // Letters the user placed while drawing the grid, NoLetter elsewhere: a fill around them keeps
  // them. Apart from CellLetter, which the fill and the grid marks rewrite.
  std::array<char, BoardStorage * BoardStorage> PlacedLetter{};

  // Slot table, slots 1..SlotCount; one spare entry past 255 because the reset empties SlotCount+1.
  static constexpr int TableSize = MaxSlots + 2;
  std::array<std::uint8_t, TableSize> SlotX{};
  std::array<std::uint8_t, TableSize> SlotY{};
  std::array<std::uint8_t, TableSize> SlotLength{};
  std::array<std::uint8_t, TableSize> SlotVertical{};
  std::array<std::uint8_t, TableSize> SlotCrossings{};
  std::array<AnswerText, TableSize> SlotAnswer{};
  std::array<AnswerText, TableSize> SlotEntry{};
  std::array<std::uint16_t, TableSize> SlotDictPos{};
  // Set by a fill around placed letters for the slots they fill whole; such a slot is never freed.
  std::array<std::uint8_t, TableSize> SlotPlaced{};
  std::uint8_t SlotCount = 0;
  std::uint8_t AcrossCount = 0;
  std::uint8_t MaxCrossings = 0;

  ClueList Clues;

  // Mode and progress flags.
  bool FillRunning = false;
  std::uint8_t PlayActive = 0;  // 1 while solving; the drawing takes any other non-zero value as
                                // solving without the current word highlighted
  bool AnswersShown = false;
  bool GridModified = false;
  bool EraserOn = false;
  bool DragActive = false;
  bool PencilDrew = false;
  bool EraserDrew = false;
  std::uint8_t SelectMode = 1;
  std::uint8_t PlacedCount = 0;
  bool RewardShown = false;

  // The current word being solved: the current row of the clue list plus one.
  std::uint8_t CurrentWordX = 0;
  std::uint8_t CurrentWordY = 0;
  std::uint8_t CurrentWordLength = 0;
  std::uint8_t CurrentWordVertical = 0;
  std::uint8_t TypedCount = 0;
  AnswerText TypedText;

  Puzzle();

  static constexpr int Index(int x, int y) { return x * BoardStorage + y; }
  static constexpr bool OnStorage(int x, int y) { return x >= 0 && y >= 0 && x < BoardStorage && y < BoardStorage; }
  // Cells off the storage read as background without a letter; writes there are dropped.
  std::uint8_t Mask(int x, int y) const { return OnStorage(x, y) ? CellMask[Index(x, y)] : Background; }
  char Letter(int x, int y) const { return OnStorage(x, y) ? CellLetter[Index(x, y)] : NoLetter; }
  void SetMask(int x, int y, std::uint8_t value) {
    if (OnStorage(x, y)) CellMask[Index(x, y)] = value;
  }
  void SetLetter(int x, int y, char value) {
    if (OnStorage(x, y)) CellLetter[Index(x, y)] = value;
  }
  char Placed(int x, int y) const { return OnStorage(x, y) ? PlacedLetter[Index(x, y)] : NoLetter; }
  void SetPlaced(int x, int y, char value) {
    if (OnStorage(x, y)) PlacedLetter[Index(x, y)] = value;
  }
  // The board is being drawn, not solved nor showing its answers: typed letters are placed.
  bool PlacingLetters() const { return PlayActive == 0 && !AnswersShown && !FillRunning; }

  // Cell t (0-based) of slot k.
  int SlotCellX(int k, int t) const { return SlotVertical[k] ? SlotX[k] : SlotX[k] + t; }
  int SlotCellY(int k, int t) const { return SlotVertical[k] ? SlotY[k] + t : SlotY[k]; }

  void MarkAcross(std::int8_t length, std::int8_t x, std::int8_t y);
  void MarkDown(std::int8_t length, std::int8_t x, std::int8_t y);
  void CountAcrossSlots();
  void ResetBoard();

  bool operator==(const Puzzle&) const = default;
};

}  // namespace gx
