#include "qt/DocumentOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace gx {

bool OpenDocument(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isFile()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

}  // namespace gx
