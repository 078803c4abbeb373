#include "qt/ButtonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace gx {

namespace {

constexpr int Side = 20;
const QColor Ink(0, 0, 128);
const QColor Paper(255, 255, 240);

void Text(QPainter& p, const QString& text, int pixel, const QColor& color = Ink) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixel);
  font.setBold(true);
  p.setFont(font);
  p.setPen(color);
  p.drawText(QRect(0, 0, Side, Side), Qt::AlignCenter, text);
}

void Sheet(QPainter& p) {
  p.setPen(QColor(80, 80, 80));
  p.setBrush(Paper);
  p.drawRect(4, 2, 12, 16);
}

void Grid(QPainter& p, int left, int top, int cells, int cell) {
  p.setPen(QColor(90, 90, 90));
  for (int y = 0; y < cells; ++y)
    for (int x = 0; x < cells; ++x) {
      p.setBrush((x + y) % 3 == 2 ? QColor(60, 60, 60) : Paper);
      p.drawRect(left + x * cell, top + y * cell, cell, cell);
    }
}

void Book(QPainter& p) {
  p.setPen(QColor(60, 40, 20));
  p.setBrush(QColor(170, 60, 40));
  p.drawRect(3, 3, 12, 15);
  p.setBrush(Paper);
  p.drawRect(5, 3, 10, 13);
}

// A hooked arrow turning back (to the left) or forward (mirrored).
void HookArrow(QPainter& p, bool forward) {
  p.save();
  if (forward) {
    p.translate(Side, 0);
    p.scale(-1, 1);
  }
  QPainterPath hook;
  hook.moveTo(6, 8);
  hook.lineTo(12, 8);
  hook.cubicTo(18, 8, 18, 17, 12, 17);
  hook.lineTo(7, 17);
  p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(hook);
  p.setPen(Qt::NoPen);
  p.setBrush(Ink);
  p.drawPolygon(QPolygonF({QPointF(1.5, 8), QPointF(7.5, 3), QPointF(7.5, 13)}));
  p.restore();
}

