// Solving aids: progress kept per puzzle between runs, checking a word, revealing a letter, the
// solving clock.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestFolder.h"
#include "PlayTestSupport.h"
#include "board/BoardColors.h"
#include "files/PuzzleFile.h"
#include "shell/ProgressFile.h"

namespace gx {
namespace {

namespace fs = std::filesystem;
using test::PlayBench;
using test::W;

void Type(PlayBench& b, const char* utf8) {
  for (char c : W(utf8)) b.commands.KeyPress(c);
}

// A program folder holding one saved puzzle of two words, and benches that start on it as the
// window does, each with a clock the test moves.
struct KeptProgress : ::testing::Test {
  KeptProgress() {
    fs::create_directories(folder.Path("data"));
    fs::create_directories(folder.Path("rek"));
    folder.Write("rek/rek.dat", "");
    PlayBench maker;
    maker.AddSlot(1, 1, 3, false, W("кот"), W(" Зверь"));
    maker.AddSlot(1, 3, 4, false, W("лиса"), W(" Рыжая"));
    EXPECT_FALSE(SavePuzzleFile(maker.state.puzzle, folder.Path("data/1.gx")));
    key = ProgressKey(maker.state.puzzle);
  }
  std::unique_ptr<PlayBench> Start() {
    auto b = std::make_unique<PlayBench>();
    b->state.settings.ProgramDir = folder.Dir();
    b->commands.SetSolvingClock([this] { return now; });
    b->commands.Start({});
    b->commands.MainWindowActivated();
    return b;
  }
  std::string ProgressPath() const { return folder.Path("progress/" + ProgressFileName(key)); }
  int ProgressFiles() const {
    if (!fs::exists(folder.Path("progress"))) return 0;
    return static_cast<int>(std::distance(fs::directory_iterator(folder.Path("progress")), fs::directory_iterator()));
  }

