#include "qt/DictionaryEditorWindow.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "base/Cp1251.h"
#include "qt/KeyMapping.h"
#include "qt/QtText.h"
#include "shell/Input.h"
#include "shell/CommandCore.h"

namespace gx {

namespace {

constexpr int kFieldLength = 255;

struct ButtonDesign {
  const char* caption;
  const char* hint;
  EditorAction action;
};

const ButtonDesign kButtons[] = {
    {"?", "Помощь (F1)", EditorAction::Help},
    {"F5", "Искать с начала (F5)", EditorAction::SearchFromStart},
    {"F6", "Искать дальше (F6)", EditorAction::SearchOn},
    {"F2", "Добавить (F2)", EditorAction::Add},
    {"F4", "Исправить (F4)", EditorAction::Correct},
    {"F8", "Удалить (F8)", EditorAction::Delete},
};

QLineEdit* MakeField(QWidget* parent, const char* name, int left, int top, int width) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(left, top, width, 21);
  edit->setMaxLength(kFieldLength);
  edit->setStyleSheet(QStringLiteral("background: silver; color: navy;"));
  return edit;
}

}  // namespace

TForm5::TForm5() {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("Корректировка словаря"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(480, 136);
  edit1_ = MakeField(this, "Edit1", 16, 16, 113);
  edit2_ = MakeField(this, "Edit2", 16, 48, 449);
  label1_ = new QLabel(this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setGeometry(304, 20, 160, 18);
  label1_->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"));

  auto* panel1 = new QFrame(this);
  panel1->setObjectName(QStringLiteral("Panel1"));
  panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel1->setGeometry(16, 84, 6 * 30 + 8, 36);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const ButtonDesign& design = kButtons[i];
    auto* button = new QToolButton(panel1);
    button->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
    button->setText(QString::fromUtf8(design.caption));
    button->setToolTip(QString::fromUtf8(design.hint));
    button->setGeometry(5 + static_cast<int>(i) * 30, 5, 28, 26);
    button->setFocusPolicy(Qt::NoFocus);  // the fields keep the focus
    connect(button, &QToolButton::clicked, this, [this, action = design.action] { Run(action); });
    buttons_[i] = button;
  }
  edit1_->installEventFilter(this);
  edit2_->installEventFilter(this);
  installEventFilter(this);
}

void TForm5::Attach(CommandCore* core, std::function<void()> after_command) {
  core_ = core;
  after_command_ = std::move(after_command);
}

void TForm5::ShowAndActivate() {
  if (core_ && !core_->DictionaryEditorView().Caption.empty()) {
    setWindowTitle(FromCp1251(core_->DictionaryEditorView().Caption));
  }
  show();
  raise();
  activateWindow();
  edit1_->setFocus();
  FormActivate();  // activation may come late on some desktops
}

void TForm5::FormActivate() {
  if (!core_) return;
  core_->EditorActivated();
  ShowFields();
}

void TForm5::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && core_) {
    const Key key = ToKey(static_cast<QKeyEvent*>(event)->key());
    if (key != Key::Other) {
      if (core_->EditorKeyDown(key, TakeFields())) {
        ShowFields();
        if (after_command_) after_command_();
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TForm5::Run(EditorAction action) {
  if (!core_) return;
  core_->RunEditorAction(action, TakeFields());
  ShowFields();
  if (after_command_) after_command_();
}

EditorFields TForm5::TakeFields() {
  // A character the code page lacks is marked, not turned into '?', so that the editor refuses it
  // rather than storing a question mark.
  taken_word_ = ToCp1251(edit1_->text(), NoCp1251Char);
  taken_clue_ = ToCp1251(edit2_->text(), NoCp1251Char);
  return {taken_word_, taken_clue_};
}

void TForm5::ShowFields() {
  const DictionaryEditor& editor = core_->DictionaryEditorView();
  // A field the command left as it was keeps the user's own text, marked characters included.
  if (editor.WordField != taken_word_) edit1_->setText(FromCp1251(editor.WordField));
  if (editor.ClueField != taken_clue_) edit2_->setText(FromCp1251(editor.ClueField));
  label1_->setText(FromCp1251(editor.StatusLine));
}

}  // namespace gx