void Draw(QPainter& p, ButtonIcon icon) {
  switch (icon) {
    case ButtonIcon::Help: Text(p, QStringLiteral("?"), 16); break;
    case ButtonIcon::Open:
      p.setPen(QColor(120, 90, 20));
      p.setBrush(QColor(240, 200, 90));
      p.drawRect(2, 6, 16, 11);
      p.drawRect(2, 4, 7, 3);
      break;
    case ButtonIcon::Save:
      p.setPen(QColor(20, 20, 80));
      p.setBrush(QColor(70, 90, 170));
      p.drawRect(2, 2, 16, 16);
      p.setBrush(Qt::white);
      p.drawRect(5, 2, 10, 6);
      p.drawRect(5, 11, 10, 7);
      break;
    case ButtonIcon::Build: Grid(p, 2, 2, 4, 4); break;
    case ButtonIcon::Refill:
      Grid(p, 2, 2, 4, 4);
      p.setPen(QPen(QColor(0, 140, 0), 2));
      p.setBrush(Qt::NoBrush);
      p.drawArc(6, 6, 12, 12, 30 * 16, 280 * 16);
      break;
    case ButtonIcon::FillAround:
      Grid(p, 2, 2, 4, 4);
      p.setPen(QColor(0, 100, 0));
      p.setBrush(QColor(255, 236, 160));
      p.drawRect(6, 6, 8, 8);
      break;
    case ButtonIcon::Print:
      p.setPen(QColor(50, 50, 50));
      p.setBrush(Qt::white);
      p.drawRect(5, 2, 10, 7);
      p.setBrush(QColor(150, 150, 150));
      p.drawRect(2, 8, 16, 7);
      p.setBrush(Qt::white);
      p.drawRect(5, 13, 10, 5);
      break;
    case ButtonIcon::Answers:
      p.setPen(QColor(40, 40, 40));
      p.setBrush(Qt::white);
      p.drawEllipse(2, 6, 16, 9);
      p.setBrush(QColor(128, 0, 0));
      p.drawEllipse(7, 7, 6, 6);
      break;
    case ButtonIcon::Clear:
      p.setPen(QPen(QColor(180, 0, 0), 3));
      p.drawLine(4, 4, 16, 16);
      p.drawLine(16, 4, 4, 16);
      break;
    case ButtonIcon::Pencil: {
      p.setPen(QColor(60, 60, 60));
      p.setBrush(QColor(240, 190, 40));
      QPolygon body;
      body << QPoint(4, 16) << QPoint(6, 11) << QPoint(15, 2) << QPoint(18, 5) << QPoint(9, 14);
      p.drawPolygon(body);
      break;
    }
    case ButtonIcon::Eraser:
      p.setPen(QColor(60, 60, 60));
      p.setBrush(QColor(240, 150, 170));
      p.drawRect(3, 7, 14, 8);
      p.setBrush(QColor(80, 120, 200));
      p.drawRect(3, 7, 5, 8);
      break;
    case ButtonIcon::Palette:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(220, 40, 40));
      p.drawRect(2, 2, 8, 8);
      p.setBrush(QColor(40, 170, 40));
      p.drawRect(10, 2, 8, 8);
      p.setBrush(QColor(40, 80, 220));
      p.drawRect(2, 10, 8, 8);
      p.setBrush(QColor(240, 210, 40));
      p.drawRect(10, 10, 8, 8);
      break;
    case ButtonIcon::Tally: {
      p.setPen(QPen(QColor(0, 140, 0), 3));
      QPainterPath tick;
      tick.moveTo(3, 10);
      tick.lineTo(8, 15);
      tick.lineTo(17, 4);
      p.drawPath(tick);
      break;
    }
    case ButtonIcon::Html:
      Sheet(p);
      Text(p, QStringLiteral("</>"), 8);
      break;
    case ButtonIcon::PlayablePage:  // a page with a corner of a grid
      Sheet(p);
      Grid(p, 5, 4, 2, 4);
      p.setPen(QPen(QColor(0, 90, 200), 2));
      p.drawLine(6, 15, 14, 15);
      break;
    case ButtonIcon::ClosePanel:
      p.setPen(QPen(Ink, 2));
      p.drawLine(6, 6, 14, 14);
      p.drawLine(14, 6, 6, 14);
      break;
    case ButtonIcon::Settings:
      p.setPen(QPen(QColor(70, 70, 70), 3));
      p.drawLine(10, 2, 10, 18);
      p.drawLine(2, 10, 18, 10);
      p.setBrush(QColor(170, 170, 170));
      p.setPen(QColor(70, 70, 70));
      p.drawEllipse(5, 5, 10, 10);
      p.setBrush(Qt::white);
      p.drawEllipse(8, 8, 4, 4);
      break;
    case ButtonIcon::ChooseDictionary:
      Book(p);
      Text(p, QStringLiteral("\u0410"), 9);
      break;
    case ButtonIcon::Statistics:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 0, 128));
      p.drawRect(3, 11, 3, 7);
      p.drawRect(8, 6, 3, 12);
      p.drawRect(13, 2, 3, 16);
      break;
    case ButtonIcon::EditDictionary:
      Book(p);
      p.setPen(QPen(QColor(0, 120, 0), 2));
      p.drawLine(8, 14, 17, 5);
      break;
    case ButtonIcon::NewDictionary:
      Sheet(p);
      Text(p, QStringLiteral("+"), 14, QColor(0, 130, 0));
      break;
    case ButtonIcon::StartOver: {
      // A circling arrow around an empty cell.
      p.setPen(QPen(QColor(0, 100, 160), 2));
      p.setBrush(Qt::NoBrush);
      p.drawArc(3, 3, 14, 14, 60 * 16, 280 * 16);
      p.setBrush(QColor(0, 100, 160));
      p.setPen(Qt::NoPen);
      p.drawPolygon(QPolygon({QPoint(12, 1), QPoint(17, 4), QPoint(12, 7)}));
      break;
    }
    case ButtonIcon::CheckWord:
      // Three cells of a word, the middle one marked wrong.
      p.setPen(QColor(90, 90, 90));
      for (int x = 0; x < 3; ++x) {
        p.setBrush(x == 1 ? QColor(250, 150, 150) : Paper);
        p.drawRect(1 + x * 6, 7, 6, 6);
      }
      break;
    case ButtonIcon::RevealLetter:
      p.setPen(QColor(90, 90, 90));
      p.setBrush(Paper);
      p.drawRect(3, 3, 14, 14);
      Text(p, QStringLiteral("\u0410"), 11, QColor(0, 120, 0));
      break;
    case ButtonIcon::Undo: HookArrow(p, false); break;
    case ButtonIcon::Redo: HookArrow(p, true); break;
  }
}

}  // namespace

QIcon MakeButtonIcon(ButtonIcon icon) {
  // Drawn afresh for each usual display scale, so that a scaled desktop shows sharp pictures.
  QIcon result;
  for (const int ratio : {1, 2, 3}) {
    QPixmap pixmap(Side * ratio, Side * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw(painter, icon);
    painter.end();
    result.addPixmap(pixmap);
  }
  return result;
}

QPixmap MakeLogo(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  static const char* const rows[] = {"##.###", "#..#.#", "######", "#.#..#"};
  const int cell = std::max(4, height / 5);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) {
      painter.setPen(QColor(128, 128, 128));
      painter.setBrush(rows[y][x] == '#' ? QColor(255, 255, 255) : QColor(0, 100, 160));
      painter.drawRect(x * cell, y * cell, cell, cell);
    }
  return pixmap;
}

}  // namespace gx
