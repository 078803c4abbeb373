// The controls of the main window at their design positions; the layout moves them on resize.
#include <QFont>
#include <utility>

#include "GridlexConfig.h"
#include "base/Progress.h"
#include "qt/BoardView.h"
#include "qt/ButtonIcons.h"
#include "qt/CentredPicture.h"
#include "qt/ClueTable.h"
#include "qt/MainWindow.h"

namespace gx {

namespace {

constexpr int ButtonSide = 25;
constexpr int PanelHeight = 58;

QFrame* MakeFrame(QWidget* parent, const char* name, QFrame::Shadow shadow) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(QString::fromLatin1(name));
  frame->setFrameStyle(QFrame::Box | shadow);
  return frame;
}

QFrame* MakePanel(QWidget* parent, const char* name, int left, int width) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setGeometry(left, TForm1::DesignHeight - 66, width, PanelHeight);
  return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(left, top, width, height);
  return label;
}

}  // namespace

QToolButton* TForm1::AddButton(QWidget* parent, gx::Button id, int icon, const char* hint, int left, int top, int side) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QStringLiteral("SpeedButton%1").arg(static_cast<int>(id) + 1));
  button->setIcon(MakeButtonIcon(static_cast<ButtonIcon>(icon)));
  button->setIconSize(QSize(side - 5, side - 5));
  button->setToolTip(QString::fromUtf8(hint));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);  // speed buttons never take the keyboard
  button->setGeometry(left, top, side, side);
  buttons_[id] = button;
  return button;
}

QToolButton* TForm1::Button(gx::Button button) const {
  const auto found = buttons_.find(button);
  return found == buttons_.end() ? nullptr : found->second;
}

void TForm1::BuildControls() {
  // A compact font like the one the design was laid out in, so that the panels hold their texts.
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(12);
  setFont(font);
  bevel1_ = MakeFrame(this, "Bevel1", QFrame::Sunken);
  paint_ = new BoardView(this);
  bevel4_ = MakeFrame(this, "Bevel4", QFrame::Sunken);
  grid1_ = new ClueTable(State().puzzle, this);
  BuildStatusStrip();
  BuildPanel3();
  BuildPanel1();
  BuildPanel2();
  paint_->setAccessibleName(QStringLiteral("Кроссворд"));
  grid1_->setAccessibleName(QStringLiteral("Определения"));
  up_down1_up_->setAccessibleName(QStringLiteral("Минимум ячеек сетки: больше"));
  up_down1_down_->setAccessibleName(QStringLiteral("Минимум ячеек сетки: меньше"));
  // The keyboard walks the window as it reads: the clue list, then the settings panel row by row.
  for (auto [first, second] : {std::pair<QWidget*, QWidget*>{grid1_, combo_box2_}, {combo_box2_, edit1_},
                               {edit1_, check_box2_}, {check_box2_, check_box3_}, {check_box3_, check_box1_}})
    setTabOrder(first, second);

  // Narrower than the gap between the button panels, which it must not overlap.
  image1_ = MakeLabel(this, "Image1", QString(), LeftBarWidth + 14, DesignHeight - 66, 150, 44);
  image1_->setPixmap(MakeLogo(60, 40));
  label8_ = MakeLabel(this, "Label8", QStringLiteral("Gridlex " GRIDLEX_VERSION), LeftBarWidth + 14, DesignHeight - 20, 120, 14);
  // The settings panel is laid over the picture and the version label; it must cover them when it opens,
  // its own background included.
  panel2_->setAutoFillBackground(true);
  panel2_->raise();

  image2_ = new CentredPicture(this);
  image2_->setObjectName(QStringLiteral("Image2"));
  image2_->setGeometry(39, 39, RewardSide, RewardSide);
  image2_->hide();
}

void TForm1::BuildStatusStrip() {
  bevel5_ = MakeFrame(this, "Bevel5", QFrame::Sunken);
  progress_bar1_ = new QProgressBar(this);
  progress_bar1_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_bar1_->setRange(0, kProgressScale);
  progress_bar1_->setTextVisible(false);
  progress_bar1_->hide();
  label1_ = MakeLabel(this, "Label1", QString(), 16, 0, 400, 20);
  QFont clue_font(QStringLiteral("Arial"));
  clue_font.setPixelSize(13);
  label1_->setFont(clue_font);
  label2_ = MakeLabel(this, "Label2", QString(), 16, 0, 400, 24);
  label2_->setFont(clue_font);
  label2_->hide();
  solving_time_ = MakeLabel(this, "SolvingTime", QString(), 0, 0, SolvingTimeWidth, 20);
  solving_time_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  solving_time_->setToolTip(QStringLiteral("Время решения"));
}

