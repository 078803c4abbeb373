#include "qt/MainWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <vector>

#include "board/BoardColors.h"
#include "base/Cp1251.h"
#include "files/DictionaryFile.h"
#include "files/PuzzleFile.h"
#include "qt/AdvertWindow.h"
#include "qt/BoardView.h"
#include "qt/ClueTable.h"
#include "qtdraw/QtCanvas.h"
#include "qt/QtText.h"
#include "BoxRecordingHost.h"
#include "CommandCoreTestDoor.h"

namespace gx {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// Records as 16-bit little-endian values.
std::string Records(const std::vector<int>& values) {
  std::string bytes;
  for (int value : values) {
    bytes.push_back(static_cast<char>(value & 0xFF));
    bytes.push_back(static_cast<char>((value >> 8) & 0xFF));
  }
  return bytes;
}

// A settings file: score 7, reward 3, 64 attempts, 12 slots, boxes off/on/on, distinct colours.
std::string SettingsBytes(std::string_view dictionary_name) {
  std::vector<int> records = {7, 3, 3, 64, 12, 0, 1, 1};
  for (int colour = 0; colour < 8; ++colour) records.insert(records.end(), {10 + colour, 100 + colour, 200 + colour});
  for (char c : dictionary_name) records.push_back(static_cast<unsigned char>(c));
  return Records(records);
}

const fs::path DeliveredSettings = fs::path(GRIDLEX_DIST_DIR) / "gx.dat";

class ProgramFolder : public ::testing::Test {
 protected:
  ProgramFolder() : old_dir_(fs::current_path()) {
    dir_ = fs::path(temp_.path().toStdString());
    fs::create_directories(dir_ / "data");
    fs::create_directories(dir_ / "rek");
    WriteBytes(dir_ / "rek" / "rek.dat", "");
    fs::current_path(dir_);
  }
  ~ProgramFolder() override { fs::current_path(old_dir_); }

  std::unique_ptr<TForm1> Start() {
    return std::make_unique<TForm1>(&host, [] { return std::optional<PrinterResolution>{}; });
  }

  // Two slots crossing at (1, 1): КОТ across and КИТ down.
  void SavePuzzle(const std::string& name) {
    Puzzle puzzle;
    puzzle.SlotCount = 2;
    const char* answers[] = {"\xCA\xCE\xD2", "\xCA\xC8\xD2"};
    for (int k = 1; k <= 2; ++k) {
      puzzle.SlotX[k] = 1;
      puzzle.SlotY[k] = 1;
      puzzle.SlotLength[k] = 3;
      puzzle.SlotVertical[k] = k == 2;
      puzzle.SlotAnswer[k] = answers[k - 1];
      puzzle.Clues.SetCell(0, k - 1, FormatClueNumber(1));
      puzzle.Clues.SetCell(1, k - 1, Utf8ToCp1251(k == 1 ? " Домашнее животное" : " Морской зверь"));
    }
    ASSERT_FALSE(SavePuzzleFile(puzzle, (dir_ / "data" / name).string()));
  }

  // Four words of 7 cells in a frame whose top-left cell is (x0, y0): across in rows y0 + 1 and
  // y0 + 5, down in columns x0 + 2 and x0 + 6. The board must be x0 + 7 cells to hold it.
  void SaveFrame(const std::string& name, int x0, int y0) {
    Puzzle puzzle;
    const int starts[4][3] = {{x0, y0 + 1, 0}, {x0, y0 + 5, 0}, {x0 + 2, y0, 1}, {x0 + 6, y0, 1}};
    puzzle.SlotCount = 4;
    for (int k = 1; k <= 4; ++k) {
      puzzle.SlotX[k] = static_cast<std::uint8_t>(starts[k - 1][0]);
      puzzle.SlotY[k] = static_cast<std::uint8_t>(starts[k - 1][1]);
      puzzle.SlotLength[k] = 7;
      puzzle.SlotVertical[k] = static_cast<std::uint8_t>(starts[k - 1][2]);
      puzzle.SlotAnswer[k] = Utf8ToCp1251("абвгдеж");
      puzzle.Clues.SetCell(0, k - 1, FormatClueNumber(k));
      puzzle.Clues.SetCell(1, k - 1, Utf8ToCp1251(" Подсказка ") + std::to_string(k));
    }
    ASSERT_FALSE(SavePuzzleFile(puzzle, (dir_ / "data" / name).string()));
  }

