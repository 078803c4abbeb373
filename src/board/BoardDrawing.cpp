#include "board/BoardDrawing.h"

#include <algorithm>
#include <string>

#include "board/BoardColors.h"
#include "board/CellNumber.h"
#include "board/Layout.h"
#include "base/Rounding.h"

namespace gx {

namespace {

constexpr char SurroundMark = ',';
constexpr int FontPixels = 11;

// Loops over the cells use only the low byte of the board counts.
int LowByte(int value) { return value & 0xFF; }

// The colour a word is painted in, chosen from what the solver typed, never from the answer:
// a complete but wrong word looks found until the tally.
Color WordColor(const Puzzle& puzzle, const Palette& palette, int k) {
  const AnswerText& entry = puzzle.SlotEntry[k];
  if (entry.empty()) return palette.WordCellColor;
  if (entry.size() == puzzle.SlotAnswer[k].size()) return palette.FoundWordColor;
  return palette.WrongWordColor;
}

}  // namespace

void BoardDrawing::CellSquare(int x, int y) {
  canvas_.Rectangle(x * kCellSize, y * kCellSize, x * kCellSize + kCellSize + 1, y * kCellSize + kCellSize + 1);
}

void BoardDrawing::TextAtCell(int x, int y, std::string_view text) {
  canvas_.TextOut(x * kCellSize + 3, y * kCellSize + 1, text);
}

void BoardDrawing::DrawEmptyBoard() {
  puzzle_.CellSize = kCellSize;
  // The board never cuts the puzzle it holds: a puzzle larger than the paint box makes the
  // board larger (the window shows the larger picture whole).
  const int puzzle_cells = PuzzleBoardCells(puzzle_);
  const int rows = std::max(static_cast<int>(RoundHalfEven(paint_height_ / double{kCellSize})), puzzle_cells);
  const int cols = std::max(static_cast<int>(RoundHalfEven(paint_width_ / double{kCellSize})), puzzle_cells);
  puzzle_.BoardRows = static_cast<std::uint16_t>(rows);
  puzzle_.BoardCols = static_cast<std::uint16_t>(cols);
  const int width = std::max(paint_width_, kCellSize * cols);
  const int height = std::max(paint_height_, kCellSize * rows);

  canvas_.SetPenColor(palette_.BoardColor);
  canvas_.SetBrushColor(palette_.BoardColor);
  canvas_.FillRect(0, 0, width, height);

  // The last line lies on or beyond the last pixel of the paint box.
  canvas_.SetPenColor(GridGrey);
  for (int i = 0; i <= LowByte(puzzle_.BoardRows); ++i) canvas_.Line(0, i * kCellSize, width, i * kCellSize);
  for (int i = 0; i <= LowByte(puzzle_.BoardCols); ++i) canvas_.Line(i * kCellSize, 0, i * kCellSize, height);
  canvas_.SetBrushColor(White);
  repaint_due_ = false;
}

void BoardDrawing::FitBoardToPuzzle() {
  const int cells = PuzzleBoardCells(puzzle_);
  if (cells > LowByte(puzzle_.BoardRows) || cells > LowByte(puzzle_.BoardCols)) DrawEmptyBoard();
}

void BoardDrawing::DrawSlotCells(std::uint8_t slot, Color color) {
  PaintSlotCells(slot, color);
  repaint_due_ = false;
}

void BoardDrawing::PaintSlotCells(std::uint8_t slot, Color color) {
  canvas_.SetBrushColor(color);
  canvas_.SetPenColor(GridGrey);
  for (int t = 0; t < puzzle_.SlotLength[slot]; ++t) CellSquare(puzzle_.SlotCellX(slot, t), puzzle_.SlotCellY(slot, t));
  canvas_.SetBrushColor(palette_.WordCellColor);
}

void BoardDrawing::DrawWordsAndNumbers() {
  canvas_.SetFont("Arial", FontPixels);
  canvas_.SetFontColor(Navy);
  if (puzzle_.SlotCount == 0) return;
  puzzle_.Clues.SetRowCount(puzzle_.SlotCount);
  for (int k = 1; k <= puzzle_.SlotCount; ++k) PaintSlotCells(static_cast<std::uint8_t>(k), palette_.WordCellColor);

  canvas_.SetBrushColor(palette_.WordCellColor);
  for (int k = 1; k <= puzzle_.SlotCount; ++k) {
    const NumberCell cell{puzzle_.SlotX[k] * kCellSize, puzzle_.SlotY[k] * kCellSize, kCellSize - 1, kCellSize - 1,
                          FontPixels};
    DrawCellNumber(canvas_, cell, puzzle_.Clues.Cell(0, k - 1));
  }
  repaint_due_ = true;
}

void BoardDrawing::DrawGridCells() {
  canvas_.SetBrushColor(palette_.WordCellColor);
  canvas_.SetPenColor(GridGrey);
  for (int x = 0; x < LowByte(puzzle_.BoardCols); ++x)
    for (int y = 0; y < LowByte(puzzle_.BoardRows); ++y)
      if (puzzle_.Mask(x, y) != Background) CellSquare(x, y);
  canvas_.SetBrushColor(White);  // as the empty board leaves it
}

void BoardDrawing::DrawEntries() {
  const Color font = canvas_.FontColor();
  for (int k = 1; k <= puzzle_.SlotCount; ++k) {
    const AnswerText& entry = puzzle_.SlotEntry[k];
    canvas_.SetBrushColor(WordColor(puzzle_, palette_, k));
    for (std::size_t t = 0; t < entry.size(); ++t) {
      const int x = puzzle_.SlotCellX(k, static_cast<int>(t));
      const int y = puzzle_.SlotCellY(k, static_cast<int>(t));
      CellSquare(x, y);
      // A revealed letter shows as the answer it is, until something else is typed over it.
      const bool revealed = Revealed(x, y) && t < puzzle_.SlotAnswer[k].size() && entry[t] == puzzle_.SlotAnswer[k][t];
      canvas_.SetFontColor(revealed ? Maroon : font);
      TextAtCell(x, y, std::string{' ', entry[t]});
    }
  }
  canvas_.SetFontColor(font);
}

void BoardDrawing::DrawAnswers() {
  canvas_.SetFontColor(Maroon);
  for (int k = 1; k <= puzzle_.SlotCount; ++k) {
    const Color color = WordColor(puzzle_, palette_, k);
    PaintSlotCells(static_cast<std::uint8_t>(k), color);
    canvas_.SetBrushColor(color);
    const AnswerText& answer = puzzle_.SlotAnswer[k];
    for (int t = 0; t < puzzle_.SlotLength[k]; ++t) {
      // A slot longer than its answer shows nothing past the answer's end.
      const std::string letter = static_cast<std::size_t>(t) < answer.size() ? std::string{' ', answer[t]} : " ";
      TextAtCell(puzzle_.SlotCellX(k, t), puzzle_.SlotCellY(k, t), letter);
    }
  }
  canvas_.SetFontColor(Navy);
  repaint_due_ = true;
}

void BoardDrawing::DrawHighlight() {
  if (puzzle_.FillRunning) return;
  const int k = puzzle_.Clues.CurrentRow() + 1;
  puzzle_.CurrentWordX = puzzle_.SlotX[k];
  puzzle_.CurrentWordY = puzzle_.SlotY[k];
  const int length = puzzle_.SlotLength[k];
  const int left = puzzle_.CurrentWordX * kCellSize;
  const int top = puzzle_.CurrentWordY * kCellSize;

  // Every pixel of the word's squares, outlines included, is XOR-ed exactly once.
  canvas_.SetPenMode(PenMode::Xor);
  canvas_.SetPenColor(Purple);
  if (puzzle_.SlotVertical[k] == 1) {
    for (int j = 0; j <= kCellSize * length; ++j) canvas_.Line(left, top + j, left + kCellSize + 1, top + j);
  } else {
    for (int j = 0; j <= kCellSize; ++j) canvas_.Line(left, top + j, left + kCellSize * length + 1, top + j);
  }
  // The pen stays purple: squares painted next by letter entry are outlined in it.
  canvas_.SetPenMode(PenMode::Copy);
}

void BoardDrawing::RedrawBoard() {
  window_.RewardVisible = false;
  DrawEmptyBoard();
  // While a grid is drawn, cells that belong to no slot yet are part of it too: a repaint must not
  // make the user's strokes vanish from view while they stay in the grid.
  if (puzzle_.PlayActive == 0 && !puzzle_.AnswersShown) DrawGridCells();
  if (puzzle_.SlotCount > 0) {
    DrawWordsAndNumbers();
    if (puzzle_.AnswersShown) DrawAnswers();
  }
  if (!puzzle_.AnswersShown && puzzle_.PlayActive != 0) {
    DrawEntries();
    if (puzzle_.PlayActive == 1) DrawHighlight();
  }
  if (puzzle_.PlacingLetters()) DrawPlacedLetters();
  repaint_due_ = false;
}

void BoardDrawing::DrawPlacedLetters() {
  canvas_.SetPenColor(GridGrey);
  canvas_.SetBrushColor(PlacedCell);
  canvas_.SetFontColor(PlacedInk);
  for (int x = 0; x < LowByte(puzzle_.BoardCols); ++x) {
    for (int y = 0; y < LowByte(puzzle_.BoardRows); ++y) {
      const char letter = puzzle_.Placed(x, y);
      if (letter == NoLetter || puzzle_.Mask(x, y) == Background) continue;
      CellSquare(x, y);
      TextAtCell(x, y, std::string{' ', letter});
    }
  }
  canvas_.SetFontColor(Navy);
  canvas_.SetBrushColor(palette_.WordCellColor);
}

void BoardDrawing::DrawPlacingSlot() {
  RedrawBoard();
  const int k = puzzle_.Clues.CurrentRow() + 1;
  if (puzzle_.SlotCount == 0 || k > puzzle_.SlotCount) return;
  DrawHighlight();
  const int t = puzzle_.TypedCount;
  if (t >= puzzle_.SlotLength[k]) return;
  const int x = puzzle_.SlotCellX(k, t), y = puzzle_.SlotCellY(k, t);
  canvas_.SetBrushColor(palette_.FoundWordColor);
  CellSquare(x, y);
  const char letter = puzzle_.Placed(x, y);
  if (letter != NoLetter) {
    canvas_.SetFontColor(PlacedInk);
    TextAtCell(x, y, std::string{' ', letter});
    canvas_.SetFontColor(Navy);
  }
}

void BoardDrawing::RefreshWords() {
  if (puzzle_.SlotCount > 0 && puzzle_.PlayActive == 1) DrawWordsAndNumbers();
  DrawEntries();
  if (!puzzle_.AnswersShown && puzzle_.PlayActive == 1) DrawHighlight();
}

void BoardDrawing::DrawFillProgress() {
  for (int k = 1; k <= puzzle_.SlotCount; ++k) {
    const Color color = puzzle_.SlotAnswer[k].empty() ? palette_.WordCellColor : palette_.FoundWordColor;
    PaintSlotCells(static_cast<std::uint8_t>(k), color);
  }
}

void BoardDrawing::Repaint() {
  if (puzzle_.FillRunning) {
    DrawEmptyBoard();
    DrawFillProgress();
  } else {
    RedrawBoard();
  }
}

void BoardDrawing::RepaintFromModel() {
  const bool reward_shown = window_.RewardVisible;
  Repaint();
  window_.RewardVisible = reward_shown;
}

void BoardDrawing::SurroundCell(int x, int y, Color color) {
  canvas_.SetBrushColor(color);
  canvas_.SetPenColor(color);
  canvas_.FillRect(x * kCellSize, y * kCellSize, (x + 1) * kCellSize, (y + 1) * kCellSize);
  puzzle_.SetLetter(x, y, SurroundMark);
}

void BoardDrawing::DrawSurround(Color color) {
  const int rows = LowByte(puzzle_.BoardRows);
  const int cols = LowByte(puzzle_.BoardCols);
  auto free = [this](int x, int y) { return puzzle_.Letter(x, y) == NoLetter && Puzzle::OnStorage(x, y); };
  auto marked = [this](int x, int y) { return puzzle_.Letter(x, y) == SurroundMark; };
  auto paint_if_free = [&](int x, int y) {
    if (free(x, y)) SurroundCell(x, y, color);
  };

  for (int x = 0; x <= cols; ++x) paint_if_free(x, 0);
  for (int y = 0; y <= rows; ++y) paint_if_free(0, y);
  for (int x = 0; x <= cols; ++x) paint_if_free(x, rows - 1);
  for (int y = 0; y <= rows; ++y) paint_if_free(cols - 1, y);

  auto visit = [&](int x, int y) {
    if (free(x, y) && (marked(x, y - 1) || marked(x - 1, y) || marked(x + 1, y) || marked(x, y + 1))) {
      SurroundCell(x, y, color);
    }
  };
  // Four sweeps in the four directions reach every free cell connected to the border along
  // paths that do not wind back against all of them.
  for (int y = 1; y <= rows - 2; ++y)
    for (int x = 1; x <= cols - 2; ++x) visit(x, y);
  for (int y = 1; y <= rows - 2; ++y)
    for (int x = cols - 2; x >= 1; --x) visit(x, y);
  for (int y = rows - 2; y >= 1; --y)
    for (int x = 1; x <= cols - 2; ++x) visit(x, y);
  for (int y = rows - 2; y >= 1; --y)
    for (int x = cols - 2; x >= 1; --x) visit(x, y);

  for (int x = 0; x <= cols; ++x)
    for (int y = 0; y <= rows; ++y)
      if (marked(x, y)) puzzle_.SetLetter(x, y, NoLetter);
}

Color ClueRowColor(const Puzzle& puzzle, int row) {
  const int k = row + 1;
  return k < Puzzle::TableSize && puzzle.SlotVertical[k] != 0 ? Silver : White;
}

}  // namespace gx
