#pragma once
// The four windows created hidden after the main window: the colour palette (TForm2, in PaletteWindow.h), the
// advertisement window (TForm3, in AdvertWindow.h), the dictionary statistics (TForm4) and the dictionary editor
// (TForm5). Their contents come with the commands that show them.

#include <QWidget>

#include "qt/PaletteWindow.h"  // TForm2

namespace gx {

class TForm4 : public QWidget {
 public:
  TForm4();
};

class TForm5 : public QWidget {
 public:
  TForm5();
};

}  // namespace gx