  QTemporaryDir temp_;
  fs::path dir_;
  fs::path old_dir_;
  test::BoxRecordingHost host;
};

TEST_F(ProgramFolder, WithoutPuzzlesTheStartAsksForPuzzleZeroAndLeavesTheBoardEmpty) {
  WriteBytes(dir_ / "gx.dat", SettingsBytes(""));
  auto form = Start();
  ASSERT_EQ(host.information.size(), 1u);
  EXPECT_EQ(host.information[0], Utf8ToCp1251("Нет файла 0.gx"));
  EXPECT_TRUE(host.errors.empty());
  EXPECT_EQ(form->State().puzzle.SlotCount, 0);
  EXPECT_EQ(form->State().settings.ProgramDir, fs::current_path().string());
  // The rest of the start ran: printer defaults, score shown, dictionary line empty.
  EXPECT_EQ(form->State().settings.PrinterDpiX, 300);
  EXPECT_EQ(form->State().settings.PrinterDpiY, 300);
  EXPECT_EQ(form->State().window.ScoreText, "  7");
  EXPECT_EQ(form->State().window.FillAttemptsText, "64");
  EXPECT_EQ(form->State().window.MinCellsText, "12");
  EXPECT_EQ(form->State().window.SpinnerPosition, 12);
  EXPECT_EQ(form->State().settings.Colors.BoardColor, Rgb(10, 100, 200));
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Gridlex"));
  const QImage& board = form->Paint()->Image();
  EXPECT_EQ(FromQColor(board.pixelColor(24, 24)), Rgb(10, 100, 200));
}

TEST_F(ProgramFolder, TheDictionaryNameIsTheTailOfTheSettingsCutTo32) {
  WriteBytes(dir_ / "gx.dat", SettingsBytes(""));
  EXPECT_EQ(Start()->State().dictionary.DictionaryName.size(), 0u);
  WriteBytes(dir_ / "gx.dat", SettingsBytes("words.dct"));
  EXPECT_EQ(Start()->State().dictionary.DictionaryName.str(), "words.dct");
  const std::string long_name(40, 'w');
  WriteBytes(dir_ / "gx.dat", SettingsBytes(long_name));
  EXPECT_EQ(Start()->State().dictionary.DictionaryName.str(), long_name.substr(0, 32));
}

TEST_F(ProgramFolder, AShortSettingsFileIsReportedAndTheStartGoesOnWithTheDeliveredValues) {
  WriteBytes(dir_ / "gx.dat", SettingsBytes("").substr(0, 20));
  auto form = Start();
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0].rfind("Read beyond end of file: ", 0), 0u) << host.errors[0];
  EXPECT_EQ(fs::path(host.errors[0].substr(25)), fs::current_path() / "gx.dat") << "the box names the file";
  EXPECT_EQ(host.information, std::vector<std::string>{Utf8ToCp1251("Нет файла 0.gx")});
  EXPECT_EQ(form->State().settings.Score, 0);
  EXPECT_EQ(form->State().settings.MaxFillAttempts, 256);
  EXPECT_EQ(form->State().settings.PrinterDpiX, 300);
  EXPECT_TRUE(form->isWindow());
  EXPECT_TRUE(form->close());
  EXPECT_EQ(ReadBytes(dir_ / "gx.dat.bad"), SettingsBytes("").substr(0, 20));
  EXPECT_EQ(ReadBytes(dir_ / "gx.dat"), ReadBytes(DeliveredSettings));
}

TEST_F(ProgramFolder, AnUnreadablePuzzleEndsTheStartAfterTheLoad) {
  WriteBytes(dir_ / "gx.dat", SettingsBytes(""));
  WriteBytes(dir_ / "data" / "4.gx", "\x01\x02");  // cut inside the first record's five bytes
  auto form = Start();
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], "Read beyond end of file");
  EXPECT_EQ(form->State().settings.PrinterDpiX, 0);
  EXPECT_TRUE(form->State().window.ScoreText.empty());
}