void TForm1::BuildPanel3() {
  panel3_ = MakePanel(this, "Panel3", PaintLeft, LeftBarWidth);
  int left = 3;
  auto next = [&left] { const int at = left; left += ButtonSide + 1; return at; };
  AddButton(panel3_, Button::Help, static_cast<int>(ButtonIcon::Help), "Помощь (F1)", next(), 4);
  AddButton(panel3_, Button::LoadPuzzle, static_cast<int>(ButtonIcon::Open), "Загрузить из файла (F3)", next(), 4);
  AddButton(panel3_, Button::SavePuzzle, static_cast<int>(ButtonIcon::Save), "Сохранить в файле (F2)", next(), 4);
  AddButton(panel3_, Button::BuildOrStop, static_cast<int>(ButtonIcon::Build),
            "Построение нового кроссворда / стоп (F5)", next(), 4);
  AddButton(panel3_, Button::ClearBoard, static_cast<int>(ButtonIcon::Clear), "Очистить (F8)", next(), 4);
  AddButton(panel3_, Button::PencilOrEraser, static_cast<int>(ButtonIcon::Pencil), "Ластик включить (F4)", next(), 4);
  // Under the build button: the fill around the letters placed while drawing.
  AddButton(panel3_, Button::FillAround, static_cast<int>(ButtonIcon::FillAround), "Заполнить вокруг (Shift+F7)",
            3 + 3 * (ButtonSide + 1), 30);
  // The solver's aids take the second row's free places (the others belong to undo and the fill
  // around placed letters).
  const auto row_two = [](int place) { return 3 + place * (ButtonSide + 1); };
  AddButton(panel3_, Button::StartOver, static_cast<int>(ButtonIcon::StartOver), "Начать заново (Shift+Delete)",
            row_two(2), 30)
      ->setObjectName(QStringLiteral("StartOverButton"));
  AddButton(panel3_, Button::CheckWord, static_cast<int>(ButtonIcon::CheckWord), "Проверить слово (Shift+F9)",
            row_two(4), 30)
      ->setObjectName(QStringLiteral("CheckWordButton"));
  AddButton(panel3_, Button::RevealLetter, static_cast<int>(ButtonIcon::RevealLetter),
            "Открыть букву (Shift+F12)", row_two(5), 30)
      ->setObjectName(QStringLiteral("RevealLetterButton"));
  AddButton(panel3_, Button::Undo, static_cast<int>(ButtonIcon::Undo), "Отменить (Ctrl+Z)", 3, 30)
      ->setObjectName(QStringLiteral("UndoButton"));
  AddButton(panel3_, Button::Redo, static_cast<int>(ButtonIcon::Redo), "Вернуть (Ctrl+Shift+Z, Ctrl+Y)", 29, 30)
      ->setObjectName(QStringLiteral("RedoButton"));
}

void TForm1::BuildPanel1() {
  panel1_ = MakePanel(this, "Panel1", DesignWidth - RightBarWidth - 8, RightBarWidth);
  int left = 3;
  auto next = [&left] { const int at = left; left += ButtonSide + 1; return at; };
  AddButton(panel1_, Button::ShowAnswers, static_cast<int>(ButtonIcon::Answers), "Открыть/закрыть (F9)", next(), 4);
  AddButton(panel1_, Button::OpenSettings, static_cast<int>(ButtonIcon::Settings), "Настройки, словари", next(), 4);
  AddButton(panel1_, Button::Print, static_cast<int>(ButtonIcon::Print), "Печатать", next(), 4);
  AddButton(panel1_, Button::HtmlExport, static_cast<int>(ButtonIcon::Html), "В формате HTML", next(), 4);
  AddButton(panel1_, Button::PlayablePage, static_cast<int>(ButtonIcon::PlayablePage),
            "Страница для решения в браузере (F11)", next(), 4);
  AddButton(panel1_, Button::RefillOrStop, static_cast<int>(ButtonIcon::Refill), "Заново заполнить / стоп (F7)",
            next(), 4);
  AddButton(panel1_, Button::Tally, static_cast<int>(ButtonIcon::Tally), "Подвести итог (Enter)", next(), 4);
  QFont small(QStringLiteral("Arial"));
  small.setPixelSize(11);
  label3_ = MakeLabel(panel1_, "Label3", QString(), 3, 31, 25, 13);
  label3_->setFont(small);
  label3_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label3_->setToolTip(QStringLiteral("Очки"));
  label6_ = MakeLabel(panel1_, "Label6", QString(), 3, 43, 156, 13);
  label6_->setFont(small);
}

