#pragma once
// The dictionary editor TForm5: a word field, a clue field, the entry count and the buttons for
// search from the start, search on, add, correct, delete and help. The window sees its keys
// before its fields: F1, F2, F4, F5, F6 and F8 are its commands, every other key goes on to the
// field. All it does is carry the fields to the editor's logic and show what comes back.

#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "shell/DictionaryCommands.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace gx {

class CommandCore;
enum class EditorAction : std::uint8_t;

class TForm5 : public QWidget {
 public:
  TForm5();

  // The core that runs the window's commands, and what to do after each (the main window shows
  // its state).
  void Attach(CommandCore* core, std::function<void()> after_command);
  // Shows the window with its caption and makes it the active one.
  void ShowAndActivate();
  // The window became active: the editor's help applies and the count is refreshed.
  void FormActivate();
  // Shows the fields and the label as the editor's logic holds them; a field the last command
  // left alone keeps what the user has typed since.
  void ShowFields();

  QLineEdit* Edit1() const { return edit1_; }
  QLineEdit* Edit2() const { return edit2_; }
  QLabel* Label1() const { return label1_; }
  // SpeedButton1 .. SpeedButton6.
  QToolButton* SpeedButton(int number) const { return buttons_.at(static_cast<std::size_t>(number - 1)); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Run(EditorAction action);
  EditorFields TakeFields();

  CommandCore* core_ = nullptr;
  std::function<void()> after_command_;
  QLineEdit* edit1_ = nullptr;
  QLineEdit* edit2_ = nullptr;
  QLabel* label1_ = nullptr;
  std::string taken_word_;  // the fields as the last command took them
  std::string taken_clue_;
  std::array<QToolButton*, 6> buttons_{};
};

}  // namespace gx
