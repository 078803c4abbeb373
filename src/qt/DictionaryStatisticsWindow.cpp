#include "qt/DictionaryStatisticsWindow.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>

#include "files/DictionaryStatistics.h"
#include "qtdraw/QtCanvas.h"
#include "qt/QtText.h"
#include "shell/CommandCore.h"

namespace gx {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top, const char* colour,
                  bool bold) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(left, top);
  label->setStyleSheet(QStringLiteral("color: %1;%2").arg(QString::fromLatin1(colour),
                                                           bold ? QStringLiteral(" font-weight: bold;") : QString()));
  return label;
}

}  // namespace

TForm4::TForm4() {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("Словарь"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(238, 344);
  auto* bevel1 = new QFrame(this);
  bevel1->setObjectName(QStringLiteral("Bevel1"));
  bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  bevel1->setGeometry(8, 8, 225, 329);
  MakeLabel(this, "Label1", QStringLiteral("Всего слов"), 16, 16, "#800000", true);
  label19_ = MakeLabel(this, "Label19", QString(), 104, 16, "#000080", true);
  label19_->setMinimumWidth(100);
  MakeLabel(this, "Label20", QStringLiteral("Букв"), 16, 40, "#800000", false);
  MakeLabel(this, "Label38", QStringLiteral("К-во"), 48, 40, "#000080", false);
}

void TForm4::ShowAndActivate() {
  show();
  raise();
  activateWindow();
  // Activation may come late or not at all (an offscreen or a busy desktop): count now as well.
  FormActivate();
}

void TForm4::FormActivate() {
  if (!core_) return;
  core_->StatisticsActivated();
  const DictionaryStatistics& statistics = core_->Statistics();
  setWindowTitle(FromCp1251(statistics.Caption));
  label19_->setText(FromCp1251(statistics.EntryCountText));
  update();
}

void TForm4::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TForm4::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormActivate();
}

QImage TForm4::Picture() const {
  QImage image(size(), QImage::Format_RGB32);
  image.fill(palette().color(QPalette::Button));
  if (!core_) return image;
  QtCanvas canvas(&image);
  canvas.SetFont(font().family().toStdString(), 13);
  PaintDictionaryStatistics(core_->Statistics(), canvas, FromQColor(palette().color(QPalette::Button)));
  return image;
}

void TForm4::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Picture());
}

}  // namespace gx