  test::TestFolder folder;
  std::string key;
  std::int64_t now = 1000;
};

TEST_F(KeptProgress, LettersRevealsAndTimeComeBackAtTheNextStartWhateverThePuzzleFileIsCalled) {
  const std::string puzzle_file = folder.Read("data/1.gx");
  {
    auto b = Start();
    Type(*b, "ко");
    b->commands.ClueChosen(1);
    Type(*b, "л");
    b->commands.KeyDown(Key::ShiftF12);  // reveals the и of лиса
    now += 30'000;
    b->commands.MainWindowDeactivated();
    now += 600'000;  // away from the window: not counted
    b->commands.MainWindowActivated();
    now += 35'000;
    EXPECT_TRUE(b->commands.Close());
    EXPECT_EQ(b->host.errors, std::vector<std::string>{});
  }
  EXPECT_EQ(folder.Read("data/1.gx"), puzzle_file);  // the puzzle file holds none of it
  EXPECT_EQ(ProgressFiles(), 1);

  fs::rename(folder.Path("data/1.gx"), folder.Path("data/5.gx"));
  auto again = Start();
  const Puzzle& p = again->state.puzzle;
  EXPECT_EQ(again->state.PuzzleFileName, "5.gx");
  EXPECT_EQ(p.SlotEntry[1], W("ко"));
  EXPECT_EQ(p.SlotEntry[2], W("ли"));
  EXPECT_TRUE(again->state.solving.Revealed.Has(2, 3));
  EXPECT_EQ(again->state.solving.Revealed.Count(), 1u);
  EXPECT_EQ(again->state.solving.ElapsedMs, 65'000);
  EXPECT_EQ(again->state.window.SolvingTimeText, W("Время 1:05"));
  // The restored letters are on the board, not only in the model.
  EXPECT_EQ(again->canvas.TextAtCell(2, 1)->text, W(" о"));

  // Typing goes on from where it was left; the file follows every change.
  again->commands.ClueChosen(1);
  Type(*again, "лиса");
  EXPECT_NE(folder.Read("progress/" + ProgressFileName(key)).find("entry 2 ebe8f1e0"), std::string::npos);

  // Starting over empties the words, the reveals and the clock, once confirmed.
  again->commands.KeyDown(Key::ShiftDelete);  // the box answered Cancel
  EXPECT_EQ(p.SlotEntry[2], W("лиса"));
  again->host.confirm_answers.push_back(true);
  again->commands.KeyDown(Key::ShiftDelete);
  EXPECT_TRUE(p.SlotEntry[1].empty());
  EXPECT_TRUE(p.SlotEntry[2].empty());
  EXPECT_TRUE(again->state.solving.Revealed.Empty());
  EXPECT_EQ(again->commands.Session().ElapsedMs(), 0);
  KeptSolving kept;
  ASSERT_EQ(ReadProgress(folder.Path("progress"), p, key, kept), ProgressRead::Read);
  EXPECT_TRUE(kept.entries.empty());
  EXPECT_TRUE(kept.record.Revealed.Empty());
}

// A puzzle solved once pays its reward once: its letters come back, its reward does not.
TEST_F(KeptProgress, ASolvedPuzzleLoadedAgainPaysNoSecondReward) {
  {
    auto b = Start();
    b->state.settings.Score = 0;
    Type(*b, "кот");
    b->commands.ClueChosen(1);
    Type(*b, "лиса");
    b->commands.KeyPress(kEnter);
    EXPECT_TRUE(b->state.window.RewardVisible);
    EXPECT_TRUE(b->commands.Close());
  }
  auto again = Start();
  EXPECT_TRUE(again->state.solving.Solved);
  EXPECT_EQ(again->state.window.SolvingTimeText.substr(0, 6), W("Решено"));
  const auto pictures = again->host.pictures.size();
  again->commands.KeyPress(kEnter);
  EXPECT_FALSE(again->state.window.RewardVisible);
  EXPECT_EQ(again->host.pictures.size(), pictures);
}

// The kept puzzle back on the board without a load (an undo of the build that replaced it) is
// kept again, and its reveals and time are not lost with the record of the puzzle in between.
TEST_F(KeptProgress, TheKeptPuzzleBroughtBackIsKeptAgainWithItsRecord) {
  auto b = Start();
  Puzzle& p = b->state.puzzle;
  Type(*b, "к");
  b->commands.KeyDown(Key::ShiftF12);
  now += 10'000;
  const Puzzle loaded = p;
  p.ResetBoard();
  b->AddSlot(2, 2, 3, false, W("дом"), W(" Жильё"));
  b->StartSolving();
  now += 5'000;
  p = loaded;
  b->commands.ClueChosen(1);
  Type(*b, "ли");
  KeptSolving kept;
  ASSERT_EQ(ReadProgress(folder.Path("progress"), p, key, kept), ProgressRead::Read);
  ASSERT_EQ(kept.entries.size(), 2u);
  EXPECT_EQ(kept.entries[1].second, W("ли"));
  EXPECT_TRUE(kept.record.Revealed.Has(2, 1));
  EXPECT_EQ(kept.record.ElapsedMs, 10'000);
}

TEST_F(KeptProgress, OnlyAPuzzleReadFromOrWrittenToAFileIsKept) {
  auto b = Start();
  // Another crossword takes the board without being saved, as a build makes one.
  Puzzle& p = b->state.puzzle;
  p.ResetBoard();
  p.Clues.SetCurrentRow(-1);
  b->AddSlot(2, 2, 3, false, W("дом"), W(" Жильё"));
  b->StartSolving();
  Type(*b, "до");
  EXPECT_EQ(p.SlotEntry[1], W("до"));
  EXPECT_EQ(ProgressFiles(), 0);
  EXPECT_EQ(b->state.window.SolvingTimeText, W("Время 0:00"));

  // Saved, it is kept from then on with what was typed before.
  b->host.dialog_answers.push_back(folder.Path("data/2.gx"));
  b->commands.KeyDown(Key::F2);
  b->commands.KeyPress(W("м")[0]);
  ASSERT_EQ(ProgressFiles(), 1);
  KeptSolving kept;
  ASSERT_EQ(ReadProgress(folder.Path("progress"), p, ProgressKey(p), kept), ProgressRead::Read);
  ASSERT_EQ(kept.entries.size(), 1u);
  EXPECT_EQ(kept.entries[0].second, W("дом"));
}

// A progress file that does not check out is ignored; it is copied aside before the first sound
// one replaces it, so nothing the program cannot prove it wrote is lost.
TEST_F(KeptProgress, ADamagedFileIsIgnoredAndKeptAside) {
  fs::create_directories(folder.Path("progress"));
  const std::string damaged = "gridlex solving 1\npuzzle " + key + "\ntime 5\nsolved 0\nentry 9 e0e0\n";
  folder.Write("progress/" + ProgressFileName(key), damaged);
  auto b = Start();
  EXPECT_EQ(b->host.errors, std::vector<std::string>{});
  EXPECT_TRUE(b->state.puzzle.SlotEntry[1].empty());
  EXPECT_EQ(b->state.solving.ElapsedMs, 0);
  EXPECT_EQ(folder.Read("progress/" + ProgressFileName(key)), damaged);  // untouched until needed

  Type(*b, "к");
  EXPECT_EQ(folder.Read("progress/" + ProgressFileName(key) + ".bad"), damaged);
  KeptSolving kept;
  EXPECT_EQ(ReadProgress(folder.Path("progress"), b->state.puzzle, key, kept), ProgressRead::Read);
}

// A write that fails is reported once, keeps the letters on screen, and is tried again with the
// next change; the old file is never cut.
TEST_F(KeptProgress, AFailedWriteIsReportedOnceAndLosesNothing) {
  folder.Write("progress", "not a folder");
  auto b = Start();
  Type(*b, "ко");
  EXPECT_EQ(b->host.errors.size(), 1u);
  EXPECT_EQ(b->state.puzzle.SlotEntry[1], W("ко"));
  fs::remove(folder.Path("progress"));
  Type(*b, "т");
  EXPECT_EQ(b->host.errors.size(), 1u);
  KeptSolving kept;
  ASSERT_EQ(ReadProgress(folder.Path("progress"), b->state.puzzle, key, kept), ProgressRead::Read);
  EXPECT_EQ(kept.entries[0].second, W("кот"));
}

TEST(ProgressFile, OnlyASoundFileOfThisPuzzleIsTaken) {
  PlayBench b;
  b.AddSlot(1, 1, 3, false, W("кот"), W(" Зверь"));
  b.AddSlot(1, 3, 4, false, W("лиса"), W(" Рыжая"));
  const std::string key = ProgressKey(b.state.puzzle);
  const std::string head = "gridlex solving 1\npuzzle " + key + "\ntime 7\nsolved 0\n";
  KeptSolving kept;
  ASSERT_TRUE(ParseProgress(head + "entry 2 ebe8\nrevealed 2 3\n", b.state.puzzle, key, kept));
  EXPECT_EQ(kept.entries[0].second, W("ли"));
  EXPECT_EQ(kept.record.ElapsedMs, 7);

  for (const std::string& bad : {
           std::string(),                                                            // empty
           head + "entry 2 ebe8",                                                    // cut inside a line
           "gridlex solving 2\npuzzle " + key + "\ntime 7\nsolved 0\n",              // another version
           "gridlex solving 1\npuzzle " + std::string(64, '0') + "\ntime 7\nsolved 0\n",  // another puzzle
           head + "entry 3 e0\n",                                                    // no such word
           head + "entry 0 e0\n",                                                    // nor this
           head + "entry 1 e0e0e0e0\n",                                              // longer than its word
           head + "entry 1 e0\nentry 1 e0\n",                                        // twice
           head + "entry 1 0a\n",                                                    // a control character
           head + "entry 1 e\n",                                                     // half a byte
           head + "revealed 9 9\n",                                                  // a cell of no word
           head + "revealed 70 1\n",                                                 // off the board
           head + "time 8\n",                                                        // time twice
           head + "colour red\n",                                                    // unknown line
           "gridlex solving 1\npuzzle " + key + "\ntime -1\nsolved 0\n",             // negative time
           "gridlex solving 1\npuzzle " + key + "\ntime 07\nsolved 0\n",             // not as written
           "gridlex solving 1\npuzzle " + key + "\nsolved 0\n",                      // no time
       }) {
    KeptSolving untouched;
    untouched.record.ElapsedMs = 99;
    EXPECT_FALSE(ParseProgress(bad, b.state.puzzle, key, untouched)) << bad;
    EXPECT_EQ(untouched.record.ElapsedMs, 99);
  }
  // The clues are no part of the key: editing one keeps the letters.
  b.state.puzzle.Clues.SetCell(1, 0, W(" Домашний зверь"));
  EXPECT_EQ(ProgressKey(b.state.puzzle), key);
  b.state.puzzle.SlotAnswer[2] = W("лось");
  EXPECT_NE(ProgressKey(b.state.puzzle), key);
}

// Checking marks exactly the typed letters that differ from the answer, and nothing else.
TEST(CheckWord, MarksExactlyTheWrongLetters) {
  PlayBench b;
  b.AddSlot(1, 1, 5, false, W("ручей"), W(" Поток"));
  b.AddSlot(1, 3, 3, false, W("кот"), W(" Зверь"));
  b.StartSolving();
  Type(b, "рычи");  // two wrong: ы and и
  b.commands.KeyDown(Key::ShiftF9);
  const Color wrong = b.state.settings.Colors.WrongWordColor;
  const Color found = b.state.settings.Colors.FoundWordColor;
  EXPECT_EQ(b.canvas.CellInside(1, 1), found);
  EXPECT_EQ(b.canvas.CellInside(2, 1), wrong);
  EXPECT_EQ(b.canvas.CellInside(3, 1), found);
  EXPECT_EQ(b.canvas.CellInside(4, 1), wrong);
  EXPECT_NE(b.canvas.CellInside(5, 1), wrong);  // still empty: no letter to judge
  EXPECT_EQ(b.state.window.TallyText, W("Неверных букв в слове: 2"));
  EXPECT_TRUE(b.state.window.TallyVisible);

  b.commands.ClueChosen(1);
  Type(b, "ко");
  b.commands.ButtonClick(Button::CheckWord);
  EXPECT_EQ(b.state.window.TallyText, W("Неверных букв в слове нет"));
  EXPECT_EQ(b.state.puzzle.SlotEntry[1], W("рычи"));  // checking changes no letter

  // With the answers shown nothing is judged.
  b.state.window.TallyVisible = false;
  b.state.settings.Score = 5;
  b.commands.KeyDown(Key::F9);
  b.commands.KeyDown(Key::ShiftF9);
  EXPECT_FALSE(b.state.window.TallyVisible);
}

// A word that passes through a revealed cell earns no point, whichever of the two crossing words
// the letter was revealed in; a puzzle solved without reveals earns what it always did.
TEST(RevealLetter, WordsHoldingARevealedLetterEarnNoPoints) {
  auto solve = [](bool reveal, int x_of_reveal_word) {
    PlayBench b;
    // 21 words: the first across word crosses the last, a down word, at its first cell.
    b.AddSlot(1, 0, 3, false, W("кот"), W(" Зверь"));
    for (int k = 1; k < 20; ++k) b.AddSlot(1 + (k / 10) * 5, 2 + k % 10, 3, false, W("дом"), W(" Жильё"));
    b.AddSlot(1, 0, 3, true, W("кит"), W(" Морской"));
    b.StartSolving(x_of_reveal_word);
    if (reveal) {
      b.commands.KeyDown(Key::ShiftF12);
      EXPECT_EQ(b.state.puzzle.SlotEntry[static_cast<std::size_t>(x_of_reveal_word)].size(), 1u);
      EXPECT_EQ(b.state.puzzle.TypedCount, 1);  // the cursor moves on as after typing
    }
    for (int k = 1; k <= b.state.puzzle.SlotCount; ++k) b.state.puzzle.SlotEntry[k] = b.state.puzzle.SlotAnswer[k];
    b.commands.KeyPress(kEnter);
    EXPECT_TRUE(b.state.window.RewardVisible);
    return b.state.settings.Score;
  };
  EXPECT_EQ(solve(false, 1), 2);  // 21 words: two points, as without this feature
  EXPECT_EQ(solve(true, 2), 2);   // one word helped: 20 words left, two points
  EXPECT_EQ(solve(true, 1), 1);   // the crossing cell helps both words: 19 left, one point
  EXPECT_EQ(solve(true, 21), 1);
}

TEST(RevealLetter, FillsTheCursorCellAndStopsAtAFullWord) {
  PlayBench b;
  b.AddSlot(1, 1, 3, false, W("кот"), W(" Зверь"));
  b.AddSlot(1, 3, 3, false, W("дом"), W(" Жильё"));
  b.StartSolving();
  Type(b, "к");
  b.commands.ButtonClick(Button::RevealLetter);
  EXPECT_EQ(b.state.puzzle.SlotEntry[1], W("ко"));
  EXPECT_EQ(b.canvas.TextAtCell(2, 1)->text, W(" о"));
  EXPECT_TRUE(b.state.solving.Revealed.Has(2, 1));
  // Shown in the answers' colour, now and at every repaint; a typed letter stays navy.
  EXPECT_EQ(b.canvas.TextAtCell(2, 1)->font, Maroon);
  b.board.RedrawBoard();
  EXPECT_EQ(b.canvas.TextAtCell(2, 1)->font, Maroon);
  EXPECT_EQ(b.canvas.TextAtCell(1, 1)->font, Navy);
  Type(b, "т");
  b.commands.KeyDown(Key::ShiftF12);  // no cursor cell left
  EXPECT_EQ(b.state.puzzle.SlotEntry[1], W("кот"));
  EXPECT_EQ(b.state.solving.Revealed.Count(), 1u);
}

// The clock counts only while the window is active and the puzzle is being solved; a solved
// puzzle's time stands still and says so.
TEST(SolvingClock, RunsOnlyWhileSolvingInTheActiveWindow) {
  PlayBench b;
  std::int64_t now = 0;
  b.commands.SetSolvingClock([&now] { return now; });
  b.AddSlot(1, 1, 3, false, W("кот"), W(" Зверь"));
  b.AddSlot(1, 3, 3, false, W("дом"), W(" Жильё"));
  b.StartSolving();
  now += 5'000;
  b.commands.ClockTick();
  EXPECT_EQ(b.commands.Session().ElapsedMs(), 0);  // the window has not been active yet
  b.commands.MainWindowActivated();
  now += 5'000;
  b.commands.ClockTick();
  EXPECT_EQ(b.state.window.SolvingTimeText, W("Время 0:05"));
  b.state.settings.Score = 5;
  b.commands.KeyDown(Key::F9);  // answers shown: stopped
  now += 50'000;
  b.commands.KeyDown(Key::F9);
  now += 3'601'000;
  b.commands.ClockTick();
  EXPECT_EQ(b.state.window.SolvingTimeText, W("Время 1:00:06"));
  Type(b, "кот");
  b.commands.ClueChosen(1);
  Type(b, "дом");
  b.commands.KeyPress(kEnter);
  now += 60'000;
  b.commands.ClockTick();
  EXPECT_EQ(b.state.window.SolvingTimeText, W("Решено за 1:00:06"));
}

}  // namespace
}  // namespace gx