// Runs a callback at the first event processing of a long operation.
class InterruptingHost : public test::BoxRecordingHost {
 public:
  void ProcessEvents() override {
    if (!interrupt) return;
    auto run = std::move(interrupt);
    interrupt = nullptr;
    run();
  }
  std::optional<std::string> SaveFileDialog(const FileDialogRequest&) override {
    ++dialogs;
    return std::nullopt;
  }
  std::optional<std::string> OpenFileDialog(const FileDialogRequest&) override {
    ++dialogs;
    return std::nullopt;
  }
  std::function<void()> interrupt;
  int dialogs = 0;
};

TEST_F(ProgramFolder, WhileALongOperationRunsOnlyItsStopsGetThrough) {
  WriteBytes(dir_ / "gx.dat", SettingsBytes("t.dct"));
  DictionaryStore store;
  store.DictionaryCount = 3;
  store.SetEntry(1, Utf8ToCp1251("кот Домашнее животное"));
  store.SetEntry(2, Utf8ToCp1251("кит Морской зверь"));
  store.SetEntry(3, Utf8ToCp1251("ток Электричество"));
  WriteBytes(dir_ / "data" / "t.dct", SerializeDictionary(store));
  InterruptingHost interrupting;
  TForm1 form(&interrupting, [] { return std::optional<PrinterResolution>{}; });
  form.show();
  form.Button(Button::OpenSettings)->click();  // the settings panel is open
  bool ran = false;
  // Which commands the core refuses meanwhile is its own rule (tested there); the window's part is
  // to send every input through it, to look as it decides and to show its answer.
  interrupting.interrupt = [&] {
    ran = true;
    form.Button(Button::LoadPuzzle)->click();  // load: refused
    form.Button(Button::SavePuzzle)->click();  // save: refused
    EXPECT_EQ(interrupting.dialogs, 0);
    // What cannot act looks so; the stops can.
    for (Button dead : {Button::LoadPuzzle, Button::SavePuzzle, Button::OpenSettings, Button::CloseSettings})
      EXPECT_FALSE(form.Button(dead)->isEnabled()) << static_cast<int>(dead);
    EXPECT_TRUE(form.Button(Button::BuildOrStop)->isEnabled());
    EXPECT_TRUE(form.Button(Button::RefillOrStop)->isEnabled());
    EXPECT_FALSE(form.findChild<QWidget*>(QStringLiteral("ComboBox2"))->isEnabled());
    // A refused word choice: the list shows the model's row again.
    form.Grid1()->setCurrentIndex(form.Grid1()->model()->index(3, 1));
    EXPECT_EQ(form.Grid1()->currentIndex().row(), 0);
    // Escape reaches the core from whatever has the focus and may act: the panel closes.
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &form, Qt::Key_Escape);
    EXPECT_FALSE(form.State().window.SettingsPanelVisible);
  };
  form.Button(Button::BuildOrStop)->click();  // build: loads the dictionary first
  EXPECT_TRUE(ran);
  EXPECT_EQ(interrupting.dialogs, 0);
  // Outside the long operation the same button works.
  EXPECT_TRUE(form.Button(Button::OpenSettings)->isEnabled());
  form.Button(Button::LoadPuzzle)->click();
  EXPECT_EQ(interrupting.dialogs, 1);
}

TEST_F(ProgramFolder, AMissingSettingsFileStartsWithTheDeliveredValues) {
  auto form = Start();
  EXPECT_TRUE(host.errors.empty());
  ASSERT_TRUE(fs::exists(DeliveredSettings));
  const std::string bytes = ReadBytes(DeliveredSettings);
  // The colours and options equal those of the delivered file.
  EXPECT_EQ(Records({form->State().settings.MaxFillAttempts}), bytes.substr(6, 2));
  EXPECT_EQ(form->State().settings.Colors.BoardColor,
            Rgb(static_cast<unsigned char>(bytes[16]), static_cast<unsigned char>(bytes[18]),
                static_cast<unsigned char>(bytes[20])));
  EXPECT_EQ(form->State().dictionary.DictionaryName.size() * 2 + 64, bytes.size());
}