void TForm1::BuildPanel2() {
  panel2_ = MakePanel(this, "Panel2", DesignWidth - 354, 346);
  panel2_->hide();
  AddButton(panel2_, Button::CloseSettings, static_cast<int>(ButtonIcon::ClosePanel), "Закрыть настройки", 3, 3, 16);

  combo_box2_ = new QComboBox(panel2_);
  combo_box2_->setObjectName(QStringLiteral("ComboBox2"));
  combo_box2_->setEditable(true);
  for (int attempts = 4; attempts <= 1024; attempts *= 2) combo_box2_->addItem(QString::number(attempts));
  combo_box2_->setToolTip(QStringLiteral("Максимум попыток заполнения"));
  combo_box2_->setGeometry(22, 3, 66, 22);

  edit1_ = new QLineEdit(panel2_);
  edit1_->setObjectName(QStringLiteral("Edit1"));
  edit1_->setToolTip(QStringLiteral("Минимум ячеек сетки"));
  edit1_->setGeometry(92, 3, 34, 22);
  up_down1_up_ = new QToolButton(panel2_);
  up_down1_up_->setObjectName(QStringLiteral("UpDown1Up"));
  up_down1_up_->setArrowType(Qt::UpArrow);
  up_down1_up_->setGeometry(126, 3, 14, 11);
  up_down1_down_ = new QToolButton(panel2_);
  up_down1_down_->setObjectName(QStringLiteral("UpDown1Down"));
  up_down1_down_->setArrowType(Qt::DownArrow);
  up_down1_down_->setGeometry(126, 14, 14, 11);
  for (QToolButton* arrow : {up_down1_up_, up_down1_down_}) {
    arrow->setToolTip(QStringLiteral("Минимум ячеек сетки"));
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setAutoRepeat(true);
  }

  check_box2_ = new QCheckBox(QStringLiteral("Калейдоскоп"), panel2_);
  check_box2_->setObjectName(QStringLiteral("CheckBox2"));
  check_box2_->setToolTip(QStringLiteral("Эффект калейдоскопа при рисовании"));
  check_box2_->setGeometry(146, 4, 96, 20);
  check_box3_ = new QCheckBox(QStringLiteral("Звук"), panel2_);
  check_box3_->setObjectName(QStringLiteral("CheckBox3"));
  check_box3_->setGeometry(246, 4, 62, 20);
  check_box1_ = new QCheckBox(QStringLiteral("Сохранение HTML и GIF"), panel2_);
  check_box1_->setObjectName(QStringLiteral("CheckBox1"));
  check_box1_->setToolTip(QStringLiteral("сохранять под номерами"));
  check_box1_->setGeometry(4, 31, 166, 22);

  label5_ = MakeLabel(panel2_, "Label5", QStringLiteral("Словарь:"), 172, 33, 52, 18);
  int left = 224;
  auto next = [&left] { const int at = left; left += ButtonSide + 1; return at; };
  AddButton(panel2_, Button::ChooseDictionary, static_cast<int>(ButtonIcon::ChooseDictionary), "Выбор", next(), 30);
  AddButton(panel2_, Button::DictionaryStatistics, static_cast<int>(ButtonIcon::Statistics), "Статистика", next(), 30);
  AddButton(panel2_, Button::EditDictionary, static_cast<int>(ButtonIcon::EditDictionary), "Изменение, дополнение",
            next(), 30);
  AddButton(panel2_, Button::NewDictionary, static_cast<int>(ButtonIcon::NewDictionary), "Создать новый", next(), 30);
  AddButton(panel2_, Button::Palette, static_cast<int>(ButtonIcon::Palette), "Цвета", 316, 3);
}

}  // namespace gx
