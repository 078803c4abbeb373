#include "qt/JpegLoader.h"

#include <QFile>
#include <QFileInfo>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace gx {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; we jump back to the
// decoding step that set the jump point. Warnings (corrupt data, a file that ends too early) let
// libjpeg carry on with made-up data, so we count them and refuse the picture afterwards.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  int warnings;
  char message[JMSG_LENGTH_MAX];
};

ErrorManager* ManagerOf(j_common_ptr cinfo) { return reinterpret_cast<ErrorManager*>(cinfo->err); }

[[noreturn]] void OnFatalError(j_common_ptr cinfo) {
  ErrorManager* manager = ManagerOf(cinfo);
  cinfo->err->format_message(cinfo, manager->message);
  std::longjmp(manager->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;  // trace messages
  ErrorManager* manager = ManagerOf(cinfo);
  if (manager->warnings++ == 0) cinfo->err->format_message(cinfo, manager->message);
}

struct Decoder {
  jpeg_decompress_struct cinfo;
  ErrorManager errors;
};

// Each step that calls libjpeg sets its own jump point and holds no objects with destructors, so a
// jump out of libjpeg skips nothing that needs cleaning up.
bool Create(Decoder& d) {
  if (setjmp(d.errors.jump)) return false;
  jpeg_create_decompress(&d.cinfo);
  return true;
}

bool ReadHeader(Decoder& d, const QByteArray& bytes) {
  if (setjmp(d.errors.jump)) return false;
  jpeg_mem_src(&d.cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&d.cinfo, TRUE);
  switch (d.cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE: d.cinfo.out_color_space = JCS_GRAYSCALE; break;
    case JCS_CMYK:
    case JCS_YCCK: d.cinfo.out_color_space = JCS_CMYK; break;
    default: d.cinfo.out_color_space = JCS_RGB; break;
  }
  jpeg_calc_output_dimensions(&d.cinfo);
  return true;
}

bool ReadPixels(Decoder& d, QImage* target) {
  if (setjmp(d.errors.jump)) return false;
  jpeg_start_decompress(&d.cinfo);
  while (d.cinfo.output_scanline < d.cinfo.output_height) {
    JSAMPROW row = target->scanLine(static_cast<int>(d.cinfo.output_scanline));
    jpeg_read_scanlines(&d.cinfo, &row, 1);
  }
  jpeg_finish_decompress(&d.cinfo);
  return true;
}

QImage::Format RawFormatFor(J_COLOR_SPACE space) {
  switch (space) {
    case JCS_GRAYSCALE: return QImage::Format_Grayscale8;
    case JCS_CMYK: return QImage::Format_RGBA8888;  // four raw ink bytes per pixel, converted below
    default: return QImage::Format_RGB888;
  }
}

// Files written by common imaging software store CMYK inverted and say so in an Adobe marker.
QImage CmykToRgb(const QImage& raw, bool inverted) {
  QImage rgb(raw.size(), QImage::Format_RGB32);
  for (int y = 0; y < raw.height(); ++y) {
    const uchar* in = raw.constScanLine(y);
    auto* out = reinterpret_cast<QRgb*>(rgb.scanLine(y));
    for (int x = 0; x < raw.width(); ++x, in += 4) {
      int c = in[0], m = in[1], yellow = in[2], k = in[3];
      if (!inverted) c = 255 - c, m = 255 - m, yellow = 255 - yellow, k = 255 - k;
      out[x] = qRgb(c * k / 255, m * k / 255, yellow * k / 255);
    }
  }
  return rgb;
}

QString Failure(const QString& name, const QString& text) { return name + QStringLiteral(": ") + text; }

JpegResult DecodeWith(Decoder& d, const QByteArray& bytes, const QString& name) {
  JpegResult result;
  if (!ReadHeader(d, bytes)) {
    result.error = Failure(name, QString::fromLocal8Bit(d.errors.message));
    return result;
  }
  const qint64 width = d.cinfo.output_width, height = d.cinfo.output_height;
  if (width <= 0 || height <= 0 || width > kMaxJpegSide || height > kMaxJpegSide) {
    result.error = Failure(name, QStringLiteral("Picture too large (%1 x %2)").arg(width).arg(height));
    return result;
  }
  QImage raw(static_cast<int>(width), static_cast<int>(height), RawFormatFor(d.cinfo.out_color_space));
  if (raw.isNull()) {
    result.error = Failure(name, QStringLiteral("Not enough memory for the picture"));
    return result;
  }
  if (!ReadPixels(d, &raw)) {
    result.error = Failure(name, QString::fromLocal8Bit(d.errors.message));
    return result;
  }
  if (d.errors.warnings > 0) {
    result.error = Failure(name, QString::fromLocal8Bit(d.errors.message));
    return result;
  }
  result.image = d.cinfo.out_color_space == JCS_CMYK ? CmykToRgb(raw, d.cinfo.saw_Adobe_marker)
                                                      : raw.convertToFormat(QImage::Format_RGB32);
  return result;
}

}  // namespace

JpegResult DecodeJpeg(const QByteArray& bytes, const QString& name) {
  if (bytes.isEmpty()) return {QImage(), Failure(name, QStringLiteral("Empty file"))};
  Decoder d;
  std::memset(&d, 0, sizeof d);
  d.cinfo.err = jpeg_std_error(&d.errors.base);
  d.errors.base.error_exit = OnFatalError;
  d.errors.base.emit_message = OnMessage;
  if (!Create(d)) return {QImage(), Failure(name, QString::fromLocal8Bit(d.errors.message))};
  JpegResult result = DecodeWith(d, bytes, name);
  jpeg_destroy_decompress(&d.cinfo);
  return result;
}

JpegResult LoadJpegFile(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  QFile file(path);
  if (!file.exists()) return {QImage(), Failure(name, QStringLiteral("File not found"))};
  // A device or a pipe could be read for ever.
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.isSequential()) {
    return {QImage(), Failure(name, QStringLiteral("File access denied"))};
  }
  if (file.size() > kMaxJpegFileBytes) return {QImage(), Failure(name, QStringLiteral("File too large"))};
  const QByteArray bytes = file.readAll();
  if (bytes.size() != file.size()) return {QImage(), Failure(name, QStringLiteral("Read beyond end of file"))};
  return DecodeJpeg(bytes, name);
}

}  // namespace gx
