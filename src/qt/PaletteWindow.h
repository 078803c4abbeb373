#pragma once
// TForm2, the colour palette window: eight rows, each a small panel in one of the program's
// colours beside its label; a click on a panel opens the colour dialog for that colour. Created
// hidden at start-up, shown (not modally) from the settings panel, on top of the program's other
// windows, with a fixed size and only a close box. Nothing is redrawn when a colour changes.

#include <QFrame>
#include <QWidget>
#include <array>
#include <functional>

#include "core/Settings.h"
#include "shell/Palette.h"

namespace gx {

class TForm2 : public QWidget {
 public:
  static constexpr int kWidth = 264;
  static constexpr int kHeight = 218;

  TForm2();

  // At start-up, once the settings are read: binds the window to the program's colours, which it
  // only shows, and to the command a panel click runs; shows the colours on the panels.
  void Attach(const Palette* palette, std::function<void(int row)> panel_clicked);

  QFrame* Panel(int row) const { return panels_[static_cast<std::size_t>(row)]; }
  // Panel1Click .. Panel8Click.
  void PanelClick(int row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowColor(int row);

  std::array<QFrame*, PaletteRowCount> panels_{};
  const Palette* palette_ = nullptr;
  std::function<void(int row)> panel_clicked_;
};

}  // namespace gx
