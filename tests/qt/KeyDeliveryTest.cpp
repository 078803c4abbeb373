// A key that opens a modal dialog acts once, even when the dialog leaves the focus elsewhere.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "qt/ClueTable.h"
#include "qt/MainWindow.h"
#include "CommandCoreTestDoor.h"

namespace gx {
namespace {

namespace fs = std::filesystem;

const fs::path Delivered = GRIDLEX_DIST_DIR;

// Stands for the real dialogs: each one counts itself and, like a dialog closing while the window
// manager has not yet given the main window its focus back, leaves no control focused.
class FocusTakingHost : public NullHost {
 public:
  std::optional<std::string> SaveFileDialog(const FileDialogRequest&) override { return Count(save_dialogs); }
  std::optional<std::string> OpenFileDialog(const FileDialogRequest&) override { return Count(open_dialogs); }
  void ShowInformation(std::string_view) override { Count(boxes); }
  int save_dialogs = 0;
  int open_dialogs = 0;
  int boxes = 0;

 private:
  std::optional<std::string> Count(int& counter) {
    ++counter;
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    return std::nullopt;
  }
};

class KeyDelivery : public ::testing::Test {
 protected:
  KeyDelivery() : old_dir_(fs::current_path()) {
    const fs::path dir(temp_.path().toStdString());
    fs::create_directories(dir / "data");
    fs::create_directories(dir / "rek");
    std::ofstream(dir / "rek" / "rek.dat").flush();
    fs::copy_file(Delivered / "gx.dat", dir / "gx.dat");
    fs::current_path(dir);
    form_ = std::make_unique<TForm1>(&host_, [] { return std::optional<PrinterResolution>{}; });
    form_->show();
    QApplication::setActiveWindow(form_.get());
    host_.boxes = 0;  // the start-up notice of the missing puzzle
  }
  ~KeyDelivery() override {
    form_.reset();
    fs::current_path(old_dir_);
  }

  // Presses the key with the clue list focused, as after a click on a clue.
  void PressInClueList(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    form_->Grid1()->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), form_->Grid1());
    QTest::keyClick(form_->Grid1(), key, modifiers);
  }

  QTemporaryDir temp_;
  fs::path old_dir_;
  FocusTakingHost host_;
  std::unique_ptr<TForm1> form_;
};

TEST_F(KeyDelivery, CommandsWithADialogActOncePerKey) {
  PressInClueList(Qt::Key_F2);  // no puzzle: the save is refused with a notice
  EXPECT_EQ(host_.boxes, 1);
  EXPECT_EQ(host_.save_dialogs, 0);
  PressInClueList(Qt::Key_F3);
  EXPECT_EQ(host_.open_dialogs, 1);
  PressInClueList(Qt::Key_F9);  // no puzzle: "not ready"
  EXPECT_EQ(host_.boxes, 2);
}

TEST_F(KeyDelivery, AKeyThatLeavesTheFocusAloneStillReachesTheFocusedControl) {
  form_->Grid1()->setFocus();
  QApplication::processEvents();
  const int eraser = form_->State().puzzle.EraserOn;
  QTest::keyClick(form_->Grid1(), Qt::Key_F4);
  EXPECT_NE(form_->State().puzzle.EraserOn, eraser);  // acted once, not twice
  EXPECT_EQ(QApplication::focusWidget(), form_->Grid1());
}

// Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y step through the history from the board or the clue list, also
// with the Russian layout on; a text field keeps them for its own text.
TEST_F(KeyDelivery, TheHistoryKeysUndoAndRedoExceptInATextField) {
  CommandCore& core = form_->GetCommands();
  const Puzzle& puzzle = form_->State().puzzle;
  core.BoardMouseDown(40, 40, MouseButton::Left);
  core.BoardMouseMove(40, 40);
  core.BoardMouseUp(40, 40, MouseButton::Left);
  form_->ShowState();
  ASSERT_EQ(puzzle.Mask(2, 2), GridCell);
  QToolButton* undo = form_->findChild<QToolButton*>(QStringLiteral("UndoButton"));
  QToolButton* redo = form_->findChild<QToolButton*>(QStringLiteral("RedoButton"));
  ASSERT_TRUE(undo && redo);
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());

  PressInClueList(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(puzzle.Mask(2, 2), Background);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_TRUE(redo->isEnabled());
  PressInClueList(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(puzzle.Mask(2, 2), GridCell);
  QKeyEvent ya(QEvent::KeyPress, 0x042F, Qt::ControlModifier, QStringLiteral("\u044F"));  // я, on the Z key
  QApplication::sendEvent(form_->Grid1(), &ya);
  EXPECT_EQ(puzzle.Mask(2, 2), Background);
  PressInClueList(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(puzzle.Mask(2, 2), GridCell);

  QLineEdit* field = form_->findChild<QLineEdit*>(QStringLiteral("Edit1"));
  ASSERT_TRUE(field);
  form_->GetCommands().ButtonClick(Button::OpenSettings);  // the settings panel shows the field
  form_->ShowState();
  field->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), field);
  QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(puzzle.Mask(2, 2), GridCell);
}

// The clue editor's keys are its own: letters are not typed into the crossword and Escape drops the
// edit. Shift+F2 opens it on the current clue, while F2 stays the save key.
TEST_F(KeyDelivery, TheClueEditorKeepsItsKeys) {
  Puzzle& puzzle = CommandCoreTestDoor::State(form_->GetCommands()).puzzle;
  puzzle.SlotCount = 1;
  puzzle.SlotLength[1] = 3;
  puzzle.SlotAnswer[1] = std::string("\xEA\xEE\xF2");  // кот
  puzzle.Clues.SetCell(0, 0, "  1");
  puzzle.Clues.SetCell(1, 0, " Old");
  puzzle.Clues.SetRowCount(1);
  puzzle.PlayActive = 1;
  form_->ShowState();

  PressInClueList(Qt::Key_F2, Qt::ShiftModifier);
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_TRUE(editor && editor->objectName() == QStringLiteral("ClueEditor"));
  EXPECT_EQ(editor->text(), QStringLiteral("Old"));
  QTest::keyClicks(editor, QStringLiteral("fdk"));  // а, в, л on the Russian layout
  EXPECT_TRUE(puzzle.SlotEntry[1].empty());        // nothing typed into the word
  QTest::keyClick(editor, Qt::Key_Escape);
  EXPECT_EQ(puzzle.Clues.Cell(1, 0), " Old");

  EXPECT_EQ(host_.save_dialogs, 0);
}

}  // namespace
}  // namespace gx
