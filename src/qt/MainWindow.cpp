#include "qt/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

#include "board/BoardColors.h"
#include "board/WordSelection.h"
#include "base/Cp1251.h"
#include "base/Progress.h"
#include "qt/Accessibility.h"
#include "qt/BoardView.h"
#include "qt/ButtonIcons.h"
#include "qt/ClueLine.h"
#include "qt/ClueTable.h"
#include "qt/KeyMapping.h"
#include "qt/QtHost.h"
#include "qt/QtText.h"
#include "qt/AdvertWindow.h"
#include "qt/CentredPicture.h"
#include "qt/PaletteWindow.h"
#include "qt/DictionaryEditorWindow.h"
#include "qt/DictionaryStatisticsWindow.h"
#include "shell/LongCommands.h"

namespace gx {

namespace {

constexpr int ClueLinePixelSize = 13;

std::optional<PrinterResolution> DefaultPrinterResolution() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return std::nullopt;
  QPrinter printer(info, QPrinter::HighResolution);
  return PrinterResolution{printer.logicalDpiX(), printer.logicalDpiY()};
}

MouseButton ToMouseButton(Qt::MouseButton button) {
  if (button == Qt::RightButton) return MouseButton::Right;
  if (button == Qt::MiddleButton) return MouseButton::Middle;
  return MouseButton::Left;
}

// Ctrl+Z undoes; Ctrl+Shift+Z and Ctrl+Y redo, also with the Russian layout on (я and н lie on
// those keys).
std::optional<gx::Button> HistoryKey(const QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  const bool shift = mods == (Qt::ControlModifier | Qt::ShiftModifier);
  if (mods != Qt::ControlModifier && !shift) return std::nullopt;
  constexpr int kCapitalYa = 0x042F;  // a letter key reports its capital's code point
  constexpr int kCapitalEn = 0x041D;
  const bool z = event->key() == Qt::Key_Z || event->key() == kCapitalYa;
  const bool y = event->key() == Qt::Key_Y || event->key() == kCapitalEn;
  if (z) return shift ? gx::Button::Redo : gx::Button::Undo;
  if (y && !shift) return gx::Button::Redo;
  return std::nullopt;
}

// The character a key press types, as the logic sees it; 0 when it types none.
char TypedCharacter(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape: return kEscape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnter;
    case Qt::Key_Backspace: return kBackspace;
    default: break;
  }
  const QString text = event->text();
  if (text.size() != 1 || text[0].unicode() < 32 || text[0].unicode() == 127) return 0;
  const std::optional<char> byte = UnicodeToCp1251(text[0].unicode());
  return byte ? *byte : 0;
}

}  // namespace

TForm1::TForm1(Host* host, PrinterQuery printer, const std::string& start_puzzle, std::string program_dir)
    : host_(host) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Gridlex"));
  if (!host_) {
    auto qt_host = std::make_unique<QtHost>(this);
    qt_host_ = qt_host.get();
    qt_host_->SetBeforeEvents([this] { ShowState(); });
    own_host_ = std::move(qt_host);
    host_ = own_host_.get();
  }
  if (program_dir.empty()) program_dir = QDir::currentPath().toStdString();
  core_ = std::make_unique<CommandCore>(std::move(program_dir), *host_, canvas_, random_);
  BuildControls();
  NameControlsForScreenReaders(*this);
  canvas_.SetDevice(&paint_->Image());
  if (qt_host_) qt_host_->SetPictureControl(PictureControl::RewardPicture, image2_);
  ConnectControls();

  setMinimumSize(MinClientWidth, MinClientHeight);
  resize(DesignWidth, DesignHeight);
  LayoutFor(DesignWidth, DesignHeight);
  core_->Start(printer ? printer : PrinterQuery(DefaultPrinterResolution), start_puzzle);
  ShowState();
  qApp->installEventFilter(this);
  clock_tick_ = new QTimer(this);
  clock_tick_->setInterval(1000);
  connect(clock_tick_, &QTimer::timeout, this, [this] {
    core_->ClockTick();
    solving_time_->setText(FromCp1251(State().window.SolvingTimeText));
  });
  clock_tick_->start();
}