TEST_F(ProgramFolder, TheHighestPuzzleIsLoadedAndDrawn) {
  WriteBytes(dir_ / "gx.dat", SettingsBytes(""));
  SavePuzzle("3.gx");
  SavePuzzle("12.gx");
  WriteBytes(dir_ / "data" / "notes.gx", "");
  auto form = Start();
  EXPECT_TRUE(host.information.empty());
  EXPECT_EQ(form->State().PuzzleFileName, "12.gx");
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Кроссворд из файла 12.gx 2 сл"));
  EXPECT_EQ(form->State().puzzle.SlotCount, 2);
  EXPECT_EQ(form->State().window.ClueLineText, Utf8ToCp1251(" Домашнее животное"));
  form->show();
  QApplication::processEvents();
  const QImage& board = form->Paint()->Image();
  const Color word = form->State().settings.Colors.WordCellColor;
  auto inside = [&](int x, int y) { return FromQColor(board.pixelColor(x * 16 + 15, y * 16 + 15)); };
  EXPECT_EQ(inside(3, 1), word ^ Purple);  // slot 1, the current word, highlighted
  EXPECT_EQ(inside(1, 3), word);           // the down word
  EXPECT_EQ(inside(5, 5), form->State().settings.Colors.BoardColor);
  EXPECT_EQ(form->Grid1()->model()->rowCount(), 2);
}

TEST_F(ProgramFolder, ChoosingARowInTheClueListSelectsItsWord) {
  WriteBytes(dir_ / "gx.dat", SettingsBytes(""));
  SavePuzzle("1.gx");
  auto form = Start();
  form->show();
  QApplication::processEvents();
  form->Grid1()->setCurrentIndex(form->Grid1()->model()->index(1, 1));
  EXPECT_EQ(form->State().puzzle.Clues.CurrentRow(), 1);
  EXPECT_EQ(form->State().window.ClueLineText, Utf8ToCp1251(" Морской зверь"));
  const QImage& board = form->Paint()->Image();
  const Color word = form->State().settings.Colors.WordCellColor;
  EXPECT_EQ(FromQColor(board.pixelColor(1 * 16 + 15, 3 * 16 + 15)), word ^ Purple);  // the down word now
  EXPECT_EQ(FromQColor(board.pixelColor(3 * 16 + 15, 1 * 16 + 15)), word);
}

TEST_F(ProgramFolder, TypingInTheClueListDoesNotMoveItsRow) {
  WriteBytes(dir_ / "gx.dat", SettingsBytes(""));
  SavePuzzle("1.gx");
  auto form = Start();
  form->show();
  form->Grid1()->setFocus();
  QApplication::processEvents();
  // Row 1's clue begins with the letter typed; a list search would jump there.
  for (const QString& letter : {QStringLiteral(" "), QStringLiteral("М")}) {
    QKeyEvent press(QEvent::KeyPress, letter == QStringLiteral(" ") ? Qt::Key_Space : Qt::Key_unknown, Qt::NoModifier,
                    letter);
    QApplication::sendEvent(form->Grid1(), &press);
  }
  EXPECT_EQ(form->Grid1()->currentIndex().row(), 0);
  EXPECT_EQ(form->State().puzzle.Clues.CurrentRow(), 0);
}

TEST_F(ProgramFolder, ClosingWritesTheSettingsBackByteForByte) {
  ASSERT_TRUE(fs::exists(DeliveredSettings));
  const std::string delivered = ReadBytes(DeliveredSettings);
  WriteBytes(dir_ / "gx.dat", delivered);
  auto form = Start();
  form->show();
  EXPECT_TRUE(form->close());
  EXPECT_EQ(ReadBytes(dir_ / "gx.dat"), delivered);
}

