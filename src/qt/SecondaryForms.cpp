#include "qt/SecondaryForms.h"

namespace gx {

TForm2::TForm2() {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Цветовая палитра"));
  resize(420, 300);
}

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
