// Draws the program's icon: a small crossword grid with the letter Г in its first cell, as an SVG
// and as PNG pictures at the sizes desktops ask for. Both are drawn from the one list of shapes
// below, so they always agree.
// Run by hand from the repository root: make_icons packaging/icons
// Needs no display: the offscreen platform is used unless another one is asked for.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdio>
#include <vector>

namespace {

constexpr double Side = 256;  // the drawing's own units; the SVG's view box
constexpr int PngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
const char* const IconName = "org.gridlex.Gridlex";

struct Shape {
  double x, y, width, height, radius;
  const char* colour;
};

// The background, then a 3 x 3 grid with its centre blacked out, then the letter Г.
std::vector<Shape> Shapes() {
  std::vector<Shape> shapes = {{8, 8, 240, 240, 40, "#2f5d8a"}};
  constexpr double Origin = 34, Cell = 60, Gap = 4;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const bool black = row == 1 && column == 1;
      shapes.push_back({Origin + column * (Cell + Gap), Origin + row * (Cell + Gap), Cell, Cell, 6,
                        black ? "#1b2a3a" : "#fdfaf0"});
    }
  }
  shapes.push_back({Origin + 14, Origin + 10, 10, 40, 0, "#b03a2e"});  // the stem of Г
  shapes.push_back({Origin + 14, Origin + 10, 34, 10, 0, "#b03a2e"});  // its bar
  return shapes;
}

QString Number(double value) { return QString::number(value, 'g', 6); }

bool WriteSvg(const QString& path) {
  QString svg = QStringLiteral(
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                    .arg(Number(Side));
  for (const Shape& s : Shapes()) {
    svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\" stroke=\"none\"/>\n")
               .arg(Number(s.x), Number(s.y), Number(s.width), Number(s.height), Number(s.radius),
                    QString::fromLatin1(s.colour));
  }
  svg += QStringLiteral("</svg>\n");
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(svg.toUtf8()) > 0 && file.flush();
}

bool WritePng(int size, const QString& path) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / Side, size / Side);
  painter.setPen(Qt::NoPen);
  for (const Shape& s : Shapes()) {
    QPainterPath path;
    path.addRoundedRect(s.x, s.y, s.width, s.height, s.radius, s.radius);
    painter.fillPath(path, QColor(QString::fromLatin1(s.colour)));
  }
  painter.end();
  return image.save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icons ICON_FOLDER\n");
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot make the icon folder %s\n", argv[1]);
    return 1;
  }
  const QString name = QString::fromLatin1(IconName);
  bool ok = WriteSvg(folder.filePath(name + QStringLiteral(".svg")));
  for (int size : PngSizes) {
    ok = WritePng(size, folder.filePath(QStringLiteral("%1-%2.png").arg(name).arg(size))) && ok;
  }
  if (!ok) std::fprintf(stderr, "cannot write the icons into %s\n", argv[1]);
  return ok ? 0 : 1;
}
