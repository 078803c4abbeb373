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

// Writes the window's frame geometry (its outer edge, title bar included) and whether it is
// maximised, so that the next start puts the frame where this one was and the window does not
// move by the height of its title bar at every start.
void SaveWindowGeometry(const QWidget& window, QSettings& store);
// Gives the window the saved frame, size and state; a frame that lies on no current screen is
// brought onto one, so the window never opens where nobody can see it. Returns whether anything
// was restored.
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
