#include "shell/CommandCore.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestBytes.h"
#include "TestFolder.h"
#include "PlayTestSupport.h"
#include "board/Layout.h"
#include "core/Extraction.h"
#include "files/DictionaryFile.h"
#include "base/FileIo.h"
#include "files/PuzzleFile.h"

namespace gx {
namespace {

using test::PlayBench;
using test::W;

// A program folder with a data folder and a dictionary of words that differ only in their first
// letter, so that any grid whose crossings avoid the first cells of its words can be filled.
struct ProgramFolder : ::testing::Test {
  explicit ProgramFolder(int cells = 19) : b(cells) {
    test::UseEveryLengthDictionary(folder, b);
  }

  void Draw(std::initializer_list<std::pair<int, int>> cells) {
    for (auto [x, y] : cells) b.state.puzzle.SetMask(x, y, GridCell);
  }
  // A cross of words: rows 2 and 6 across, columns 3 and 7 down, all of 7 cells.
  void DrawFrame() {
    for (int t = 1; t <= 7; ++t) {
      Draw({{t, 2}, {t, 6}, {3, t}, {7, t}});
    }
    ClassifyCells(b.state.puzzle);
    ExtractSlots(b.state.puzzle);
    ASSERT_EQ(b.state.puzzle.SlotCount, 4);
  }
  std::string Clue(int row) const { return b.state.puzzle.Clues.Cell(1, row); }