TForm1::~TForm1() { qApp->removeEventFilter(this); }

void TForm1::SetAdvertWindow(AdvertWindow* form) {
  advert_form_ = form;
  if (!form) return;
  form->installEventFilter(this);
  if (qt_host_) qt_host_->SetPictureControl(PictureControl::AdvertPicture, form->Image1());
}

void TForm1::SetPaletteWindow(TForm2* form) {
  if (!form) return;
  form->Attach(&core_->Colors(), [this](int row) { core_->PaletteRowClicked(row); });
  if (qt_host_) qt_host_->SetPaletteWindow(form);
  show_window_[static_cast<std::size_t>(SecondaryWindow::Palette)] = [form] {
    form->show();
    form->raise();
  };
}

void TForm1::SetDictionaryWindows(TForm4* statistics, TForm5* editor) {
  editor_form_ = editor;
  if (statistics) {
    statistics->Attach(core_.get());
    show_window_[static_cast<std::size_t>(SecondaryWindow::Statistics)] = [statistics] { statistics->ShowAndActivate(); };
  }
  if (editor) {
    editor->Attach(core_.get(), [this] { ShowState(); });
    show_window_[static_cast<std::size_t>(SecondaryWindow::Editor)] = [editor] { editor->ShowAndActivate(); };
  }
}

void TForm1::ShowRequestedWindows() {
  const WindowState& window = State().window;
  for (std::size_t w = 0; w < SecondaryWindowCount; ++w) {
    if (window.ShowRequests[w] == show_requests_seen_[w]) continue;
    show_requests_seen_[w] = window.ShowRequests[w];
    if (show_window_[w]) show_window_[w]();
  }
}

// Every input goes to the core, which decides whether it may act now; the window then shows
// what it left behind.
void TForm1::ConnectControls() {
  connect(paint_, &BoardView::MousePressed, this, [this](int x, int y, Qt::MouseButton button) {
    core_->BoardMouseDown(x, y, ToMouseButton(button));
    ShowState();
  });
  connect(paint_, &BoardView::MouseMoved, this, [this](int x, int y) {
    core_->BoardMouseMove(x, y);
    ShowState();
  });
  connect(paint_, &BoardView::MouseReleased, this, [this](int x, int y, Qt::MouseButton button) {
    core_->BoardMouseUp(x, y, ToMouseButton(button));
    ShowState();
  });
  // A double click arrives instead of the second press: the double click runs first, then the press.
  connect(paint_, &BoardView::DoubleClicked, this, [this](int x, int y, Qt::MouseButton button) {
    core_->BoardDoubleClick();
    core_->BoardMouseDown(x, y, ToMouseButton(button));
    ShowState();
  });
  connect(paint_, &BoardView::DeviceRatioChanged, this, [this] {
    if (layout_) FitBoardImage(*layout_);
  }, Qt::QueuedConnection);
  connect(grid1_, &ClueTable::ClueEdited, this, [this](int row, const QString& text) {
    std::string coded;
    for (const QChar c : text) coded.push_back(UnicodeToCp1251(c.unicode()).value_or(NoCp1251Char));
    core_->EditClue(row, coded);
    ShowState();
  });
  connect(grid1_, &ClueTable::WriteToDictionary, this, [this](int row) {
    core_->WriteClueToDictionary(row);
    ShowState();
  });
  connect(grid1_, &ClueTable::RowChosen, this, [this](int row) {
    core_->ClueChosen(row);
    ShowState();  // a refused change shows the model's row again
  });
  for (const auto& [id, button] : buttons_) {
    const gx::Button which = id;
    if (which == gx::Button::ClearBoard) {
      connect(button, &QToolButton::pressed, this, [this, which] {
        core_->ButtonMouseDown(which);
        ShowState();
      });
    } else {
      connect(button, &QToolButton::clicked, this, [this, which] {
        core_->ButtonClick(which);
        ShowState();
      });
    }
  }
  connect(combo_box2_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    if (showing_) return;
    core_->FillAttemptsChanged(ToCp1251(text));
    ShowState();
  });
  connect(edit1_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (showing_) return;
    core_->MinCellsChanged(ToCp1251(text));
    ShowState();
  });
  connect(up_down1_up_, &QToolButton::clicked, this, [this] {
    core_->SpinnerStep(1);
    ShowState();
  });
  connect(up_down1_down_, &QToolButton::clicked, this, [this] {
    core_->SpinnerStep(-1);
    ShowState();
  });
  connect(check_box1_, &QCheckBox::toggled, this, [this](bool on) { core_->CheckBoxChanged(CheckBox::NumberedExport, on); });
  connect(check_box2_, &QCheckBox::toggled, this, [this](bool on) { core_->CheckBoxChanged(CheckBox::Kaleidoscope, on); });
  connect(check_box3_, &QCheckBox::toggled, this, [this](bool on) { core_->CheckBoxChanged(CheckBox::Sound, on); });
  edit1_->installEventFilter(this);
}

