#include "qt/SecondaryForms.h"

namespace gx {

TForm4::TForm4() {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("Словарь"));
  setFixedSize(238, 344);
}

TForm5::TForm5() {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("Корректировка словаря"));
  resize(480, 320);
}

}  // namespace gx
