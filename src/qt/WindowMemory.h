#pragma once
// Remembers the main window's size, position and maximised state between runs in Qt's own settings
// store under the user's configuration folder. The program's gx.dat is left to the crossword settings.

#include <QObject>
#include <QSettings>
#include <memory>

class QWidget;

namespace gx {

// The store the program uses: an INI file in the user's configuration folder.
std::unique_ptr<QSettings> UserWindowSettings();

// Writes the window's normal geometry and whether it is maximised.
void SaveWindowGeometry(const QWidget& window, QSettings& store);
// Gives the window the saved size and state; a saved position that lies on no current screen is
// ignored, so the window never opens where nobody can see it. Returns whether anything was restored.
bool RestoreWindowGeometry(QWidget& window, QSettings& store);

// Saves the window's geometry into the store whenever the window is asked to close.
class WindowMemory : public QObject {
 public:
  WindowMemory(QWidget& window, std::unique_ptr<QSettings> store);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  std::unique_ptr<QSettings> store_;
};

}  // namespace gx
