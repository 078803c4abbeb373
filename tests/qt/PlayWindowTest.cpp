// The play commands driven through the real main window: drawing a grid with the mouse, refilling
// it with the delivered dictionary, typing, the tally, the reward and the answers.

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "board/BoardColors.h"
#include "board/LetterEntry.h"
#include "base/Cp1251.h"
#include "qt/BoardView.h"
#include "qt/ClueTable.h"
#include "qt/MainWindow.h"
#include "qtdraw/QtCanvas.h"
#include "BoxRecordingHost.h"
#include "CommandCoreTestDoor.h"

namespace gx {
namespace {

namespace fs = std::filesystem;

const fs::path Delivered = GRIDLEX_DIST_DIR;

// The keys of a word on the Russian layout as typed with the Latin layout active.
QString LatinKeys(std::string_view word) {
  QString keys;
  for (char letter : word) {
    for (char key = 'a'; key <= 'z' + 5; ++key) {
      const char c = key <= 'z' ? key : ",.;[]"[key - 'z' - 1];
      if (LetterFor(c) == letter) {
        keys += QChar(c);
        break;
      }
    }
  }
  return keys;
}

// A modal window opens over the main window and closes again, as a real dialog would.
void ModalMoment() {
  QDialog dialog;
  dialog.setModal(true);
  dialog.show();
  QApplication::processEvents();
  dialog.hide();
}

// The file dialogs answer with the paths set here, after a modal moment.
class DialogAnsweringHost : public test::BoxRecordingHost {
 public:
  std::optional<std::string> SaveFileDialog(const FileDialogRequest&) override {
    ModalMoment();
    return save_path;
  }
  std::optional<std::string> OpenFileDialog(const FileDialogRequest&) override {
    ModalMoment();
    return open_path;
  }
  std::optional<std::string> save_path;
  std::optional<std::string> open_path;
};

class PlayWindow : public ::testing::Test {
 protected:
  PlayWindow() : old_dir_(fs::current_path()) {
    dir_ = fs::path(temp_.path().toStdString());
    fs::create_directories(dir_ / "rek");
    fs::create_directories(dir_ / "data");
    std::ofstream(dir_ / "rek" / "rek.dat").put('\n');
    fs::copy_file(Delivered / "gx.dat", dir_ / "gx.dat");
    fs::copy_file(Delivered / "data" / "ru.dct", dir_ / "data" / "ru.dct");
    fs::current_path(dir_);
    form_ = std::make_unique<TForm1>(&host_, [] { return std::optional<PrinterResolution>{}; });
    form_->show();
    QApplication::processEvents();
  }
  ~PlayWindow() override {
    form_.reset();
    fs::current_path(old_dir_);
  }

  void Key(Qt::Key key) { QTest::keyClick(Target(), key); }
  void Type(const QString& text) { QTest::keyClicks(Target(), text); }
  QWidget* Target() { return QApplication::focusWidget() ? QApplication::focusWidget() : form_.get(); }

  // A stroke along the cells of one row or column, pressed on the first and released on the last.
  void Stroke(int x1, int y1, int x2, int y2) {
    BoardView* paint = form_->Paint();
    QTest::mousePress(paint, Qt::LeftButton, Qt::NoModifier, QPoint(x1 * 16 + 8, y1 * 16 + 8));
    for (int x = x1, y = y1;; x += (x2 > x1), y += (y2 > y1)) {
      QTest::mouseMove(paint, QPoint(x * 16 + 8, y * 16 + 8));
      if (x == x2 && y == y2) break;
    }
    QTest::mouseRelease(paint, Qt::LeftButton, Qt::NoModifier, QPoint(x2 * 16 + 8, y2 * 16 + 8));
  }
  Color Inside(int x, int y) { return FromQColor(form_->Paint()->Image().pixelColor(x * 16 + 14, y * 16 + 14)); }
  const Palette& Colors() { return form_->State().settings.Colors; }
  std::string Caption() { return form_->State().window.Caption; }

  // Four words of 7 cells in a frame around the centre cell (10, 10) of the 21 x 21 board, drawn
  // on a cleared board and refilled: slot 1 is the across word from (7, 8).
  void BuildFrameAroundTheCentre() {
    Key(Qt::Key_F8);
    Stroke(7, 8, 13, 8);
    Stroke(7, 12, 13, 12);
    Stroke(8, 7, 8, 13);
    Stroke(12, 7, 12, 13);
    Key(Qt::Key_F7);
    ASSERT_EQ(Caption(), Utf8ToCp1251("Новый кроссворд 4 сл"));
  }
  Puzzle& Model() { return CommandCoreTestDoor::State(form_->GetCommands()).puzzle; }

