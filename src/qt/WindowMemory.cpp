#include "qt/WindowMemory.h"

#include <QByteArray>
#include <QEvent>
#include <QWidget>

namespace gx {

namespace {

const QString FrameKey = QStringLiteral("MainWindow/frame");
// Earlier builds kept the client area's rectangle here, which the next start took for the frame's.
const QString ClientAreaKey = QStringLiteral("MainWindow/geometry");
const QString MaximizedKey = QStringLiteral("MainWindow/maximized");

}  // namespace

std::unique_ptr<QSettings> UserWindowSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Gridlex"),
                                     QStringLiteral("Gridlex"));
}

void SaveWindowGeometry(const QWidget& window, QSettings& store) {
  store.setValue(FrameKey, window.saveGeometry());
  store.remove(ClientAreaKey);
  store.remove(MaximizedKey);
  store.sync();
}

bool RestoreWindowGeometry(QWidget& window, QSettings& store) {
  const QByteArray saved = store.value(FrameKey).toByteArray();
  return !saved.isEmpty() && window.restoreGeometry(saved);
}

WindowMemory::WindowMemory(QWidget& window, std::unique_ptr<QSettings> store)
    : QObject(&window), window_(window), store_(std::move(store)) {
  window_.installEventFilter(this);
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event) {
  // Saved at every request to close, also one the user then cancels: the geometry is right either way.
  if (watched == &window_ && event->type() == QEvent::Close) SaveWindowGeometry(window_, *store_);
  return QObject::eventFilter(watched, event);
}

}  // namespace gx
