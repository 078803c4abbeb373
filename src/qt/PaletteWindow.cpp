#include "qt/PaletteWindow.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <utility>

#include "qtdraw/QtCanvas.h"
#include "qt/QtText.h"

namespace gx {

namespace {

constexpr int PanelSide = 17;
constexpr int PanelLeft = 16;
constexpr int LabelLeft = 48;
constexpr int FirstRowTop = 16;
constexpr int RowStep = 24;
constexpr int FrameMargin = 4;

}  // namespace

TForm2::TForm2() {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Цветовая палитра"));
  setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kWidth, kHeight);

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  frame->setGeometry(FrameMargin, FrameMargin, kWidth - 2 * FrameMargin, kHeight - 2 * FrameMargin);

  QFont label_font(QStringLiteral("Arial"));
  label_font.setPointSize(8);
  for (int row = 0; row < PaletteRowCount; ++row) {
    const int top = FirstRowTop + row * RowStep;
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel%1").arg(row + 1));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setGeometry(PanelLeft, top, PanelSide, PanelSide);
    panel->setAutoFillBackground(true);
    panel->setCursor(Qt::PointingHandCursor);
    panel->installEventFilter(this);
    panels_[static_cast<std::size_t>(row)] = panel;

    auto* label = new QLabel(FromCp1251(PaletteRowLabel(row)), this);
    label->setFont(label_font);
    label->setStyleSheet(QStringLiteral("color: #000080;"));
    label->adjustSize();
    label->move(LabelLeft, top + (PanelSide - label->height()) / 2);
  }
}

void TForm2::Attach(const Palette* palette, std::function<void(int row)> panel_clicked) {
  palette_ = palette;
  panel_clicked_ = std::move(panel_clicked);
  for (int row = 0; row < PaletteRowCount; ++row) ShowColor(row);
}

void TForm2::ShowColor(int row) {
  if (!palette_) return;
  QFrame* panel = Panel(row);
  QPalette colors = panel->palette();
  colors.setColor(QPalette::Window, ToQColor(PaletteRowColor(*palette_, row)));
  panel->setPalette(colors);
}

void TForm2::PanelClick(int row) {
  if (!palette_ || !panel_clicked_) return;
  panel_clicked_(row);
  ShowColor(row);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    for (int row = 0; row < PaletteRowCount; ++row) {
      if (watched == Panel(row) && mouse->button() == Qt::LeftButton) {
        PanelClick(row);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace gx