  QTemporaryDir temp_;
  fs::path dir_;
  fs::path old_dir_;
  DialogAnsweringHost host_;
  std::unique_ptr<TForm1> form_;
};

TEST_F(PlayWindow, F5BuildsInALargeWindowWhoseBoardStopsAtTheBuildableSize) {
  form_->resize(1900, 1150);
  QApplication::processEvents();
  EXPECT_EQ(form_->Paint()->geometry(), QRect(8, 8, 880, 880));
  EXPECT_EQ(form_->Grid1()->width(), 1900 - 888 - 16);
  Key(Qt::Key_F5);
  EXPECT_EQ(Model().BoardCols, 55);
  EXPECT_EQ(Model().PlayActive, 1);
  EXPECT_EQ(form_->State().window.Caption,
            Utf8ToCp1251("Новый кроссворд ") + std::to_string(Model().SlotCount) + Utf8ToCp1251(" сл"));
}

TEST_F(PlayWindow, DrawRefillTypeAndTally) {
  Key(Qt::Key_F8);
  EXPECT_EQ(Model().SlotCount, 0);
  // Two across and two down words of 7 cells crossing in a frame.
  Stroke(1, 2, 7, 2);
  Stroke(1, 6, 7, 6);
  Stroke(3, 1, 3, 7);
  Stroke(7, 1, 7, 7);
  ASSERT_EQ(Model().SlotCount, 4);
  EXPECT_TRUE(Model().GridModified);

  Key(Qt::Key_F7);
  ASSERT_EQ(form_->State().window.Caption, Utf8ToCp1251("Новый кроссворд 4 сл"));
  EXPECT_EQ(form_->windowTitle(), QString::fromUtf8("Новый кроссворд 4 сл"));
  EXPECT_EQ(Model().PlayActive, 1);

  // Typing the first answer on the keyboard, then a tally: three words are not guessed.
  const std::string answer = Model().SlotAnswer[1].str();
  Type(LatinKeys(answer));
  EXPECT_EQ(Model().SlotEntry[1], answer);
  Key(Qt::Key_Return);
  EXPECT_EQ(form_->State().window.TallyText, Utf8ToCp1251("Не угадано 3 сл."));
  Key(Qt::Key_Return);
  EXPECT_FALSE(form_->State().window.TallyVisible);

  // F12 fills in every answer; the tally then rewards the solver with a picture.
  Key(Qt::Key_F12);
  Key(Qt::Key_Return);
  EXPECT_TRUE(Model().RewardShown);
  EXPECT_TRUE(form_->State().window.RewardVisible) << (host_.errors.empty() ? "" : host_.errors[0]);

  // The answers toggle: shown on the board in the word colours, then hidden again by Escape.
  Key(Qt::Key_Escape);
  Key(Qt::Key_F9);
  EXPECT_TRUE(Model().AnswersShown);
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Model().AnswersShown);
  // Every word is complete: found colour, the current word under its highlight.
  EXPECT_EQ(Inside(5, 2), form_->State().settings.Colors.FoundWordColor ^ Purple);
  EXPECT_EQ(Inside(3, 4), form_->State().settings.Colors.FoundWordColor);
}

// The solver's aids reach the core from their keys with Shift, and the strip shows the clock.
TEST_F(PlayWindow, ShiftKeysRevealAndCheckAndTheStripShowsTheSolvingTime) {
  BuildFrameAroundTheCentre();
  const std::string answer = Model().SlotAnswer[1].str();
  QTest::keyClick(Target(), Qt::Key_F12, Qt::ShiftModifier);
  EXPECT_EQ(Model().SlotEntry[1], answer.substr(0, 1));
  EXPECT_EQ(Model().SlotEntry[2].size(), 0u);  // F12 alone would have filled every word
  QTest::keyClick(Target(), Qt::Key_F9, Qt::ShiftModifier);
  EXPECT_EQ(form_->State().window.TallyText, Utf8ToCp1251("Неверных букв в слове нет"));
  EXPECT_FALSE(Model().AnswersShown);
  const auto* time = form_->findChild<QLabel*>(QStringLiteral("SolvingTime"));
  ASSERT_NE(time, nullptr);
  EXPECT_TRUE(time->text().startsWith(QString::fromUtf8("Время "))) << time->text().toStdString();
}

TEST_F(PlayWindow, AKaleidoscopeStrokeIsRepeatedOnTheBoard) {
  Key(Qt::Key_F8);
  CommandCoreTestDoor::State(form_->GetCommands()).settings.KaleidoscopeOn = true;
  Stroke(2, 3, 2, 3);
  const int last = Model().BoardCols - 1;
  EXPECT_EQ(Model().Mask(last - 2, last - 3), GridCell);
  EXPECT_EQ(Inside(last - 3, last - 2), form_->State().settings.Colors.WordCellColor);
}

// After every command the board shows the picture of the state the command left: marks of earlier
// commands are gone, the current word is highlighted; a command's own marks stay until the next one.
TEST_F(PlayWindow, TheBoardShowsTheStateEachCommandLeaves) {
  Key(Qt::Key_F8);
  EXPECT_EQ(Inside(10, 10), Colors().WrongWordColor);  // the cleared board marks its centre
  BuildFrameAroundTheCentre();
  EXPECT_EQ(Inside(10, 10), Colors().BoardColor);  // inside the frame, no longer marked
  EXPECT_EQ(Inside(9, 8), Colors().WordCellColor ^ Purple);  // slot 1 highlighted
  EXPECT_EQ(Inside(9, 12), Colors().WordCellColor);

  // Typing and the tally mark cells; those marks stay after their commands.
  Type(QStringLiteral("f"));  // one letter of seven: the word is not guessed
  EXPECT_EQ(Inside(8, 8), Colors().FoundWordColor);  // the cursor cell
  Key(Qt::Key_Return);
  EXPECT_EQ(Inside(7, 8), Colors().WrongWordColor);
  Key(Qt::Key_Return);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Inside(7, 8), Colors().FoundWordColor);  // the cursor cell over the number 1

