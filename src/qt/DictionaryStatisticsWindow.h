#pragma once
// The dictionary statistics window TForm4: the number of entries and, for the word lengths 3 to
// 19, a table of counts beside a bar chart. Each activation counts afresh.

#include <QImage>
#include <QWidget>

class QLabel;

namespace gx {

class CommandCore;

class TForm4 : public QWidget {
 public:
  TForm4();

  // The core whose counts the window shows; nothing is shown before this.
  void Attach(CommandCore* core) { core_ = core; }
  // Shows the window and makes it the active one, which counts the words.
  void ShowAndActivate();
  // Counts the words of the current dictionary and shows the result.
  void FormActivate();
  // The table and chart as painted, for a look without a screen.
  QImage Picture() const;

  QLabel* Label19() const { return label19_; }

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  CommandCore* core_ = nullptr;
  QLabel* label19_ = nullptr;
};

}  // namespace gx
