#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "PlayTestSupport.h"
#include "files/DictionaryFile.h"
#include "shell/CommandCore.h"
#include "shell/PuzzleHistory.h"

namespace gx {
namespace {

using test::PlayBench;
using test::W;

std::string Differences(const Puzzle& a, const Puzzle& b) {
  std::string out;
  for (int i = 0; i < BoardStorage * BoardStorage; ++i) {
    if (a.CellMask[i] != b.CellMask[i] || a.CellLetter[i] != b.CellLetter[i]) {
      out += " cell " + std::to_string(i / 64) + "," + std::to_string(i % 64) + ":" + std::to_string(a.CellMask[i]) +
             a.CellLetter[i] + "/" + std::to_string(b.CellMask[i]) + b.CellLetter[i];
    }
  }
  if (a.SlotCount != b.SlotCount) out += " slots";
  if (!(a.Clues == b.Clues)) {
    out += " clues " + std::to_string(a.Clues.RowCount()) + "/" + std::to_string(b.Clues.RowCount()) + " row " +
           std::to_string(a.Clues.CurrentRow()) + "/" + std::to_string(b.Clues.CurrentRow());
    for (int r = 0; r < ClueList::MaxRows; ++r)
      for (int c = 0; c < 2; ++c)
        if (a.Clues.Cell(c, r) != b.Clues.Cell(c, r)) out += " [" + std::to_string(r) + "," + std::to_string(c) + "]" + a.Clues.Cell(c, r) + "|" + b.Clues.Cell(c, r);
  }
  if (a.GridModified != b.GridModified) out += " modified";
  return out;
}

// A program folder whose dictionary has words that differ only in their first letter, so that a
// grid whose crossings avoid the first cells of its words can be filled.
struct Undo : ::testing::Test {
  Undo() {
    test::UseEveryLengthDictionary(folder, b);
  }

  // A mouse stroke through the given cells, press to release.
  void Stroke(std::initializer_list<std::pair<int, int>> cells) {
    const auto [x0, y0] = *cells.begin();
    b.commands.BoardMouseDown(x0 * 16 + 8, y0 * 16 + 8, MouseButton::Left);
    for (auto [x, y] : cells) b.commands.BoardMouseMove(x * 16 + 8, y * 16 + 8);
    b.commands.BoardMouseUp(0, 0, MouseButton::Left);
  }

  // The puzzle and the caption after a change, and how many steps the history then holds.
  void Kept() {
    seen.push_back(PuzzleStep{b.state.puzzle, b.state.PuzzleTitle, b.state.window.Caption});
    EXPECT_EQ(b.commands.History().UndoCount(), seen.size() - 1) << "after change " << seen.size() - 1;
  }
  // A move that is no change: the next change goes back to the place it left.
  void Moved() { seen.back() = PuzzleStep{b.state.puzzle, b.state.PuzzleTitle, b.state.window.Caption}; }
  void ExpectShows(const PuzzleStep& step, const std::string& when) {
    EXPECT_TRUE(SameCrossword(step.puzzle, b.state.puzzle)) << when << Differences(step.puzzle, b.state.puzzle);
    EXPECT_EQ(b.state.puzzle.Clues.CurrentRow(), step.puzzle.Clues.CurrentRow()) << when;
    EXPECT_EQ(b.state.puzzle.TypedText, step.puzzle.TypedText) << when;
    EXPECT_EQ(b.state.puzzle.PlayActive, step.puzzle.PlayActive) << when;
    EXPECT_EQ(b.state.window.Caption, step.caption) << when;
  }