  // A dialog closing over the board: the board shows the state again, number and highlight.
  host_.save_path = (dir_ / "data" / "5.gx").string();
  Key(Qt::Key_F2);
  ASSERT_TRUE(fs::exists(dir_ / "data" / "5.gx"));
  EXPECT_EQ(Inside(7, 8), Colors().WordCellColor ^ Purple);
  EXPECT_EQ(Inside(8, 8), Colors().WordCellColor ^ Purple);

  // The loaded puzzle shows its first word highlighted.
  host_.open_path = host_.save_path;
  Key(Qt::Key_F3);
  ASSERT_EQ(Caption(), Utf8ToCp1251("Кроссворд из файла 5.gx 4 сл"));
  EXPECT_EQ(Inside(9, 8), Colors().WordCellColor ^ Purple);

  // Erased cells are black while erasing; a refill shows them as the board again.
  Key(Qt::Key_F4);
  Stroke(13, 8, 13, 9);
  EXPECT_EQ(Inside(13, 8), Color{0});
  Key(Qt::Key_F7);
  EXPECT_EQ(Inside(13, 8), Colors().BoardColor);
  EXPECT_EQ(Inside(13, 9), Colors().BoardColor);
}

// Clicking a word of a finished puzzle with a hand that moves a little is still a click.
TEST_F(PlayWindow, AClickThatJittersInsideACellPaintsNothingOnAFinishedPuzzle) {
  BuildFrameAroundTheCentre();
  const std::string clue = Model().Clues.Cell(1, 0);
  ASSERT_FALSE(clue.empty());
  BoardView* paint = form_->Paint();
  const QPoint press(9 * 16 + 7, 8 * 16 + 7);  // inside slot 1, not its first cell
  QTest::mousePress(paint, Qt::LeftButton, Qt::NoModifier, press);
  QTest::mouseMove(paint, press + QPoint(2, 0));
  QTest::mouseMove(paint, press + QPoint(2, 2));
  QTest::mouseRelease(paint, Qt::LeftButton, Qt::NoModifier, press + QPoint(2, 2));
  EXPECT_EQ(Caption(), Utf8ToCp1251("Новый кроссворд 4 сл"));
  EXPECT_EQ(Model().Clues.Cell(1, 0), clue);
  EXPECT_NE(Model().Letter(9, 8), PaintedMark);
  EXPECT_FALSE(Model().GridModified);
  EXPECT_EQ(Inside(9, 8), Colors().WordCellColor ^ Purple);

  // A stroke that leaves the cell draws, the cell it began in included.
  Stroke(10, 9, 10, 10);
  EXPECT_EQ(Caption(), Utf8ToCp1251("Модификация сетки"));
  EXPECT_EQ(Model().Mask(10, 9), GridCell);
  EXPECT_EQ(Model().Mask(10, 10), GridCell);
  EXPECT_EQ(Inside(10, 9), Colors().WordCellColor);
}

}  // namespace
}  // namespace gx