TEST_F(ProgramFolder, AChosenAttemptCountIsStoredAtClose) {
  WriteBytes(dir_ / "gx.dat", SettingsBytes("ru.dct"));
  auto form = Start();
  auto* combo = form->findChild<QComboBox*>(QStringLiteral("ComboBox2"));
  ASSERT_TRUE(combo);
  combo->setCurrentIndex(combo->findText(QStringLiteral("1024")));
  EXPECT_TRUE(form->close());
  const std::string bytes = ReadBytes(dir_ / "gx.dat");
  EXPECT_EQ(bytes.substr(6, 2), Records({1024}));
  EXPECT_EQ(bytes.size(), 64u + 2 * 6);
  EXPECT_EQ(Start()->State().window.FillAttemptsText, "1024");
}

TEST_F(ProgramFolder, AFailedSettingsWriteKeepsTheWindowOpen) {
  WriteBytes(dir_ / "gx.dat", SettingsBytes(""));
  auto form = Start();
  form->show();
  CommandCoreTestDoor::State(form->GetCommands()).settings.ProgramDir = (dir_ / "missing" / "folder").string();
  EXPECT_FALSE(form->close());
  EXPECT_EQ(host.errors.size(), 1u);
  EXPECT_TRUE(form->isVisible());
}

class WindowLayoutTest : public ProgramFolder {
 protected:
  void SetUp() override {
    WriteBytes(dir_ / "gx.dat", SettingsBytes(""));
    form = Start();
    form->show();
  }
  void ResizeTo(int width, int height) {
    form->resize(width, height);
    QApplication::processEvents();
  }
  QWidget* Child(const char* name) { return form->findChild<QWidget*>(QString::fromLatin1(name)); }
  std::unique_ptr<TForm1> form;
};

TEST_F(WindowLayoutTest, OpensWithTwentyOneCellsAndFollowsTheDesignSize) {
  EXPECT_EQ(form->size(), QSize(TForm1::DesignWidth, TForm1::DesignHeight));
  EXPECT_EQ(form->Paint()->geometry(), QRect(8, 8, 336, 336));
  ResizeTo(528, 451);
  EXPECT_EQ(form->Paint()->geometry(), QRect(8, 8, 336, 336));
  EXPECT_EQ(form->Grid1()->geometry(), QRect(352, 8, 168, 336));
  EXPECT_EQ(form->Grid1()->columnWidth(1), 128);
  EXPECT_EQ(Child("Image2")->pos(), QPoint(39, 39));
  EXPECT_EQ(Child("Panel1")->pos(), QPoint(332, 385));
  EXPECT_EQ(form->State().puzzle.BoardRows, 21);
}

TEST_F(WindowLayoutTest, TheBoardStaysOddAndNeverShrinksBelowNineteen) {
  ResizeTo(1000, 320 + 113);
  EXPECT_EQ(form->Paint()->width(), 304);
  EXPECT_EQ(form->State().puzzle.BoardCols, 19);
  EXPECT_EQ(form->Paint()->Image().size(), QSize(304, 304));
  ResizeTo(1000, 319 + 113);
  EXPECT_EQ(form->Paint()->width(), 304);
  const QRect grid = form->Grid1()->geometry();
  // Lower than that the window does not go: its smallest height holds the 19 cells.
  ResizeTo(1000, 303 + 113);
  EXPECT_EQ(form->height(), MinClientHeight);
  EXPECT_EQ(form->Paint()->width(), 304);
  EXPECT_EQ(form->Grid1()->geometry(), grid);
  EXPECT_EQ(form->State().puzzle.BoardCols, 19);
}

TEST_F(WindowLayoutTest, TheWindowKeepsEveryControlInSightAtItsSmallestSize) {
  ResizeTo(400, 300);
  EXPECT_EQ(form->size(), QSize(MinClientWidth, MinClientHeight));
  EXPECT_EQ(form->Paint()->width(), 16 * 19);
  for (const bool settings_open : {false, true}) {
    if (settings_open) form->Button(Button::OpenSettings)->click();
    for (QWidget* child : form->findChildren<QWidget*>()) {
      if (!child->isVisibleTo(form.get()) || child->isWindow()) continue;
      const QRect area(child->mapTo(form.get(), QPoint(0, 0)), child->size());
      EXPECT_TRUE(form->rect().contains(area)) << child->objectName().toStdString() << " settings " << settings_open;
    }
    // The framed areas and the panels of the button strip lie apart.
    std::vector<QWidget*> apart = {Child("Bevel1"), Child("Bevel4"), Child("Bevel5"), Child("Panel3"),
                                   Child(settings_open ? "Panel2" : "Panel1")};
    if (!settings_open) apart.insert(apart.end(), {Child("Image1"), Child("Label8")});
    for (std::size_t i = 0; i < apart.size(); ++i) {
      for (std::size_t j = i + 1; j < apart.size(); ++j) {
        EXPECT_FALSE(apart[i]->geometry().intersects(apart[j]->geometry()))
            << apart[i]->objectName().toStdString() << " " << apart[j]->objectName().toStdString();
      }
    }
  }
}

