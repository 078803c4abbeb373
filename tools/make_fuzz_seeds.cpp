// Writes the seed corpora of the fuzz targets into fuzz/corpus: the delivered files, files the
// program's own writers make, and the malformed cases the readers must survive.
// Usage: make_fuzz_seeds REPOSITORY

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "core/Puzzle.h"
#include "core/RandomSource.h"
#include "base/Cp1251.h"
#include "files/DictionaryFile.h"
#include "files/IpuzWriter.h"
#include "files/LetterCode.h"
#include "files/PuzzleFile.h"
#include "files/SettingsFile.h"

namespace {

namespace fs = std::filesystem;
using gx::Utf8ToCp1251;

fs::path corpus;

void Seed(const std::string& target, const std::string& name, const std::string& bytes) {
  fs::create_directories(corpus / target);
  std::ofstream(corpus / target / name, std::ios::binary) << bytes;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes.push_back(static_cast<char>(v));
  return bytes;
}

std::string Coded(const char* utf8) {
  std::string bytes;
  gx::EncodeText(Utf8ToCp1251(utf8), bytes);
  return bytes;
}

std::string Record(int x, int y, int length, int direction, int number, const char* utf8_text) {
  return Bytes({x, y, length, direction, number}) + Coded(utf8_text);
}

void PuzzleSeeds(const fs::path& dist) {
  Seed("puzzle", "delivered.gx", Read(dist / "data" / "1.gx"));
  Seed("puzzle", "empty.gx", "");
  Seed("puzzle", "crossing.gx",
       Record(1, 1, 3, 0, 1, "КОТ Домашнее животное") + Record(1, 1, 3, 1, 1, "КИТ Морской зверь"));
  std::string open_end = Record(1, 1, 3, 0, 1, "КОТ Зверь");
  open_end.pop_back();
  Seed("puzzle", "no-end-byte.gx", Record(0, 0, 2, 0, 1, "ЯК Бык") + open_end);
  Seed("puzzle", "cut-in-header.gx", Record(0, 0, 2, 0, 1, "ЯК Бык") + Bytes({1, 2}));
  Seed("puzzle", "odd-records.gx",
       Record(2, 2, 4, 7, 3, "ЛЕС Густой лес") + Record(60, 1, 5, 0, 4, "ОКНО Рама") +
           Record(3, 3, 6, 1, 5, "ДОМ Короче слота") + Record(4, 4, 3, 0, 6, "безпробела") +
           Bytes({5, 5, 3, 0, 7, 200, 0, 128, 86}));
  std::string many;
  for (int k = 0; k < 300; ++k) many += Record(k % 60, (k / 60) * 2, 2, 0, k % 256, "АБ В");
  Seed("puzzle", "more-than-255.gx", many);
}

void DictionarySeeds(const fs::path& dist) {
  Seed("dictionary", "end-only.dct", Bytes({86}));
  Seed("dictionary", "one-entry.dct", Bytes({10, 14, 18, 61, 0, 86, 86}));
  // The first entries of the delivered dictionary, as they stand in its file.
  const std::string delivered = Read(dist / "data" / "ru.dct");
  std::size_t end = 0;
  for (int e = 0; e < 150 && end < delivered.size(); ++e) end = delivered.find('\x56', end) + 1;
  Seed("dictionary", "delivered-start.dct", delivered.substr(0, end) + Bytes({86}));
  Seed("dictionary", "end-in-middle.dct", Coded("КОТ а") + Bytes({86}) + Coded("ДОМ б") + Bytes({86}));
  Seed("dictionary", "no-final-end.dct", Coded("КОТ а") + Coded("ДОМ б"));
  Seed("dictionary", "open-last.dct", Coded("КОТ а") + Bytes({3, 14, 12}));
  Seed("dictionary", "top-bits.dct", Bytes({128, 161, 61, 214, 87, 86, 200, 3, 86, 86}));
  Seed("dictionary", "lead-non-char.dct", Bytes({87, 90, 10, 14, 18, 86, 86}));
  std::string long_entry;
  for (int i = 0; i < 200; ++i) long_entry.push_back(static_cast<char>(i % 80));
  Seed("dictionary", "long-entry.dct", long_entry + Bytes({86, 86}));
  std::string full;
  for (int e = 0; e < 16390; ++e) full += Bytes({e % 32, 86});
  Seed("dictionary", "more-than-store.dct", full + Bytes({86}));
}

std::string Records(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes += Bytes({v & 0xFF, v >> 8});
  return bytes;
}

void SettingsSeeds(const fs::path& dist) {
  const std::string delivered = Read(dist / "gx.dat");
  Seed("settings", "delivered.dat", delivered);
  Seed("settings", "short.dat", delivered.substr(0, 63));
  Seed("settings", "zeros.dat", std::string(64, '\0'));
  Seed("settings", "long-name.dat", gx::SerializeSettings(gx::DefaultSettings(), std::string(40, 'w')));
  Seed("settings", "odd-byte.dat", delivered + "x");
  Seed("settings", "out-of-range.dat",
       Records({5000, 0x2A28, 0, 65535, 0x1FF, 7, 2, 1}) + std::string(48, '\xFF') + Records({'a', 0x2E62}));
}

std::string AdvertLine(std::string name, const std::string& keywords) {
  name.resize(12, ' ');
  return name + keywords + "\r\n";
}

void AdvertSeeds(const fs::path& dist) {
  Seed("adverts", "delivered.dat", Read(dist / "rek" / "rek.dat"));
  Seed("adverts", "comments-only.dat", "{ one\r\n{ two\r\n");
  Seed("adverts", "long-line.dat", AdvertLine("a.jpg", std::string(300, 'k')) + "short\n\n\r\n");
  std::string many = "\r\n";
  for (int i = 0; i < 140; ++i) many += AdvertLine("p" + std::to_string(i) + ".jpg", "a!");
  Seed("adverts", "more-than-128.dat", many);
  Seed("adverts", "kinds.dat",
       AdvertLine("film.mpg", Utf8ToCp1251("кот!пёс!")) + AdvertLine("r205.htm", "b!c!") +
           AdvertLine("x.jpg", "") + AdvertLine("../gx.dat", "a!") + AdvertLine("/etc/x.mpg", "d!") +
           "noline-end.jpg");
}

QByteArray Jpeg(const QImage& image, bool progressive, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(quality);
  writer.setProgressiveScanWrite(progressive);
  writer.write(image);
  return bytes;
}

void JpegSeeds() {
  QImage colour(16, 8, QImage::Format_RGB32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) colour.setPixel(x, y, qRgb(x * 16, y * 32, 128));
  QImage grey(9, 7, QImage::Format_Grayscale8);
  grey.fill(90);
  const QByteArray small = Jpeg(colour, false, 50);
  Seed("jpeg", "colour.jpg", small.toStdString());
  Seed("jpeg", "progressive.jpg", Jpeg(colour, true, 50).toStdString());
  Seed("jpeg", "grey.jpg", Jpeg(grey, false, 30).toStdString());
  Seed("jpeg", "cut.jpg", small.left(small.size() * 2 / 3).toStdString());
  // The same file claiming 8000 x 4000 pixels.
  QByteArray huge = small;
  const int sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
  if (sof > 0) {
    huge[sof + 5] = char(4000 >> 8);
    huge[sof + 6] = char(4000 & 0xFF);
    huge[sof + 7] = char(8000 >> 8);
    huge[sof + 8] = char(8000 & 0xFF);
  }
  Seed("jpeg", "claims-8000x4000.jpg", huge.toStdString());
}

void GridSeeds() {
  Seed("grid_text", "small.txt", "#####\n#.#.#\n#####\n#.#.#\n#####\n");
  Seed("grid_text", "letters.txt", "кот..\nи.а..\nтон..\n");
  Seed("grid_text", "bom-crlf.txt", "\xEF\xBB\xBF###\r\n#.#\r\n###\r\n");
  std::string full;
  for (int y = 0; y < 63; ++y) full += std::string(63, '#') + "\n";
  Seed("grid_text", "full-63.txt", full);
  Seed("grid_text", "too-many-rows.txt", full + "#\n");
  Seed("grid_text", "bad-character.txt", "##\n#x\n");
  Seed("grid_text", "empty.txt", "");
}

void DrawSeeds() {
  Seed("draws", "few.txt", "0 1 2 3 4 5 6 7 8 9\n");
  gx::SeededRandom random(7);
  std::string many;
  for (int i = 0; i < 300; ++i) many += std::to_string(random.Random(1000000)) + (i % 10 == 9 ? "\n" : " ");
  Seed("draws", "many.txt", many);
  Seed("draws", "largest.txt", "1844674407370955161\t0\r\n");
  Seed("draws", "too-large.txt", "18446744073709551615\n");
  Seed("draws", "not-a-number.txt", "12 x 3\n");
  Seed("draws", "empty.txt", "");
}

void ImportSeeds() {
  Seed("import", "words.txt", "КОТ Домашнее животное\nДОМ Жилище\nСЛОН Великан\n");
  Seed("import", "bom-crlf-gaps.txt", "\xEF\xBB\xBF\xD0\x9B\xD0\x95\xD0\xA1 а\r\n\r\n\r\nЯК б\r\n");
  Seed("import", "uncoded.txt", "ёж Колючий\nЁЛКА б\nКОТ а\nщёлк в\n");
  Seed("import", "uncoded-first.txt", "ёё\nЪЫЬ\nКОТ а\n");
  Seed("import", "long.txt", std::string(300, 'a') + "\n" + "ДЛИННОЕ " + std::string(150, '.') + "\n");
}

void IpuzSeeds(const fs::path& dist) {
  auto puzzle = std::make_unique<gx::Puzzle>();
  if (gx::LoadPuzzleFile(*puzzle, (dist / "data" / "1.gx").string()).status == gx::PuzzleLoadResult::Status::Loaded) {
    const std::string json = gx::WriteIpuz(*puzzle, "1.gx").json;
    Seed("ipuz", "delivered.ipuz", json);
    Seed("ipuz", "cut.ipuz", json.substr(0, json.size() / 2));
  }
  Seed("ipuz", "empty-object.ipuz", "{}");
  Seed("ipuz", "not-json.ipuz", "kind: crossword\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds REPOSITORY\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  const fs::path repository = argv[1];
  const fs::path dist = repository / "dist";
  corpus = repository / "fuzz" / "corpus";
  PuzzleSeeds(dist);
  DictionarySeeds(dist);
  SettingsSeeds(dist);
  AdvertSeeds(dist);
  JpegSeeds();
  GridSeeds();
  DrawSeeds();
  ImportSeeds();
  IpuzSeeds(dist);
  return 0;
}