bool TForm1::HandleKey(QKeyEvent* event) {
  // The clue editor's keys are its own: Enter keeps the clue, Escape drops it.
  if (grid1_->Editing()) return false;
  if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::ShiftModifier) {
    grid1_->EditCurrentClue();
    return true;
  }
  // A text field keeps its own undo; elsewhere the keys step through the puzzle's history.
  if (const std::optional<gx::Button> step = HistoryKey(event); step && !qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
    core_->ButtonClick(*step);
    ShowState();
    return true;
  }
  const Key key = ToKey(event->key(), event->modifiers());
  if (key != Key::Other) {
    core_->KeyDown(key);
    ShowState();
  }
  const char typed = TypedCharacter(event);
  if (typed != 0) {
    core_->KeyPress(typed);
    ShowState();
  }
  // The keys are not consumed: the focused control receives them as well.
  return false;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // Sounds and films wait for the first picture of the window (see QtHost::PlayMedia).
  if (watched == paint_ && event->type() == QEvent::Paint && qt_host_) qt_host_->WindowShown();
  if (watched == edit1_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    core_->MinCellsFocusChanged(event->type() == QEvent::FocusIn);
  }
  if (watched == advert_form_ && event->type() == QEvent::Hide && !showing_) {
    core_->AdvertWindowClosed();
  }
  if (event->type() == QEvent::Hide && watched != this && watched->isWidgetType()) {
    const QWidget* widget = static_cast<QWidget*>(watched);
    if (widget->isWindow() && widget->isModal()) {
      core_->ModalWindowClosed();
      paint_->update();
    }
  }
  if (event->type() == QEvent::KeyPress) {
    // The window previews the keys of its own controls, once: at their first receiver.
    QWidget* focus = QApplication::focusWidget();
    QWidget* receiver = qobject_cast<QWidget*>(watched);
    const bool first_delivery = focus ? watched == focus : watched == this;
    if (receiver && first_delivery && receiver->window() == this) {
      HandleKey(static_cast<QKeyEvent*>(event));
      // A command that moved the focus (a dialog closing, the clue list taking it) ends the key here:
      // on its way up through the parents it would meet the new focus and act a second time.
      return QApplication::focusWidget() != focus;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::FitBoardImage(const WindowLayout& layout) {
  // The board drawing is offered the room; a larger puzzle makes its board larger by itself,
  // exactly as large as the image made here.
  core_->SetBoardRoom(kCellSize * layout.room_cells, kCellSize * layout.room_cells);
  if (!paint_->FitImage(kCellSize * layout.cells)) return;
  core_->RepaintBoard();  // the new image is blank
  paint_->update();
}

void TForm1::FollowPuzzleSize() {
  const bool loaded = State().window.ShowWholePuzzleRequests != show_whole_requests_seen_;
  show_whole_requests_seen_ = State().window.ShowWholePuzzleRequests;
  LayoutFor(width(), height());
  if (loaded && layout_ && layout_->scaled) GrowToShow(layout_->cells);
}

void TForm1::GrowToShow(int cells) {
  if (isMaximized() || isFullScreen() || !screen()) return;
  // Before the window manager has framed the window its frame is unknown: room is kept for a
  // title bar and borders of common size.
  const QSize known_frame = frameGeometry().size() - size();
  const QSize frame = known_frame.isNull() ? QSize(16, 48) : known_frame;
  const QRect available = screen()->availableGeometry();
  const QSize grown(std::max(width(), std::min(ClientWidthFor(cells), available.width() - frame.width())),
                    std::max(height(), std::min(ClientHeightFor(cells), available.height() - frame.height())));
  if (grown == size()) return;
  if (isVisible()) {
    // The grown window is kept on the screen (pos() is the top-left of its frame).
    QRect outer(pos(), grown + frame);
    outer.moveRight(std::min(outer.right(), available.right()));
    outer.moveBottom(std::min(outer.bottom(), available.bottom()));
    outer.moveLeft(std::max(outer.left(), available.left()));
    outer.moveTop(std::max(outer.top(), available.top()));
    move(outer.topLeft());
  }
  resize(grown);
  // A hidden window takes the size at once; a shown one may take it later, with a resize event.
  LayoutFor(width(), height());
}

void TForm1::LayoutFor(int width, int height) {
  const std::optional<WindowLayout> layout = LayoutWindow(width, height, PuzzleBoardCells(State().puzzle));
  if (!layout) return;
  layout_ = layout;
  const WindowLayout& l = *layout;
  auto place = [](QWidget* widget, const Box& box) { widget->setGeometry(box.left, box.top, box.width, box.height); };
  place(paint_, l.paint);
  place(bevel1_, l.board_frame);
  place(grid1_, l.clue_list);
  grid1_->setColumnWidth(1, l.clue_text_width);
  place(bevel4_, l.clue_list_frame);
  panel3_->move(PaintLeft, l.panels_top);
  panel1_->move(l.right_bar_left, l.panels_top);
  panel2_->move(l.settings_panel_left, l.panels_top);
  image1_->move(l.logo_left, l.panels_top);
  label8_->move(label8_->x(), l.version_top);
  place(bevel5_, l.status_strip);
  place(progress_bar1_, l.progress_bar);
  // The clue line fills the strip's height so that a long clue can wrap onto a second line.
  // The solving time keeps the strip's right end; the clue line and the messages take the rest.
  const int text_width = l.status_strip.width - 20 - SolvingTimeWidth;
  label1_->setGeometry(16, l.status_strip.top + 1, text_width, l.status_strip.height - 2);
  label2_->setGeometry(16, l.tally_top, text_width, 24);
  solving_time_->setGeometry(l.status_strip.left + l.status_strip.width - SolvingTimeWidth - 4, l.status_strip.top + 1,
                             SolvingTimeWidth, l.status_strip.height - 2);
  image2_->move(l.reward_left, l.reward_top);
  core_->StatusStripResized(l.status_strip.width);
  paint_->setToolTip(FromCp1251(ScaledBoardHint(l)));
  FitBoardImage(l);
  ShowState();
}

QString TForm1::TitleText() {
  const WindowState& window = State().window;
  const QString title = window.Caption.empty() ? QStringLiteral("Gridlex") : FromCp1251(window.Caption);
  return layout_ ? title + FromCp1251(ScaledBoardCaption(*layout_)) : title;
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (core_) LayoutFor(event->size().width(), event->size().height());
}

void TForm1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (!core_) return;
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow()) {
      core_->MainWindowActivated();
    } else {
      core_->MainWindowDeactivated();
    }
    solving_time_->setText(FromCp1251(State().window.SolvingTimeText));
  }
  if (event->type() == QEvent::WindowStateChange && !isMinimized()) {
    core_->RepaintBoard();  // uncovered again: repainted from the model
    paint_->update();
  }
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The first paint of the window draws the whole board, the current word's highlight included.
  if (!event->spontaneous()) {
    core_->RepaintBoard();
    ShowState();
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (!core_->Close()) {
    event->ignore();
    ShowState();
    return;
  }
  event->accept();
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget != this) widget->close();
}