TEST_F(WindowLayoutTest, AWiderWindowShowsMoreOfTheClue) {
  CommandCoreTestDoor::State(form->GetCommands()).puzzle.Clues.SetCell(1, 0, " " + std::string(150, 'x'));
  ResizeTo(800, 451);
  EXPECT_EQ(Child("Bevel5")->width(), 788);
  EXPECT_EQ(form->State().window.ClueLineText.size(), 102u);
  EXPECT_EQ(form->Paint()->width(), 336);
  EXPECT_EQ(form->Grid1()->width(), 800 - 344 - 16);
  EXPECT_EQ(Child("Panel1")->x(), 800 - RightBarWidth - 8);
}

// The clue line and the clue list's tooltip show the whole clue, not the part the strip's width allows;
// the line wraps inside the strip, so nothing around it moves.
TEST_F(WindowLayoutTest, TheWholeClueShowsInTheClueLineAndAsTheRowsTooltip) {
  const std::string words = " Длинное определение слова, которое не помещается в одну строку под доской и в списке";
  const QString whole = FromCp1251(Utf8ToCp1251(words));
  CommandCoreTestDoor::State(form->GetCommands()).puzzle.Clues.SetCell(1, 0, Utf8ToCp1251(words));
  auto* line = form->findChild<QLabel*>(QStringLiteral("Label1"));
  ResizeTo(TForm1::DesignWidth + 1, TForm1::DesignHeight);
  const QRect panel1 = Child("Panel1")->geometry();
  const QRect line_box = line->geometry();
  form->LayoutFor(form->width(), form->height());
  ASSERT_LT(form->State().window.ClueLineText.size(), Utf8ToCp1251(words).size());
  EXPECT_EQ(line->text(), whole);
  EXPECT_TRUE(line->wordWrap());
  EXPECT_TRUE(Child("Bevel5")->geometry().contains(line->geometry()));
  EXPECT_LE(line->sizeHint().height(), line->height() + 2);
  EXPECT_EQ(Child("Panel1")->geometry(), panel1);
  EXPECT_EQ(line->geometry(), line_box);
  const QAbstractItemModel* model = form->Grid1()->model();
  EXPECT_EQ(model->data(model->index(0, 1), Qt::ToolTipRole).toString(), whole);
  EXPECT_EQ(model->data(model->index(0, 0), Qt::ToolTipRole).toString(), whole);
  // A status text that is not the clue's start is shown as it is.
  CommandCoreTestDoor::State(form->GetCommands()).window.ClueLineText = "abc";
  form->ShowState();
  EXPECT_EQ(line->text(), QStringLiteral("abc"));
}

TEST_F(WindowLayoutTest, FunctionKeysReachTheCommandsUnlessEdit1HasTheFocus) {
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
  const int before = form->State().puzzle.EraserOn;
  QTest::keyClick(target, Qt::Key_F4);
  EXPECT_NE(form->State().puzzle.EraserOn, before);
  EXPECT_EQ(form->Button(Button::PencilOrEraser)->toolTip(), QStringLiteral("Карандаш включить (F4)"));

  CommandCoreTestDoor::State(form->GetCommands()).window.MinCellsFocused = true;
  const int now = form->State().puzzle.EraserOn;
  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), Qt::Key_F4);
  EXPECT_EQ(form->State().puzzle.EraserOn, now);
}

