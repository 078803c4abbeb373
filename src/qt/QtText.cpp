#include "qt/QtText.h"

#include "base/Cp1251.h"

namespace gx {

QString FromCp1251(std::string_view bytes) {
  const std::string utf8 = Cp1251ToUtf8(bytes);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToCp1251(const QString& text, char lacking) {
  const QByteArray utf8 = text.toUtf8();
  return Utf8ToCp1251(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), lacking);
}

}  // namespace gx