void TForm1::ShowState() {
  if (showing_) return;
  // A command that changed the puzzle may need another board: never one that cuts the puzzle.
  if (layout_ && (!LayoutHoldsPuzzle(*layout_, State().puzzle) ||
                  State().window.ShowWholePuzzleRequests != show_whole_requests_seen_)) {
    FollowPuzzleSize();
  }
  showing_ = true;
  const WindowState& window = State().window;
  setWindowTitle(TitleText());
  const std::string& clue = State().puzzle.Clues.Cell(1, State().puzzle.Clues.CurrentRow());
  ShowFitted(*label1_, FromCp1251(WholeClueText(window.ClueLineText, clue)), ClueLinePixelSize);
  label1_->move(window.ClueLineLeft, label1_->y());
  label1_->setStyleSheet(QStringLiteral("color: %1").arg(ToQColor(window.ClueLineColor).name()));
  label1_->setVisible(window.ClueLineVisible);
  label2_->setText(FromCp1251(window.TallyText));
  label2_->setVisible(window.TallyVisible);
  solving_time_->setText(FromCp1251(window.SolvingTimeText));
  solving_time_->setVisible(!window.ProgressVisible);
  progress_bar1_->setValue(std::clamp(window.ProgressPosition, 0, kProgressScale));
  progress_bar1_->setVisible(window.ProgressVisible);
  label3_->setText(FromCp1251(window.ScoreText));
  label6_->setText(FromCp1251(window.DictionaryLineText));
  panel1_->setVisible(window.RightBarVisible);
  panel2_->setVisible(window.SettingsPanelVisible);
  image2_->setVisible(window.RewardVisible);
  if (window.RewardVisible) image2_->raise();
  grid1_->setVisible(window.ClueListVisible);
  ShowControlsState();
  grid1_->ShowModel();
  if (window.ClueListFocusRequests != grid1_focus_requests_seen_) {
    grid1_focus_requests_seen_ = window.ClueListFocusRequests;
    grid1_->setFocus();
  }
  // A notice of the editor opens over it: the editor must already show what the command did.
  if (editor_form_ && editor_form_->isVisible()) editor_form_->ShowFields();
  if (advert_form_) {
    advert_form_->setWindowTitle(FromCp1251(window.AdvertCaption));
    advert_form_->setVisible(window.AdvertVisible);
  }
  ShowRequestedWindows();
  const QString word = CurrentWordAnnouncement(State().puzzle);
  Announce(*paint_, word);
  Announce(*grid1_, word);
  paint_->update();
  showing_ = false;
}