  test::TestFolder folder;
  PlayBench b;
  std::vector<PuzzleStep> seen;
};

TEST_F(Undo, EachKindOfChangeGoesBackExactlyAndComesForwardAgain) {
  Kept();
  // Pencil strokes drawing a frame of four words; a stray cell drawn and erased again.
  Stroke({{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}});
  Kept();
  Stroke({{1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}});
  Kept();
  Stroke({{3, 1}, {3, 2}, {3, 3}, {3, 4}, {3, 5}, {3, 6}, {3, 7}});
  Kept();
  Stroke({{7, 1}, {7, 2}, {7, 3}, {7, 4}, {7, 5}, {7, 6}, {7, 7}});
  Kept();
  Stroke({{12, 12}});
  Kept();
  b.commands.KeyDown(Key::F4);  // the eraser: a tool, no change
  Stroke({{12, 12}});
  b.commands.KeyDown(Key::F4);
  Kept();
  ASSERT_EQ(b.state.puzzle.SlotCount, 4);
  // A letter placed in the drawn grid, then the fill around it.
  b.commands.ClueChosen(0);
  Moved();
  b.commands.KeyPress(W("б")[0]);
  ASSERT_EQ(b.state.puzzle.Placed(1, 2), W("б")[0]);
  Kept();
  b.commands.KeyDown(Key::ShiftF7);
  ASSERT_EQ(b.state.puzzle.PlayActive, 1);
  ASSERT_EQ(b.state.puzzle.SlotAnswer[1][0], W("б")[0]);
  Kept();
  // Solving: a new current word is no change; typed letters, Delete and F12 are.
  b.commands.ClueChosen(2);
  Moved();
  b.commands.KeyPress(W("к")[0]);
  Kept();
  b.commands.KeyPress(W("о")[0]);
  Kept();
  b.commands.KeyDown(Key::Delete);
  Kept();
  b.commands.KeyDown(Key::F12);
  Kept();
  b.commands.KeyDown(Key::F7);
  Kept();
  b.commands.KeyDown(Key::F9);  // answers shown: no change
  b.commands.KeyPress(kEscape);
  EXPECT_EQ(b.commands.History().UndoCount(), seen.size() - 1);
  b.commands.KeyDown(Key::F8);
  Kept();
  b.commands.KeyDown(Key::F10);
  Kept();
  ASSERT_GT(b.state.puzzle.SlotCount, 4);

  for (std::size_t i = seen.size() - 1; i > 0; --i) {
    b.commands.Undo();
    ExpectShows(seen[i - 1], "undo to " + std::to_string(i - 1));
  }
  EXPECT_FALSE(b.commands.CanUndo());
  b.commands.Undo();  // nothing left: nothing changes
  ExpectShows(seen[0], "undo past the first change");
  for (std::size_t i = 1; i < seen.size(); ++i) {
    b.commands.Redo();
    ExpectShows(seen[i], "redo to " + std::to_string(i));
  }
  EXPECT_FALSE(b.commands.CanRedo());

  // A change after some undos drops what could have been redone.
  b.commands.Undo();
  b.commands.Undo();
  EXPECT_EQ(b.commands.History().RedoCount(), 2u);
  b.commands.KeyDown(Key::F8);
  EXPECT_FALSE(b.commands.CanRedo());
  b.commands.Undo();
  ExpectShows(seen[seen.size() - 3], "undo of the clear after the undos");
}

TEST_F(Undo, ABuildOrALoadStartsANewHistoryThatBeginsWithIt) {
  const std::filesystem::path delivered = std::filesystem::path(GRIDLEX_DIST_DIR) / "data/ru.dct";
  if (!std::filesystem::exists(delivered)) GTEST_SKIP() << "no delivered dictionary";
  std::filesystem::copy_file(delivered, folder.Path("data/ru.dct"));
  b.state.dictionary.DictionaryName = "ru.dct";
  b.state.settings.MaxFillAttempts = 1024;
  Stroke({{1, 2}, {2, 2}, {3, 2}});
  Stroke({{5, 5}, {5, 6}});
  seen.push_back(PuzzleStep{b.state.puzzle, b.state.PuzzleTitle, b.state.window.Caption});
  b.host.confirm_answers = {true};  // build over the drawn grid
  b.commands.KeyDown(Key::F5);
  ASSERT_EQ(b.state.puzzle.PlayActive, 1);
  EXPECT_EQ(b.commands.History().UndoCount(), 1u);
  seen.push_back(PuzzleStep{b.state.puzzle, b.state.PuzzleTitle, b.state.window.Caption});
  b.commands.Undo();
  ExpectShows(seen[0], "the drawn grid before the build");
  EXPECT_FALSE(b.commands.CanUndo());
  b.commands.Redo();
  ExpectShows(seen[1], "the built crossword");

  b.host.dialog_answers = {folder.Path("data/3.gx")};
  b.commands.KeyDown(Key::F2);
  b.commands.KeyPress(W("а")[0]);
  b.commands.KeyDown(Key::F8);
  EXPECT_EQ(b.commands.History().UndoCount(), 3u);
  const PuzzleStep cleared{b.state.puzzle, b.state.PuzzleTitle, b.state.window.Caption};
  b.host.dialog_answers = {folder.Path("data/3.gx")};
  b.commands.KeyDown(Key::F3);
  EXPECT_EQ(b.commands.History().UndoCount(), 1u);
  const PuzzleStep loaded{b.state.puzzle, b.state.PuzzleTitle, b.state.window.Caption};
  EXPECT_FALSE(SameCrossword(loaded.puzzle, seen[1].puzzle));  // the typed letter came back with the file
  b.commands.Undo();
  ExpectShows(cleared, "the cleared board before the load");
  b.commands.Redo();
  ExpectShows(loaded, "the loaded crossword");
}

TEST(PuzzleHistoryBounds, AtMostMaxStepsAndMaxBytesAndStillAHundredOfTheLargest) {
  Gridlex state;
  PuzzleHistory history;
  auto change = [&](int i) {
    history.Begin(state);
    state.puzzle.SetLetter(i % 60, i / 60, static_cast<char>('a' + i % 26));
    history.End(state);
  };
  for (int i = 0; i < 250; ++i) change(i);
  EXPECT_EQ(history.UndoCount(), PuzzleHistory::MaxSteps);
  EXPECT_LE(history.Bytes(), PuzzleHistory::MaxBytes);
  // The oldest steps went: undoing all that is kept ends on the puzzle of change 49.
  while (history.Undo(state)) {
  }
  EXPECT_EQ(state.puzzle.Letter(49, 0), 'a' + 49 % 26);
  EXPECT_EQ(state.puzzle.Letter(50, 0), NoLetter);
  EXPECT_EQ(history.RedoCount(), PuzzleHistory::MaxSteps);
  EXPECT_LE(history.Bytes(), PuzzleHistory::MaxBytes);

  // Clues at their longest in every row: the byte bound stops the history first.
  history.Clear();
  for (int row = 0; row < ClueList::MaxRows; ++row) state.puzzle.Clues.SetCell(1, row, std::string(255, 'x'));
  for (int i = 0; i < 250; ++i) change(i);
  EXPECT_LT(history.UndoCount(), PuzzleHistory::MaxSteps);
  EXPECT_GE(history.UndoCount(), 100u);
  EXPECT_LE(history.Bytes(), PuzzleHistory::MaxBytes);
  EXPECT_GT(history.Bytes(), PuzzleHistory::MaxBytes - PuzzleHistory::MaxBytes / 10);
}

}  // namespace
}  // namespace gx