TEST_F(WindowLayoutTest, EveryButtonHasAnIconAndAHint) {
  for (int b = 0; b <= static_cast<int>(Button::PlayablePage); ++b) {
    QToolButton* button = form->Button(static_cast<Button>(b));
    ASSERT_TRUE(button) << b + 1;
    EXPECT_FALSE(button->icon().isNull()) << b + 1;
    EXPECT_FALSE(button->toolTip().isEmpty()) << b + 1;
  }
}

// A screen reader finds a name and the hint for every control, walks the fields in reading order
// and finds the current word described on the board and the clue list after it changes.
TEST_F(WindowLayoutTest, ControlsAndTheCurrentWordAreReadableByScreenReaders) {
  std::set<QString> names;
  for (QWidget* widget : form->findChildren<QWidget*>()) {
    if (!qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QComboBox*>(widget) && !qobject_cast<QLineEdit*>(widget))
      continue;
    if (qobject_cast<QComboBox*>(widget->parent()) || qobject_cast<ClueTable*>(widget->parent())) continue;
    EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
    EXPECT_FALSE(widget->accessibleDescription().isEmpty()) << widget->objectName().toStdString();
    EXPECT_TRUE(names.insert(widget->accessibleName()).second) << widget->accessibleName().toStdString();
  }
  EXPECT_EQ(form->Button(Button::Help)->accessibleName(), QStringLiteral("Помощь"));
  EXPECT_EQ(form->Button(Button::Help)->accessibleDescription(), QStringLiteral("Помощь (F1)"));
  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), Qt::Key_F4);
  EXPECT_EQ(form->Button(Button::PencilOrEraser)->accessibleDescription(), form->Button(Button::PencilOrEraser)->toolTip());

  QStringList order;
  for (QWidget* widget = form->Grid1(); order.size() < 6; widget = widget->nextInFocusChain())
    if ((widget->focusPolicy() & Qt::TabFocus) && !qobject_cast<QComboBox*>(widget->parent()))
      order << widget->objectName();
  EXPECT_EQ(order, QStringList({"Grid1", "ComboBox2", "Edit1", "CheckBox2", "CheckBox3", "CheckBox1"}));

  Puzzle& puzzle = CommandCoreTestDoor::State(form->GetCommands()).puzzle;
  puzzle.Clues.SetRowCount(2);
  puzzle.Clues.SetCell(0, 1, "7");
  puzzle.Clues.SetCell(1, 1, Utf8ToCp1251(" Морской зверь"));
  puzzle.SlotVertical[2] = 1;
  puzzle.Clues.SetCurrentRow(1);
  form->ShowState();
  EXPECT_EQ(form->Paint()->accessibleDescription(), QStringLiteral("7 по вертикали: Морской зверь"));
  EXPECT_EQ(form->Grid1()->accessibleDescription(), form->Paint()->accessibleDescription());
}

TEST_F(WindowLayoutTest, TheAdvertisementWindowClosedByTheUserStaysClosed) {
  auto* advert = new AdvertWindow(form.get());
  form->SetAdvertWindow(advert);
  CommandCoreTestDoor::State(form->GetCommands()).window.AdvertVisible = true;
  form->ShowState();
  EXPECT_TRUE(advert->isVisible());
  advert->close();
  EXPECT_FALSE(form->State().window.AdvertVisible);
  form->ShowState();
  EXPECT_FALSE(advert->isVisible());
}

TEST_F(WindowLayoutTest, SettingsPanelReplacesTheButtonBar) {
  form->Button(Button::OpenSettings)->click();
  EXPECT_FALSE(Child("Panel1")->isVisible());
  EXPECT_TRUE(Child("Panel2")->isVisible());
  form->Button(Button::CloseSettings)->click();
  EXPECT_TRUE(Child("Panel1")->isVisible());
  EXPECT_FALSE(Child("Panel2")->isVisible());
}