void TForm1::ShowControlsState() {
  const WindowState& window = State().window;
  const Settings& settings = State().settings;
  const QString combo = FromCp1251(window.FillAttemptsText);
  if (combo_box2_->currentText() != combo) combo_box2_->setCurrentText(combo);
  const QString edit = FromCp1251(window.MinCellsText);
  if (edit1_->text() != edit) edit1_->setText(edit);
  check_box1_->setChecked(settings.NumberedExport);
  check_box2_->setChecked(settings.KaleidoscopeBox);
  check_box3_->setChecked(settings.SoundOn);
  // While a long command runs only its stop buttons act: the others look disabled, as do the fields
  // whose changes the core refuses then.
  const bool busy = core_->Busy();
  for (const auto& [id, button] : buttons_) button->setEnabled(!busy || LongCommands::Stops(id));
  Button(gx::Button::Undo)->setEnabled(!busy && core_->CanUndo());
  Button(gx::Button::Redo)->setEnabled(!busy && core_->CanRedo());
  for (QWidget* field : {static_cast<QWidget*>(combo_box2_), static_cast<QWidget*>(edit1_),
                         static_cast<QWidget*>(up_down1_up_), static_cast<QWidget*>(up_down1_down_)}) {
    field->setEnabled(!busy);
  }
  if (!window.EraserButtonHint.empty()) {
    QToolButton* eraser = Button(gx::Button::PencilOrEraser);
    eraser->setToolTip(FromCp1251(window.EraserButtonHint));
    NameAfterHint(*eraser, eraser->toolTip());
    eraser->setIcon(MakeButtonIcon(State().puzzle.EraserOn ? ButtonIcon::Eraser : ButtonIcon::Pencil));
  }
}

}  // namespace gx
