#pragma once
// Decodes JPEG pictures (the reward pictures in pic, the advertisement pictures in rek) with
// libjpeg called directly.
//
// Usage:
//   gx::JpegResult r = gx::LoadJpegFile(path);
//   if (!r.Ok()) host.ShowError(r.error);   // English run-time style text, names the file
//   else label->setPixmap(QPixmap::fromImage(r.image));
// A missing, unreadable, truncated or damaged file never crashes or aborts: it gives an empty image
// and a message. Only regular files are read. The decoded image is Format_RGB32 whatever the colour space of the file.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace gx {

struct JpegResult {
  QImage image;   // null when decoding failed
  QString error;  // empty on success
  bool Ok() const { return error.isEmpty(); }
};

// Files and pictures larger than these are refused before any memory is reserved for them. The
// program shows pictures of a few hundred pixels; the bound leaves ample room above that.
inline constexpr qint64 kMaxJpegFileBytes = 16 * 1024 * 1024;
inline constexpr qint64 kMaxJpegSide = 4096;

JpegResult LoadJpegFile(const QString& path);
// Decodes bytes already in memory; `name` only labels the error message.
JpegResult DecodeJpeg(const QByteArray& bytes, const QString& name);

}  // namespace gx
