// Paints the delivered pictures: the 17 reward pictures pic/s1.jpg..s17.jpg shown when a puzzle is
// solved, and the advertisement pictures rek/rek1.jpg.. named by rek/rek.dat.
// Run by hand from the repository root: make_pictures dist
// Needs no display: the offscreen platform is used unless another one is asked for.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int RewardSide = 273;  // the picture control over the board is 273 x 273
constexpr int AdvertSide = 264;  // fits the advertisement window's 273 x 273 control with a margin
constexpr double Pi = 3.14159265358979323846;

const char* const kPraise[17] = {
    "Браво!",    "Отлично!",  "Молодец!",   "Блестяще!", "Умница!",  "Здорово!",
    "Ура!",      "Прекрасно!", "Мастер!",   "Знаток!",   "Победа!",  "Чудесно!",
    "Виртуоз!",  "Так держать!", "Великолепно!", "Эрудит!", "Превосходно!"};

QColor Hue(double hue, double saturation, double value) {
  return QColor::fromHsvF(std::fmod(hue, 1.0), saturation, value);
}

void PaintBackground(QPainter& painter, int side, double hue, bool radial) {
  if (radial) {
    QRadialGradient gradient(side * 0.5, side * 0.45, side * 0.75);
    gradient.setColorAt(0.0, Hue(hue, 0.25, 1.0));
    gradient.setColorAt(0.6, Hue(hue, 0.65, 0.9));
    gradient.setColorAt(1.0, Hue(hue + 0.08, 0.85, 0.55));
    painter.fillRect(0, 0, side, side, gradient);
  } else {
    QLinearGradient gradient(0, 0, side, side);
    gradient.setColorAt(0.0, Hue(hue, 0.35, 1.0));
    gradient.setColorAt(1.0, Hue(hue + 0.12, 0.8, 0.6));
    painter.fillRect(0, 0, side, side, gradient);
  }
}

QPainterPath Star(QPointF centre, double outer, double inner, int points, double turn) {
  QPainterPath path;
  for (int k = 0; k < 2 * points; ++k) {
    double radius = k % 2 == 0 ? outer : inner;
    double angle = turn + k * Pi / points - Pi / 2;
    QPointF p(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    if (k == 0) path.moveTo(p); else path.lineTo(p);
  }
  path.closeSubpath();
  return path;
}

void PaintStars(QPainter& painter, int side, double hue, std::mt19937& random) {
  std::uniform_real_distribution<double> at(0, side), size(6, 22), turn(0, Pi);
  for (int k = 0; k < 14; ++k) {
    QColor color = Hue(hue + 0.15 + 0.02 * k, 0.5, 1.0);
    color.setAlphaF(0.75);
    painter.setBrush(color);
    painter.setPen(Qt::NoPen);
    double outer = size(random);
    painter.drawPath(Star({at(random), at(random)}, outer, outer * 0.45, 5, turn(random)));
  }
}

void PaintBubbles(QPainter& painter, int side, double hue, std::mt19937& random) {
  std::uniform_real_distribution<double> at(0, side), size(8, 40);
  for (int k = 0; k < 18; ++k) {
    QColor fill = Hue(hue + 0.5 + 0.01 * k, 0.3, 1.0);
    fill.setAlphaF(0.35);
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(255, 255, 255, 160), 1.5));
    double radius = size(random);
    painter.drawEllipse(QPointF(at(random), at(random)), radius, radius);
  }
}

void PaintRays(QPainter& painter, int side, double hue, std::mt19937&) {
  QPointF centre(side / 2.0, side / 2.0);
  painter.setPen(Qt::NoPen);
  for (int k = 0; k < 16; ++k) {
    QColor color = k % 2 == 0 ? QColor(255, 255, 255, 70) : Hue(hue + 0.1, 0.6, 1.0);
    if (k % 2 != 0) color.setAlphaF(0.25);
    painter.setBrush(color);
    double a1 = k * 2 * Pi / 16, a2 = (k + 1) * 2 * Pi / 16;
    QPainterPath ray;
    ray.moveTo(centre);
    ray.lineTo(centre.x() + side * std::cos(a1), centre.y() + side * std::sin(a1));
    ray.lineTo(centre.x() + side * std::cos(a2), centre.y() + side * std::sin(a2));
    ray.closeSubpath();
    painter.drawPath(ray);
  }
  painter.setBrush(Hue(hue + 0.14, 0.7, 1.0));
  painter.drawEllipse(centre, side * 0.16, side * 0.16);
}

void PaintConfetti(QPainter& painter, int side, double hue, std::mt19937& random) {
  std::uniform_real_distribution<double> at(0, side), angle(0, 180), shade(0, 1);
  painter.setPen(Qt::NoPen);
  for (int k = 0; k < 60; ++k) {
    painter.save();
    painter.translate(at(random), at(random));
    painter.rotate(angle(random));
    painter.setBrush(Hue(hue + shade(random), 0.8, 1.0));
    painter.drawRoundedRect(QRectF(-5, -2.5, 10, 5), 1.5, 1.5);
    painter.restore();
  }
}

