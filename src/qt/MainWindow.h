#pragma once
// The main window TForm1: the board, the clue list, the status strip and the three button panels.
// A view of the command core: it maps every key, click and board mouse event onto the core's
// calls, then shows the window state they leave behind. No rule of the program lives here.

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "board/BoardDrawing.h"
#include "board/Layout.h"
#include "core/RandomSource.h"
#include "shell/CommandCore.h"
#include "shell/Gridlex.h"
#include "shell/Startup.h"
#include "qtdraw/QtCanvas.h"

namespace gx {

class BoardView;
class ClueTable;
class QtHost;
class AdvertWindow;
class CentredPicture;
class TForm2;
class TForm4;
class TForm5;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // The client area the window opens with: a board of 21 x 21 cells.
  static constexpr int DesignWidth = 527;
  static constexpr int DesignHeight = 451;

  // Creates the controls and runs the start-up. Without a host the window makes its own Qt host;
  // without a printer query it asks the system's default printer. A start puzzle is opened
  // instead of the highest-numbered one of the data folder. The program folder is the current
  // folder unless named.
  explicit TForm1(Host* host = nullptr, PrinterQuery printer = {}, const std::string& start_puzzle = {},
                  std::string program_dir = {});
  ~TForm1() override;

  // The advertisement window receives pictures and captions from the commands.
  void SetAdvertWindow(AdvertWindow* form);
  // The palette window shows and changes the program's colours; SpeedButton9 shows it.
  void SetPaletteWindow(TForm2* form);
  // The dictionary statistics and editor windows, shown by the dictionary buttons.
  void SetDictionaryWindows(TForm4* statistics, TForm5* editor);

  const Gridlex& State() const { return core_->State(); }
  CommandCore& GetCommands() { return *core_; }
  const BoardDrawing& Board() const { return core_->Board(); }
  BoardView* Paint() const { return paint_; }
  ClueTable* Grid1() const { return grid1_; }
  QToolButton* Button(gx::Button button) const;
  // Shows the state the logic has written: caption, labels, panels, clue list, board.
  void ShowState();
  // Applies the layout for a client area of the given size (FormResize), with the board at least
  // as large as the puzzle on it.
  void LayoutFor(int width, int height);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildPanel3();
  void BuildPanel1();
  void BuildPanel2();
  void BuildStatusStrip();
  QToolButton* AddButton(QWidget* parent, gx::Button id, int icon, const char* hint, int left, int top, int side = 25);
  void ConnectControls();
  bool HandleKey(QKeyEvent* event);
  void ShowControlsState();
  void FitBoardImage(const WindowLayout& layout);
  // Lays the window out again when the puzzle needs another board than the one shown; after a
  // load, grows the window, as far as the screen allows, for a puzzle it shows only scaled down.
  void FollowPuzzleSize();
  void GrowToShow(int cells);
  QString TitleText();
  void ShowRequestedWindows();

  std::unique_ptr<Host> own_host_;
  Host* host_;
  QtHost* qt_host_ = nullptr;
  QtCanvas canvas_;
  ClockRandom random_;
  std::unique_ptr<CommandCore> core_;
  AdvertWindow* advert_form_ = nullptr;
  TForm5* editor_form_ = nullptr;
  // The windows a command may ask for, and the count of requests each has answered.
  std::array<std::function<void()>, SecondaryWindowCount> show_window_{};
  std::array<int, SecondaryWindowCount> show_requests_seen_{};
  std::optional<WindowLayout> layout_;
  int grid1_focus_requests_seen_ = 0;
  int show_whole_requests_seen_ = 0;
  bool showing_ = false;

  BoardView* paint_ = nullptr;
  QFrame* bevel1_ = nullptr;
  ClueTable* grid1_ = nullptr;
  QFrame* bevel4_ = nullptr;
  QFrame* bevel5_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  static constexpr int SolvingTimeWidth = 100;
  QLabel* solving_time_ = nullptr;  // the solving time at the right end of the status strip
  QTimer* clock_tick_ = nullptr;
  QProgressBar* progress_bar1_ = nullptr;
  QFrame* panel1_ = nullptr;
  QFrame* panel2_ = nullptr;
  QFrame* panel3_ = nullptr;
  QLabel* label3_ = nullptr;
  QLabel* label5_ = nullptr;
  QLabel* label6_ = nullptr;
  QLabel* label8_ = nullptr;
  QLabel* image1_ = nullptr;
  CentredPicture* image2_ = nullptr;
  QComboBox* combo_box2_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QToolButton* up_down1_up_ = nullptr;
  QToolButton* up_down1_down_ = nullptr;
  QCheckBox* check_box1_ = nullptr;
  QCheckBox* check_box2_ = nullptr;
  QCheckBox* check_box3_ = nullptr;
  std::map<gx::Button, QToolButton*> buttons_;
};

}  // namespace gx
