#include "qt/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <filesystem>

#include "qt/AdvertWindow.h"
#include "qt/MainWindow.h"
#include "qt/SecondaryForms.h"
#include "qt/WindowMemory.h"

namespace gx {

bool InstallRussianTranslations() {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  bool any = false;
  for (const char* name : {"qtbase_ru", "qt_ru", "qtmultimedia_ru"}) {
    auto* translator = new QTranslator(qApp);
    if (translator->load(QString::fromLatin1(name), folder)) {
      QCoreApplication::installTranslator(translator);
      any = true;
    } else {
      delete translator;
    }
  }
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  return any;
}

int RunProgram(int argc, char** argv) {
  QApplication app(argc, argv);  // the arguments go to Qt only; the program reads none
  // The folder the program starts in holds all its data; it stays the current one.
  std::error_code ignored;
  std::filesystem::current_path(std::filesystem::current_path(ignored), ignored);
  QApplication::setApplicationName(QStringLiteral("Gridlex"));
  InstallRussianTranslations();

  TForm1 form1;  // its creation reads the settings and loads the last puzzle
  TForm2 form2;
  auto* form3 = new AdvertWindow(&form1);  // stays above the main window
  TForm4 form4;
  TForm5 form5;
  form1.SetAdvertWindow(form3);
  form1.SetPaletteWindow(&form2);
  form1.SetDictionaryWindows(&form4, &form5);
  RestoreWindowGeometry(form1, *UserWindowSettings());
  new WindowMemory(form1, UserWindowSettings());  // owned by the window
  form1.show();
  return app.exec();
}

}  // namespace gx