TEST_F(WindowLayoutTest, TheOpenSettingsPanelCoversThePictureBetweenThePanels) {
  form->Button(Button::OpenSettings)->click();
  QWidget* panel2 = Child("Panel2");
  for (QPoint inside : {QPoint(5, 5), QPoint(30, 10), QPoint(60, 40)}) {
    QWidget* hit = form->childAt(panel2->mapTo(form.get(), inside));
    ASSERT_TRUE(hit) << inside.x() << "," << inside.y();
    EXPECT_TRUE(hit == panel2 || panel2->isAncestorOf(hit)) << hit->objectName().toStdString();
  }
  // Nothing of the picture shows through the panel either.
  QWidget* image1 = Child("Image1");
  const QRect area = panel2->geometry().intersected(image1->geometry());
  ASSERT_FALSE(area.isEmpty());
  const QImage with_picture = form->grab(area).toImage();
  image1->hide();
  const QImage without_picture = form->grab(area).toImage();
  EXPECT_EQ(with_picture, without_picture);
}

TEST_F(ProgramFolder, ALoadedPuzzleLargerThanTheBoardIsShownWhole) {
  WriteBytes(dir_ / "gx.dat", SettingsBytes(""));
  SaveFrame("1.gx", 20, 20);  // needs 27 cells; the design-size window offers 21
  auto form = Start();
  form->show();
  QApplication::processEvents();
  // The window grew, within the screen, to show the whole puzzle at 16 pixels a cell.
  const Puzzle& puzzle = form->State().puzzle;
  EXPECT_EQ(puzzle.BoardCols, 27);
  EXPECT_EQ(puzzle.BoardRows, 27);
  EXPECT_EQ(form->Paint()->geometry(), QRect(8, 8, 432, 432));
  EXPECT_EQ(form->Paint()->Image().size(), QSize(432, 432));
  EXPECT_GE(form->width(), ClientWidthFor(27));
  EXPECT_GE(form->height(), ClientHeightFor(27));
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Кроссворд из файла 1.gx 4 сл"));
  // Made smaller by the user, the window shows the puzzle scaled down; a load grows it again.
  form->resize(TForm1::DesignWidth, TForm1::DesignHeight);
  QApplication::processEvents();
  EXPECT_TRUE(form->Paint()->Scaled());
  EXPECT_EQ(puzzle.BoardCols, 27);
  ASSERT_TRUE(form->GetCommands().LoadPuzzle());
  form->ShowState();
  EXPECT_FALSE(form->Paint()->Scaled());
  EXPECT_GE(form->width(), ClientWidthFor(27));

  // One the screen cannot hold at full size is shown whole, scaled into the window, and the
  // title says so. Its far words are drawn, and a click where one is shown to start chooses it.
  SaveFrame("2.gx", 54, 54);  // needs 61 cells
  CommandCoreTestDoor::State(form->GetCommands()).PuzzleFileName = "2.gx";
  ASSERT_TRUE(form->GetCommands().LoadPuzzle());
  form->ShowState();
  QApplication::processEvents();
  const QRect screen = form->screen()->availableGeometry();
  EXPECT_LE(form->width(), screen.width());
  EXPECT_LE(form->height(), screen.height());
  EXPECT_EQ(puzzle.BoardCols, 61);
  EXPECT_EQ(form->Paint()->Image().size(), QSize(976, 976));
  ASSERT_TRUE(form->Paint()->Scaled());
  EXPECT_TRUE(form->rect().contains(form->Paint()->geometry()));
  EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("Кроссворд из файла 2.gx 4 сл — поле уменьшено до ")));
  EXPECT_EQ(FromQColor(form->Paint()->Image().pixelColor(60 * 16 + 14, 58 * 16 + 14)),
            form->State().settings.Colors.WordCellColor);
  const double scale = form->Paint()->width() / 976.0;
  QTest::mouseClick(form->Paint(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(static_cast<int>((60 * 16 + 8) * scale), static_cast<int>((54 * 16 + 8) * scale)));
  EXPECT_EQ(puzzle.Clues.CurrentRow(), 3);
  EXPECT_EQ(puzzle.CurrentWordX, 60);

  // Back in a window that holds it, the puzzle is shown at full size again.
  form->resize(1200, 1100);
  QApplication::processEvents();
  EXPECT_FALSE(form->Paint()->Scaled());
  EXPECT_EQ(form->Paint()->width(), 976);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Кроссворд из файла 2.gx 4 сл"));
}

}  // namespace
}  // namespace gx
