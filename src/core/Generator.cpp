#include "core/Generator.h"

#include <cstdint>

#include "core/EngineTexts.h"
#include "core/Extraction.h"

namespace gx {

namespace {

constexpr int kPlacements = 128;
constexpr int kMaxTries = 200;
constexpr int kShortestWord = 4;

// Records slot SlotCount+1 (the 8-bit count wraps, the table has room for every index it reaches).
void RecordSlot(Puzzle& p, int x, int y, int length, std::uint8_t vertical) {
  const std::uint8_t k = ++p.SlotCount;
  p.SlotX[k] = static_cast<std::uint8_t>(x);
  p.SlotY[k] = static_cast<std::uint8_t>(y);
  p.SlotLength[k] = static_cast<std::uint8_t>(length);
  p.SlotVertical[k] = vertical;
}

// A candidate too close to a word already placed would merge with it or run alongside it. Every
// record is read as an across run, the transposed down words included, which is what keeps the
// quadrant sparse in both directions.
bool TooCloseToPlacedWords(const Puzzle& p, int len, int x, int y) {
  for (int k = 1; k <= p.SlotCount; ++k) {
    const int sx = p.SlotX[k], sy = p.SlotY[k], sl = p.SlotLength[k];
    if (y >= sy - 1 && y <= sy + 1 && sx + sl + 1 >= x && x + len >= sx - 1) return true;
  }
  return false;
}

// Scatters across words and their transposes in the top-left quadrant, middle line included.
// False when scripted draws ran out.
bool PlaceWords(Puzzle& p, RandomSource& random, Host& host, int half) {
  std::uint8_t placements_left = kPlacements;
  std::uint8_t tries = 0;
  // No word of 4 or more cells fits a quadrant narrower than that: the draws would repeat forever.
  if (half < kShortestWord) return true;
  for (;;) {
    host.ProcessEvents();
    std::int8_t len = static_cast<std::int8_t>(random.Random(6) + kShortestWord);
    if (random.Exhausted()) return false;
    const int room = half - len;
    if (room < 0) continue;
    if (++tries > kMaxTries) return true;
    std::int8_t x = static_cast<std::int8_t>(random.Random(room + 1));
    const std::int8_t y = static_cast<std::int8_t>(random.Random(half + 1));
    if (random.Exhausted()) return false;
    if (x + len >= half) {
      // The word is moved to end on the middle column, where its mirror image continues it
      // into one word of odd length through the middle.
      len = static_cast<std::int8_t>(len / 2);
      if (len % 2 == 1) ++len;
      x = static_cast<std::int8_t>(half - len + 1);
    }
    if (TooCloseToPlacedWords(p, len, x, y)) continue;
    p.MarkAcross(len, x, y);
    RecordSlot(p, x, y, len, 0);
    p.MarkDown(len, y, x);
    RecordSlot(p, y, x, len, 1);
    if (--placements_left == 0) return true;
  }
}

// Draws the left-right, top-bottom and central mirror images of runs 1..n; counts one run each.
void MirrorRuns(Puzzle& p) {
  const int w = p.BoardCols, h = p.BoardRows;
  const int n = p.SlotCount;
  for (int pass = 1; pass <= 3; ++pass) {
    const bool flip_x = pass != 2, flip_y = pass != 1;
    for (int k = 1; k <= n; ++k) {
      const int x = p.SlotX[k], y = p.SlotY[k], len = p.SlotLength[k];
      if (p.SlotVertical[k]) {
        p.MarkDown(static_cast<std::int8_t>(len), static_cast<std::int8_t>(flip_x ? w - 1 - x : x),
                   static_cast<std::int8_t>(flip_y ? h - y - len : y));
      } else {
        p.MarkAcross(static_cast<std::int8_t>(len), static_cast<std::int8_t>(flip_x ? w - x - len : x),
                     static_cast<std::int8_t>(flip_y ? h - 1 - y : y));
      }
      ++p.SlotCount;
    }
  }
}

int CrossingCellsOf(const Puzzle& p, int k) {
  int count = 0;
  for (int t = 0; t < p.SlotLength[k]; ++t) {
    if (p.Mask(p.SlotCellX(k, t), p.SlotCellY(k, t)) == CrossingCell) ++count;
  }
  return count;
}

// A slot with more than 3 crossings loses its middle cell. Slots right of (or below) the middle
// line take the mirror image of the cell a slot left of it takes, so the mirror symmetry holds.
void CutHeavilyCrossedSlots(Puzzle& p, int half) {
  for (int k = 1; k <= p.SlotCount; ++k) {
    if (CrossingCellsOf(p, k) <= 3) continue;
    const int len = p.SlotLength[k];
    const bool down = p.SlotVertical[k] != 0;
    const int start = down ? p.SlotY[k] : p.SlotX[k];
    const int m = start > half ? start + len - 1 - len / 2 : start + len / 2;
    if (down) {
      p.SetMask(p.SlotX[k], m, Background);
    } else {
      p.SetMask(m, p.SlotY[k], Background);
    }
  }
}

}  // namespace

GenerateStatus GenerateGrid(Puzzle& p, RandomSource& random, Host& host) {
  p.ResetBoard();
  p.Clues.SetRowCount(ClueList::MaxRows);
  p.SlotCount = 0;
  p.AcrossCount = 0;
  const int half = static_cast<std::uint8_t>(p.BoardRows) / 2;
  random.Seed();

  if (!PlaceWords(p, random, host, half)) return GenerateStatus::DrawsExhausted;
  MirrorRuns(p);
  if (p.SlotCount < 4 || p.SlotCount > 128) return GenerateStatus::RunsOutOfRange;

  ClassifyCells(p);
  ExtractSlots(p);
  // Across slots come first in the table, so one pass cuts the across slots before the down
  // slots, and the down cut sees the cells the across cut removed. Neighbour classes stay as
  // they are, hence the re-extraction without classification.
  CutHeavilyCrossedSlots(p, half);
  ExtractSlots(p);
  return GenerateStatus::Extracted;
}

GenerateStatus LatticeTemplate(Puzzle& p, RandomSource& random, Progress& progress) {
  p.ResetBoard();
  p.AnswersShown = false;
  p.GridModified = true;
  random.Seed();
  const int parity = random.Random(2);
  if (random.Exhausted()) return GenerateStatus::DrawsExhausted;

  const int cols = static_cast<std::uint8_t>(p.BoardCols);
  const int rows = static_cast<std::uint8_t>(p.BoardRows);
  p.SlotCount = 0;
  for (int t = 0; t <= cols / 2; ++t) {
    const int line = 2 * t + parity;
    p.MarkAcross(static_cast<std::int8_t>(cols), 0, static_cast<std::int8_t>(line));
    RecordSlot(p, 0, line, cols, 0);
    p.MarkDown(static_cast<std::int8_t>(cols), static_cast<std::int8_t>(line), 0);
    RecordSlot(p, line, 0, cols, 1);
  }
  // The last line may lie just outside the board; extraction reads that margin as empty.
  for (int i = 0; i <= cols; ++i) {
    p.SetMask(i, rows, Background);
    p.SetLetter(i, rows, NoLetter);
    p.SetMask(cols, i, Background);
    p.SetLetter(cols, i, NoLetter);
  }
  ClassifyCells(p);
  ExtractSlots(p);
  progress.Status(texts::LatticeCaption(parity));
  return GenerateStatus::Extracted;
}

}  // namespace gx