  test::TestFolder folder;
  PlayBench b;
};

TEST_F(ProgramFolder, RefillOnAnEmptyBoardSaysTooFewCells) {
  b.commands.KeyDown(Key::F7);
  EXPECT_EQ(b.state.window.Caption, W("Мало ячеек"));
  EXPECT_EQ(b.state.puzzle.SlotCount, 0);
  // The dictionary was loaded first; a small one is pointed out.
  EXPECT_TRUE(b.state.dictionary.DictionaryLoaded);
  EXPECT_EQ(b.host.informations, std::vector<std::string>{W("В словаре всего 176 слов")});
  EXPECT_EQ(b.state.window.DictionaryLineText, W("Словарь test.dct 176 сл"));
}

TEST_F(ProgramFolder, AMissingDictionaryAbandonsTheCommand) {
  b.state.dictionary.DictionaryName = "none.dct";
  DrawFrame();
  b.commands.KeyDown(Key::F7);
  EXPECT_EQ(b.host.errors, std::vector<std::string>{"File not found"});
  EXPECT_FALSE(b.state.dictionary.DictionaryLoaded);
  EXPECT_TRUE(b.state.puzzle.SlotAnswer[1].empty());
}

TEST_F(ProgramFolder, RefillFillsTheDrawnGridAndSelectsTheFirstWord) {
  DrawFrame();
  b.state.puzzle.GridModified = true;
  b.state.puzzle.EraserOn = true;
  b.commands.KeyDown(Key::F7);
  const Puzzle& p = b.state.puzzle;
  EXPECT_EQ(b.state.window.Caption, W("Новый кроссворд 4 сл"));
  EXPECT_EQ(p.PlayActive, 1);
  EXPECT_FALSE(p.GridModified);
  EXPECT_FALSE(p.EraserOn);
  EXPECT_FALSE(p.FillRunning);
  EXPECT_EQ(p.SlotAnswer[1].size(), 7u);
  EXPECT_EQ(b.state.window.ClueLineText, W(" Слово из 7 букв"));
  EXPECT_TRUE(b.state.window.ClueLineVisible);
  EXPECT_FALSE(b.state.window.ProgressVisible);
  EXPECT_EQ(p.Clues.CurrentRow(), 0);
  EXPECT_EQ(p.CurrentWordLength, 7);
  EXPECT_EQ(b.host.played.back(), folder.Dir() + "/snd/e4.wav");
}

TEST_F(ProgramFolder, ASlotOfMoreThan19CellsIsShownAndNothingIsFilled) {
  PlayBench wide(23);
  b.state.puzzle.BoardCols = b.state.puzzle.BoardRows = 23;
  for (int x = 1; x <= 21; ++x) Draw({{x, 5}});
  for (int y = 3; y <= 8; ++y) Draw({{3, y}, {10, y}, {15, y}});
  ClassifyCells(b.state.puzzle);
  ExtractSlots(b.state.puzzle);
  ASSERT_EQ(b.state.puzzle.SlotLength[1], 21);
  b.commands.KeyDown(Key::F7);
  EXPECT_EQ(b.state.window.Caption, W("Ячейки более 19 клеток"));
  EXPECT_EQ(b.canvas.CellInside(18, 5), b.state.settings.Colors.WrongWordColor);
  EXPECT_EQ(b.canvas.CellInside(3, 3), b.state.settings.Colors.WordCellColor);
  for (int k = 1; k <= b.state.puzzle.SlotCount; ++k) EXPECT_TRUE(b.state.puzzle.SlotAnswer[k].empty());
}

TEST_F(ProgramFolder, BuildMakesANewCrosswordWithItsClues) {
  const std::filesystem::path delivered = std::filesystem::path(GRIDLEX_DIST_DIR) / "data/ru.dct";
  if (!std::filesystem::exists(delivered)) GTEST_SKIP() << "no delivered dictionary";
  std::filesystem::copy_file(delivered, folder.Path("data/ru.dct"));
  b.state.dictionary.DictionaryName = "ru.dct";
  b.state.settings.MaxFillAttempts = 1024;
  b.commands.KeyDown(Key::F5);
  const Puzzle& p = b.state.puzzle;
  ASSERT_GE(p.SlotCount, 4);
  EXPECT_EQ(b.state.window.Caption, W("Новый кроссворд ") + std::to_string(p.SlotCount) + W(" сл"));
  EXPECT_EQ(p.PlayActive, 1);
  for (int k = 1; k <= p.SlotCount; ++k) EXPECT_FALSE(p.Clues.Clue(k - 1).empty()) << k;
  EXPECT_EQ(b.state.window.ClueLineText, p.Clues.Cell(1, 0).substr(0, 67));
  EXPECT_TRUE(b.state.window.ClueListVisible);
  EXPECT_TRUE(b.host.confirmations.empty());
}

// The question's buttons say what they do; the default (Enter, and Escape too) keeps the grid, and
// only «Построить новый» builds over it.
TEST_F(ProgramFolder, BuildOverAModifiedGridAsksFirstAndTheDefaultKeepsTheGrid) {
  DrawFrame();
  b.state.puzzle.GridModified = true;
  b.host.confirm_answers = {false};
  b.commands.ButtonClick(Button::BuildOrStop);
  EXPECT_EQ(b.host.confirmations, std::vector<std::string>{W("Следовало бы завершить работу с данной сеткой")});
  EXPECT_EQ(b.host.confirm_presets, std::vector<DefaultButton>{DefaultButton::Cancel});
  ASSERT_EQ(b.host.confirm_buttons.size(), 1u);
  EXPECT_EQ(b.host.confirm_buttons[0].ok, W("Построить новый"));
  EXPECT_EQ(b.host.confirm_buttons[0].cancel, W("Оставить сетку"));
  EXPECT_EQ(b.state.puzzle.SlotCount, 4);
  EXPECT_TRUE(b.state.puzzle.SlotAnswer[1].empty());
  EXPECT_EQ(b.state.window.Caption, "");

  b.host.confirm_answers = {true};
  b.commands.ButtonClick(Button::BuildOrStop);
  EXPECT_EQ(b.host.confirmations.size(), 2u);
  const std::string& caption = b.state.window.Caption;  // a build ran, complete or not
  EXPECT_TRUE(caption.starts_with(W("Новый кроссворд")) || caption.starts_with(W("Построение прервано"))) << caption;
}

// Escape stops a fill as F6 does; presses right after it, before the fill has seen the stop, start
// nothing inside it.
TEST_F(ProgramFolder, EscapeStopsAFillAndNothingStartsBeforeItHasEnded) {
  DrawFrame();
  ASSERT_TRUE(b.commands.LoadDictionary());
  b.host.on_events = [&](long) {
    if (!b.state.puzzle.FillRunning || b.state.puzzle.PlacedCount < 2) return;
    b.commands.KeyPress(kEscape);
    b.commands.KeyDown(Key::F3);
    b.commands.KeyDown(Key::F5);
  };
  b.commands.KeyDown(Key::F7);
  const Puzzle& p = b.state.puzzle;
  EXPECT_EQ(b.state.window.Caption, W("Построение прервано"));
  EXPECT_TRUE(b.host.dialogs.empty());
  EXPECT_EQ(p.SlotCount, 4);
  EXPECT_EQ(p.PlayActive, 0);
  EXPECT_EQ(p.Letter(3, 2), W("а")[0]);  // the words placed stay on the board
  EXPECT_FALSE(b.commands.Busy());
}

// A command that replaces or clears the puzzle clears its clue line, so Escape, which shows the
// line again, never shows a clue of a puzzle that is gone.
TEST_F(ProgramFolder, ReplacingThePuzzleClearsItsClueLine) {
  DrawFrame();
  b.commands.KeyDown(Key::F7);
  ASSERT_FALSE(b.state.window.ClueLineText.empty());
  b.commands.KeyDown(Key::F10);
  EXPECT_EQ(b.state.window.ClueLineText, "");

  b.state.window.ClueLineText = W(" Слово из 7 букв");
  b.host.confirm_answers = {true};  // builds over the lattice
  ASSERT_TRUE(b.commands.LoadDictionary());
  b.host.on_events = [&](long) {
    if (b.state.window.Caption == W("Построение сетки..")) b.commands.KeyPress(kEscape);  // stops the build
  };
  b.commands.KeyDown(Key::F5);
  EXPECT_EQ(b.state.window.Caption, W("Построение прервано"));
  b.commands.KeyPress(kEscape);
  EXPECT_TRUE(b.state.window.ClueLineVisible);
  EXPECT_EQ(b.state.window.ClueLineText, "");
}

TEST_F(ProgramFolder, F6StopsAFillKeepingTheLettersAndDroppingTheClues) {
  DrawFrame();
  ASSERT_TRUE(b.commands.LoadDictionary());
  b.host.on_events = [&](long) {
    if (b.state.puzzle.FillRunning && b.state.puzzle.PlacedCount >= 2) b.commands.KeyDown(Key::F6);
  };
  b.commands.KeyDown(Key::F7);
  const Puzzle& p = b.state.puzzle;
  EXPECT_EQ(b.state.window.Caption, W("Построение прервано"));
  EXPECT_EQ(p.PlayActive, 0);
  EXPECT_FALSE(p.FillRunning);
  EXPECT_EQ(b.host.played.back(), folder.Dir() + "/snd/e3.wav");
  EXPECT_EQ(p.Letter(3, 2), W("а")[0]);  // the words placed stay on the board
  for (int row = 0; row < 4; ++row) EXPECT_TRUE(Clue(row).empty());
  EXPECT_FALSE(p.Clues.Cell(0, 0).empty());  // the numbers stay
}

TEST_F(ProgramFolder, DuringAFillOnlyTheStopPressesAct) {
  DrawFrame();
  ASSERT_TRUE(b.commands.LoadDictionary());
  bool pressed = false;
  b.host.on_events = [&](long) {
    if (!b.state.puzzle.FillRunning || pressed) return;
    pressed = true;
    b.commands.KeyDown(Key::F3);
    b.commands.KeyDown(Key::F8);
    b.commands.KeyDown(Key::F10);
    b.commands.ButtonClick(Button::SavePuzzle);
    b.commands.BoardMouseDown(200, 200, MouseButton::Left);
    b.commands.BoardMouseMove(200, 200);
    // What the window used to refuse on its own is refused by the core now.
    const int row = b.state.puzzle.Clues.CurrentRow();
    b.commands.ClueChosen(row + 2);
    EXPECT_EQ(b.state.puzzle.Clues.CurrentRow(), row);
    const int spinner = b.state.window.SpinnerPosition;
    b.commands.SpinnerStep(1);
    EXPECT_EQ(b.state.window.SpinnerPosition, spinner);
    // Escape acts in every state: it closes the settings panel and leaves the progress bar alone.
    b.commands.KeyPress(kEscape);
    EXPECT_FALSE(b.state.window.SettingsPanelVisible);
    EXPECT_FALSE(b.state.window.ClueLineVisible && b.state.window.ProgressVisible);
    b.commands.ButtonClick(Button::BuildOrStop);  // stops: the grid was not modified
  };
  b.commands.ButtonClick(Button::OpenSettings);  // the settings panel is open
  b.commands.KeyDown(Key::F7);
  EXPECT_TRUE(pressed);
  EXPECT_TRUE(b.host.dialogs.empty());
  EXPECT_EQ(b.state.puzzle.Mask(12, 12), Background);
  EXPECT_EQ(b.state.window.Caption, W("Построение прервано"));
  EXPECT_EQ(b.state.puzzle.SlotCount, 4);
}

TEST_F(ProgramFolder, PressesDuringGridGenerationDoNotStartASecondBuild) {
  ASSERT_TRUE(b.commands.LoadDictionary());
  int presses = 0;
  b.host.on_events = [&](long) {
    if (b.state.window.Caption != W("Построение сетки..") || presses > 0) return;
    ++presses;
    b.commands.KeyDown(Key::F7);
    b.commands.KeyDown(Key::F5);  // stops the generation
  };
  b.state.window.ClueLineVisible = true;  // the clue line of the puzzle before
  b.commands.KeyDown(Key::F5);
  EXPECT_EQ(presses, 1);
  EXPECT_EQ(b.state.window.Caption, W("Построение прервано"));
  EXPECT_EQ(b.state.puzzle.SlotCount, 0);
  EXPECT_FALSE(b.state.window.ClueLineVisible);
  EXPECT_FALSE(b.commands.Busy());
}

TEST_F(ProgramFolder, SaveAndLoadGiveBackTheSamePuzzle) {
  DrawFrame();
  b.commands.KeyDown(Key::F7);
  const Puzzle saved = b.state.puzzle;
  b.host.dialog_answers = {folder.Path("data/7.gx")};
  b.commands.KeyDown(Key::F2);
  ASSERT_EQ(b.host.dialogs.size(), 1u);
  EXPECT_EQ(b.host.dialogs[0].title, W("Сохранение кроссворда в файле"));
  EXPECT_EQ(b.host.dialogs[0].filter, "*.gx|*.gx");
  EXPECT_EQ(b.host.dialogs[0].proposed_name, "1.gx");
  EXPECT_EQ(b.host.dialogs[0].folder, folder.Path("data"));
  EXPECT_TRUE(FileExists(folder.Path("data/7.gx")));
  EXPECT_EQ(b.state.window.Caption, W("Кроссворд из файла 7.gx 4 сл"));

  b.commands.KeyDown(Key::F8);
  ASSERT_EQ(b.state.puzzle.SlotCount, 0);
  b.host.dialog_answers = {"/somewhere/data/7.gx"};
  b.commands.ButtonClick(Button::LoadPuzzle);
  const Puzzle& p = b.state.puzzle;
  EXPECT_EQ(b.host.dialogs[1].title, W("Загрузка кроссворда из файла"));
  EXPECT_EQ(b.host.dialogs[1].proposed_name, "7.gx");
  EXPECT_EQ(b.state.window.Caption, W("Кроссворд из файла 7.gx 4 сл"));
  ASSERT_EQ(p.SlotCount, 4);
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(p.SlotAnswer[k], saved.SlotAnswer[k]);
    EXPECT_EQ(p.SlotX[k], saved.SlotX[k]);
    EXPECT_EQ(p.SlotVertical[k], saved.SlotVertical[k]);
    EXPECT_EQ(p.Clues.Cell(1, k - 1), saved.Clues.Cell(1, k - 1));
  }
  EXPECT_EQ(p.PlayActive, 1);
  EXPECT_FALSE(p.GridModified);
  EXPECT_EQ(b.state.window.ClueLineText, saved.Clues.Cell(1, 0));
  EXPECT_EQ(b.host.played.back(), folder.Dir() + "/snd/e1.wav");
}

TEST_F(ProgramFolder, CancellingTheOverwriteQuestionShowsTheDialogAgain) {
  folder.Write("data/3.gx", "");
  b.host.dialog_answers = {folder.Path("data/3.gx"), folder.Path("data/3.gx")};
  b.host.confirm_answers = {false, true};
  b.AddSlot(1, 1, 3, false, W("кот"), W(" Зверь"));
  b.commands.KeyDown(Key::F2);
  ASSERT_EQ(b.host.dialogs.size(), 2u);
  EXPECT_EQ(b.host.dialogs[0].proposed_name, "4.gx");
  EXPECT_EQ(b.host.dialogs[1].proposed_name, "3.gx");
  EXPECT_EQ(b.host.confirmations,
            (std::vector<std::string>{W("Файл 3.gx уже есть. Переписать?"), W("Файл 3.gx уже есть. Переписать?")}));
  // Enter answers Cancel: only a deliberate OK replaces a puzzle.
  EXPECT_EQ(b.host.confirm_presets, (std::vector<DefaultButton>{DefaultButton::Cancel, DefaultButton::Cancel}));
  std::string bytes;
  ASSERT_FALSE(ReadWholeFile(folder.Path("data/3.gx"), bytes));
  EXPECT_FALSE(bytes.empty());
}

TEST_F(ProgramFolder, RussianPuzzleNamesAreSavedShownAndProposedAsText) {
  b.AddSlot(1, 1, 3, false, W("кот"), W(" Зверь"));
  b.host.dialog_answers = {folder.Path("data/雪.gx"), folder.Path("data/Зимний кроссворд номер один")};
  b.host.confirm_answers = {true};  // saved under the shortened name
  b.commands.KeyDown(Key::F2);
  EXPECT_EQ(b.host.informations,
            std::vector<std::string>{W("В имени файла есть знак U+96EA, которого нет в кодировке Windows-1251: выберите другое имя")});
  ASSERT_EQ(b.host.dialogs.size(), 2u);
  EXPECT_EQ(b.host.dialogs[1].proposed_name, "1.gx");
  EXPECT_TRUE(FileExists(folder.Path("data/Зимний кроссворд.gx")));
  EXPECT_EQ(b.state.window.Caption, W("Кроссворд из файла Зимний кроссворд.gx 1 сл"));

  b.host.dialog_answers = {folder.Path("data/Зима")};
  b.commands.KeyDown(Key::F2);
  EXPECT_TRUE(FileExists(folder.Path("data/Зима.gx")));
  b.commands.KeyDown(Key::F8);
  b.host.dialog_answers = {folder.Path("data/Зима.gx")};
  b.commands.KeyDown(Key::F3);
  EXPECT_EQ(b.host.dialogs.back().proposed_name, W("Зима.gx"));
  EXPECT_EQ(b.state.window.Caption, W("Кроссворд из файла Зима.gx 1 сл"));
  EXPECT_EQ(b.state.puzzle.SlotCount, 1);
  EXPECT_EQ(b.state.puzzle.Clues.Cell(1, 0), W(" Зверь"));
}

TEST_F(ProgramFolder, CancellingTheDialogSavesNothingAndAModifiedGridIsNeverSaved) {
  b.AddSlot(1, 1, 3, false, W("кот"), W(" Зверь"));
  b.commands.KeyDown(Key::F2);
  EXPECT_EQ(b.host.dialogs.size(), 1u);
  EXPECT_EQ(folder.FileCount(), 1);  // the data folder only
  b.state.puzzle.GridModified = true;
  b.commands.KeyDown(Key::F2);
  EXPECT_EQ(b.host.dialogs.size(), 1u);
  EXPECT_EQ(b.host.informations, std::vector<std::string>{W("Следует прежде перезаполнить сетку")});
}

// Neither a stopped grid generation (no slots) nor a stopped fill (no clues) gives a file that
// reads back as a crossword: the save is refused before the dialog, and the old file stays.
TEST_F(ProgramFolder, AStoppedBuildIsNeverSaved) {
  folder.Write("data/1.gx", "old");
  b.host.dialog_answers = {folder.Path("data/1.gx"), folder.Path("data/1.gx")};
  b.host.confirm_answers = {true, true};
  ASSERT_TRUE(b.commands.LoadDictionary());
  b.host.informations.clear();  // the small dictionary is pointed out
  b.host.on_events = [&](long) {
    if (b.state.window.Caption == W("Построение сетки..")) b.commands.KeyDown(Key::F5);
  };
  b.commands.KeyDown(Key::F5);
  ASSERT_EQ(b.state.puzzle.SlotCount, 0);
  b.commands.KeyDown(Key::F2);

  DrawFrame();
  b.host.on_events = [&](long) {
    if (b.state.puzzle.FillRunning && b.state.puzzle.PlacedCount >= 2) b.commands.KeyDown(Key::F6);
  };
  b.commands.KeyDown(Key::F7);
  ASSERT_EQ(b.state.window.Caption, W("Построение прервано"));
  b.commands.ButtonClick(Button::SavePuzzle);

  EXPECT_TRUE(b.host.dialogs.empty());
  EXPECT_EQ(b.host.informations, std::vector<std::string>(2, W("Следует прежде перезаполнить сетку")));
  EXPECT_EQ(folder.Read("data/1.gx"), "old");
}

TEST_F(ProgramFolder, APuzzleFromALargerBoardIsHeldWholeAndOnlyNewGridsTakeTheWindowsBoard) {
  // A frame of four 7-cell words at columns 30..36, saved from a larger board.
  b.state.puzzle.BoardCols = b.state.puzzle.BoardRows = 39;
  for (int t = 30; t <= 36; ++t) Draw({{t, 22}, {t, 26}, {32, t - 9}, {36, t - 9}});
  ClassifyCells(b.state.puzzle);
  ExtractSlots(b.state.puzzle);
  ASSERT_EQ(b.state.puzzle.SlotCount, 4);
  b.commands.KeyDown(Key::F7);
  ASSERT_EQ(b.state.window.Caption, W("Новый кроссворд 4 сл"));
  ASSERT_FALSE(SavePuzzleFile(b.state.puzzle, folder.Path("data/big.gx")));
  auto load = [&] {
    b.state.PuzzleFileName = "big.gx";
    ASSERT_TRUE(b.commands.LoadPuzzle());
    ASSERT_EQ(b.state.puzzle.SlotCount, 4);
  };

  // The window offers 19 cells; the loaded puzzle needs 37, and the board grows to hold it.
  load();
  EXPECT_EQ(b.state.puzzle.BoardCols, 37);
  EXPECT_EQ(b.state.puzzle.BoardRows, 37);
  // Every word stays on the board: a refill fills the four loaded words, it does not cut them.
  b.commands.KeyDown(Key::F7);
  EXPECT_EQ(b.state.window.Caption, W("Новый кроссворд 4 сл"));
  EXPECT_EQ(b.state.puzzle.SlotX[1], 30);
  EXPECT_EQ(b.state.puzzle.SlotY[1], 22);
  // A repaint keeps the larger board as long as the puzzle is on it.
  b.board.Repaint();
  EXPECT_EQ(b.state.puzzle.BoardCols, 37);

  // Clearing, the lattice and a build start on the board the window offers.
  b.commands.KeyDown(Key::F8);
  EXPECT_EQ(b.state.puzzle.BoardCols, 19);
  EXPECT_EQ(b.state.puzzle.CurrentWordX, 9);  // the centre mark of the 19-cell board
  load();
  b.commands.KeyDown(Key::F10);
  EXPECT_EQ(b.state.puzzle.BoardCols, 19);
  EXPECT_LE(PuzzleBoardCells(b.state.puzzle), 19);
  load();
  b.host.confirm_answers = {true};  // builds over the lattice, which counts as a drawn grid
  b.commands.KeyDown(Key::F5);
  EXPECT_EQ(b.state.puzzle.BoardCols, 19);
  EXPECT_LE(PuzzleBoardCells(b.state.puzzle), 19);
}

// A long name is cut before its extension, the same way on saving and loading, and the save says so
// first (Cancel asks for a name again); a load that fails leaves the puzzle, its caption, its clue
// line and its name as they were.
TEST_F(ProgramFolder, ALongNameSavesAndLoadsAndAFailedLoadChangesNothing) {
  DrawFrame();
  b.commands.KeyDown(Key::F7);
  ASSERT_EQ(b.state.puzzle.PlayActive, 1);
  const std::string question = W("Имя файла длиннее 16 знаков. Сохранить под именем Зимний кроссворд.gx?");
  b.host.dialog_answers = {folder.Path("data/Зимний кроссворд номер один"),
                           folder.Path("data/Зимний кроссворд номер один.gx")};
  b.host.confirm_answers = {false, true};
  b.commands.KeyDown(Key::F2);
  EXPECT_EQ(b.host.confirmations, (std::vector<std::string>{question, question}));
  ASSERT_EQ(b.host.dialogs.size(), 2u);
  EXPECT_EQ(b.host.dialogs[1].proposed_name, W("Зимний кроссворд.gx"));
  ASSERT_TRUE(FileExists(folder.Path("data/Зимний кроссворд.gx")));

  b.commands.KeyDown(Key::F8);
  b.host.informations.clear();
  b.host.dialog_answers = {folder.Path("data/Зимний кроссворд.gx")};  // as the dialog lists it
  b.commands.KeyDown(Key::F3);
  EXPECT_TRUE(b.host.informations.empty());
  ASSERT_EQ(b.state.puzzle.SlotCount, 4);
  const std::string caption = W("Кроссворд из файла Зимний кроссворд.gx 4 сл");
  EXPECT_EQ(b.state.window.Caption, caption);
  const std::string clue_line = b.state.window.ClueLineText;
  ASSERT_FALSE(clue_line.empty());

  folder.Write("data/5.gx", std::string("\x01\x01", 2));
  b.host.dialog_answers = {folder.Path("data/Нет такого.gx"), folder.Path("data/5.gx")};
  b.commands.KeyDown(Key::F3);
  b.commands.KeyDown(Key::F3);
  EXPECT_EQ(b.host.informations, std::vector<std::string>{W("Нет файла Нет такого.gx")});
  EXPECT_EQ(b.host.errors, std::vector<std::string>{"Read beyond end of file"});
  const Puzzle& p = b.state.puzzle;
  EXPECT_EQ(p.SlotCount, 4);
  EXPECT_EQ(p.PlayActive, 1);
  EXPECT_EQ(p.Letter(3, 2), W("а")[0]);
  EXPECT_EQ(b.state.window.Caption, caption);
  EXPECT_EQ(b.state.window.ClueLineText, clue_line);
  EXPECT_EQ(b.state.PuzzleFileName, W("Зимний кроссворд.gx"));
}

TEST_F(ProgramFolder, AFileCutInsideARecordIsAnInputOutputFailure) {
  folder.Write("data/5.gx", std::string("\x01\x01", 2));
  b.state.PuzzleFileName = "5.gx";
  EXPECT_FALSE(b.commands.LoadPuzzle());
  EXPECT_EQ(b.host.errors, std::vector<std::string>{"Read beyond end of file"});
  EXPECT_EQ(b.state.puzzle.SlotCount, 0);
}

TEST(OptionFields, AreParsedLenientlyAndKeptInStep) {
  PlayBench b;
  b.commands.MinCellsChanged("12abc");
  EXPECT_EQ(b.state.settings.MinSlotCount, 12);
  EXPECT_EQ(b.state.window.SpinnerPosition, 12);
  b.commands.MinCellsChanged("xyz");
  EXPECT_EQ(b.state.settings.MinSlotCount, 0);
  b.commands.SpinnerMoved(30);
  EXPECT_EQ(b.state.settings.MinSlotCount, 30);
  EXPECT_EQ(b.state.window.MinCellsText, "30");
  b.commands.FillAttemptsChanged(" 1024");
  EXPECT_EQ(b.state.settings.MaxFillAttempts, 1024);
}

}  // namespace
}  // namespace gx
