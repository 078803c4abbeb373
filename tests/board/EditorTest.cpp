#include "board/Editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "PlayTestSupport.h"

namespace gx {
namespace {

using test::PlayBench;
using test::W;

std::set<std::pair<int, int>> GridCells(const Puzzle& p) {
  std::set<std::pair<int, int>> cells;
  for (int x = 0; x < BoardStorage; ++x)
    for (int y = 0; y < BoardStorage; ++y)
      if (p.Mask(x, y) != Background) cells.insert({x, y});
  return cells;
}

// A press, one move per listed cell (at the cell's middle) and a release.
void Stroke(PlayBench& b, std::initializer_list<std::pair<int, int>> pixels) {
  const auto first = *pixels.begin();
  b.commands.BoardMouseDown(first.first, first.second, MouseButton::Left);
  for (auto [x, y] : pixels) b.commands.BoardMouseMove(x, y);
  b.commands.BoardMouseUp(0, 0, MouseButton::Left);
}

TEST(SymmetryImages, AreTheEightSymmetriesOfTheSquareInOrder) {
  const auto images = SymmetryImages(2, 3, 19, 19);
  const std::array<CellPos, 8> expected = {
      {{2, 3}, {3, 2}, {16, 3}, {15, 2}, {2, 15}, {3, 16}, {16, 15}, {15, 16}}};
  EXPECT_EQ(images, expected);
  for (const CellPos& c : SymmetryImages(9, 9, 19, 19)) EXPECT_EQ(c, (CellPos{9, 9}));
}

TEST(EditorStrokes, KaleidoscopeRepeatsAStrokeInEightPlacesAndPaintsThem) {
  PlayBench b;
  b.state.settings.KaleidoscopeOn = true;
  Stroke(b, {{2 * 16 + 5, 3 * 16 + 5}});
  const std::set<std::pair<int, int>> expected = {{2, 3}, {3, 2}, {16, 3}, {15, 2},
                                                   {2, 15}, {3, 16}, {16, 15}, {15, 16}};
  EXPECT_EQ(GridCells(b.state.puzzle), expected);
  // Only the cell under the mouse is marked as painted; its images keep their letters.
  EXPECT_EQ(b.state.puzzle.Letter(2, 3), PaintedMark);
  EXPECT_EQ(b.state.puzzle.Letter(16, 15), NoLetter);
  for (auto [x, y] : expected) EXPECT_EQ(b.canvas.CellInside(x, y), b.state.settings.Colors.WordCellColor);
  EXPECT_EQ(b.state.window.Caption, W("Модификация сетки"));
  EXPECT_TRUE(b.state.puzzle.GridModified);
}

TEST(EditorStrokes, KaleidoscopeDrawsOnlyInTheTopLeftQuadrant) {
  PlayBench b;
  b.state.settings.KaleidoscopeOn = true;
  Stroke(b, {{10 * 16 + 1, 3 * 16 + 1}});
  EXPECT_TRUE(GridCells(b.state.puzzle).empty());
  EXPECT_FALSE(b.state.puzzle.PencilDrew);

  Stroke(b, {{9 * 16 + 1, 9 * 16 + 1}});  // the centre: all eight images coincide
  EXPECT_EQ(GridCells(b.state.puzzle), (std::set<std::pair<int, int>>{{9, 9}}));
}

TEST(EditorStrokes, WithoutKaleidoscopeStrokesPastTheEdgesPaintTheEdgeCells) {
  PlayBench b;
  Stroke(b, {{19 * 16 + 40, 5 * 16}, {5 * 16, 19 * 16 + 100}, {-30, 7 * 16}, {8 * 16, -5}});
  const std::set<std::pair<int, int>> expected = {{18, 5}, {5, 18}, {0, 7}, {8, 0}};
  EXPECT_EQ(GridCells(b.state.puzzle), expected);
}

TEST(EditorStrokes, ReleaseExtractsTheSlotsOfTheDrawing) {
  PlayBench b;
  b.state.puzzle.Clues.SetCell(1, 0, "stale");
  Stroke(b, {{2 * 16, 2 * 16}, {3 * 16, 2 * 16}, {4 * 16, 2 * 16}, {5 * 16, 2 * 16}});
  Stroke(b, {{3 * 16, 1 * 16}, {3 * 16, 3 * 16}, {3 * 16, 4 * 16}});
  EXPECT_EQ(b.state.puzzle.SlotCount, 2);
  EXPECT_EQ(b.state.puzzle.SlotLength[1], 4);
  EXPECT_EQ(b.state.puzzle.SlotLength[2], 4);
  EXPECT_EQ(b.state.puzzle.SlotVertical[2], 1);
  EXPECT_FALSE(b.state.puzzle.PencilDrew);
  EXPECT_FALSE(b.state.puzzle.DragActive);
}

TEST(EditorStrokes, EraserRemovesCellsAndLettersAndTheToolSwitchChangesTheHint) {
  PlayBench b;
  b.AddSlot(2, 2, 4, false, W("кот"));
  b.state.puzzle.SlotX[1] = 0;  // no word starts where the stroke begins
  b.commands.KeyDown(Key::F4);
  EXPECT_TRUE(b.state.puzzle.EraserOn);
  EXPECT_EQ(b.state.window.EraserButtonHint, W("Карандаш включить (F4)"));
  Stroke(b, {{3 * 16 + 2, 2 * 16 + 2}});
  EXPECT_EQ(b.state.puzzle.Mask(3, 2), Background);
  EXPECT_EQ(b.state.puzzle.Letter(3, 2), NoLetter);
  EXPECT_EQ(b.canvas.CellInside(3, 2), 0u);  // black
  b.commands.ButtonClick(Button::PencilOrEraser);
  EXPECT_FALSE(b.state.puzzle.EraserOn);
  EXPECT_EQ(b.state.window.EraserButtonHint, W("Ластик включить (F4)"));
}

TEST(EditorStrokes, NothingChangesWhileAFillRuns) {
  PlayBench b;
  b.state.puzzle.FillRunning = true;
  Stroke(b, {{32, 32}, {48, 32}});
  b.commands.KeyDown(Key::F8);
  EXPECT_TRUE(GridCells(b.state.puzzle).empty());
  EXPECT_NE(b.state.window.Caption, W("Чисто поле"));
}

TEST(ClearBoard, EmptiesTheBoardAndMarksTheCentreCell) {
  PlayBench b;
  b.AddSlot(1, 1, 5, false, W("слово"), W(" clue"));
  b.state.puzzle.PlayActive = 1;
  b.state.window.ClueLineText = "old";
  b.commands.KeyDown(Key::F8);
  const Puzzle& p = b.state.puzzle;
  EXPECT_EQ(b.state.window.Caption, W("Чисто поле"));
  EXPECT_EQ(p.SlotCount, 0);
  EXPECT_EQ(p.PlayActive, 0);
  EXPECT_TRUE(p.GridModified);
  EXPECT_TRUE(p.Clues.Clue(0).empty());
  EXPECT_TRUE(b.state.window.ClueLineText.empty());
  EXPECT_TRUE(GridCells(p).empty());
  EXPECT_EQ(p.CurrentWordX, 9);
  EXPECT_EQ(p.CurrentWordY, 9);
  EXPECT_EQ(b.canvas.CellInside(9, 9), b.state.settings.Colors.WrongWordColor);
  EXPECT_EQ(b.canvas.CellInside(1, 1), b.state.settings.Colors.BoardColor);
}

}  // namespace
}  // namespace gx