void PaintFlowers(QPainter& painter, int side, double hue, std::mt19937& random) {
  std::uniform_real_distribution<double> at(20, side - 20), size(10, 22);
  for (int k = 0; k < 7; ++k) {
    QPointF centre(at(random), at(random));
    double radius = size(random);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Hue(hue + 0.55 + 0.03 * k, 0.45, 1.0));
    for (int petal = 0; petal < 6; ++petal) {
      double a = petal * Pi / 3;
      painter.drawEllipse(QPointF(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a)),
                          radius * 0.6, radius * 0.6);
    }
    painter.setBrush(QColor(255, 220, 80));
    painter.drawEllipse(centre, radius * 0.5, radius * 0.5);
  }
}

// A word set large, white with a dark outline and a soft shadow, fitted to the width.
void PaintWord(QPainter& painter, int side, const QString& word, double y, double height, QColor ink) {
  QFont font("DejaVu Sans", 10, QFont::Black);
  font.setPixelSize(static_cast<int>(height));
  QFontMetricsF metrics(font);
  double width = metrics.horizontalAdvance(word);
  double limit = side * 0.88;
  if (width > limit) {
    font.setPixelSize(static_cast<int>(height * limit / width));
    width = QFontMetricsF(font).horizontalAdvance(word);
  }
  QPainterPath path;
  path.addText((side - width) / 2, y, font, word);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 90));
  painter.drawPath(path.translated(3, 3));
  // The outline grows with the letters, so that small words are not smothered by it.
  double outline = font.pixelSize() / 18.0 < 1.2 ? 1.2 : font.pixelSize() / 18.0;
  painter.setPen(QPen(ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::white);
  painter.drawPath(path);
}

bool Save(const QImage& image, const QString& path) {
  if (!image.save(path, "JPG", 90)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

bool MakeReward(int number, const QString& folder) {
  using Decoration = void (*)(QPainter&, int, double, std::mt19937&);
  const Decoration decorations[] = {PaintStars, PaintBubbles, PaintRays, PaintConfetti, PaintFlowers};
  QImage image(RewardSide, RewardSide, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  std::mt19937 random(static_cast<unsigned>(number) * 7919u);
  double hue = (number - 1) * 5.0 / 17.0;  // steps of 5/17 of the circle: neighbours differ
  PaintBackground(painter, RewardSide, hue, number % 2 == 0);
  decorations[(number - 1) % 5](painter, RewardSide, hue, random);
  PaintWord(painter, RewardSide, QString::fromUtf8(kPraise[number - 1]), RewardSide * 0.58, 54,
            Hue(hue + 0.05, 0.9, 0.35));
  painter.end();
  return Save(image, folder + QString("/s%1.jpg").arg(number));
}

struct Advert {
  const char* file;
  const char* title;
  const char* line;
  double hue;
  int decoration;
};

const Advert kAdverts[] = {
    {"rek1.jpg", "Книжная лавка", "Читайте с удовольствием", 0.08, 4},
    {"rek2.jpg", "Музыка", "Песни, ноты, пластинки", 0.75, 0},
    {"rek3.jpg", "Морские прогулки", "Корабли ждут у причала", 0.55, 1},
    {"rek4.jpg", "Чайная", "Чай, кофе и сладости", 0.02, 2},
    {"rek5.jpg", "Спортзал", "Сила, ловкость, здоровье", 0.30, 3},
    {"rek6.jpg", "Зоомагазин", "Всё для кошек и собак", 0.15, 4},
    {"rek7.jpg", "Сад и огород", "Семена, цветы, деревья", 0.35, 4},
};

bool MakeAdvert(const Advert& advert, const QString& folder) {
  QImage image(AdvertSide, AdvertSide, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  std::mt19937 random(static_cast<unsigned>(advert.hue * 1000) + 17u);
  using Decoration = void (*)(QPainter&, int, double, std::mt19937&);
  const Decoration decorations[] = {PaintStars, PaintBubbles, PaintRays, PaintConfetti, PaintFlowers};
  PaintBackground(painter, AdvertSide, advert.hue, true);
  decorations[advert.decoration](painter, AdvertSide, advert.hue, random);
  // A light band carries the slogan so that it stays readable over any decoration.
  painter.fillRect(QRectF(0, AdvertSide * 0.70, AdvertSide, AdvertSide * 0.18), QColor(255, 255, 255, 200));
  PaintWord(painter, AdvertSide, QString::fromUtf8(advert.title), AdvertSide * 0.45, 40,
            Hue(advert.hue, 0.9, 0.3));
  QFont font("DejaVu Sans", 10, QFont::Bold);
  font.setPixelSize(15);
  painter.setFont(font);
  painter.setPen(Hue(advert.hue, 0.9, 0.3));
  painter.drawText(QRectF(0, AdvertSide * 0.70, AdvertSide, AdvertSide * 0.18), Qt::AlignCenter,
                   QString::fromUtf8(advert.line));
  painter.end();
  return Save(image, folder + "/" + advert.file);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pictures DIST_FOLDER\n");
    return 2;
  }
  QDir dist(QString::fromLocal8Bit(argv[1]));
  if (!dist.mkpath("pic") || !dist.mkpath("rek")) {
    std::fprintf(stderr, "cannot make the picture folders in %s\n", argv[1]);
    return 1;
  }
  bool ok = true;
  for (int number = 1; number <= 17; ++number) ok = MakeReward(number, dist.filePath("pic")) && ok;
  for (const Advert& advert : kAdverts) ok = MakeAdvert(advert, dist.filePath("rek")) && ok;
  return ok ? 0 : 1;
}
