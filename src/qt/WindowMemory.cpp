#include "qt/WindowMemory.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace gx {

namespace {

const QString GeometryKey = QStringLiteral("MainWindow/geometry");
const QString MaximizedKey = QStringLiteral("MainWindow/maximized");

// A window whose top strip (where its title bar is grabbed) shows on some screen can be reached.
bool ReachableOnSomeScreen(const QRect& rect) {
  const QRect top_strip(rect.left(), rect.top(), rect.width(), std::min(rect.height(), 24));
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect shown = screen->availableGeometry().intersected(top_strip);
    if (shown.width() >= 32 && shown.height() >= 8) return true;
  }
  return false;
}

}  // namespace

std::unique_ptr<QSettings> UserWindowSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Gridlex"),
                                     QStringLiteral("Gridlex"));
}

void SaveWindowGeometry(const QWidget& window, QSettings& store) {
  const bool maximized = window.isMaximized();
  store.setValue(GeometryKey, maximized ? window.normalGeometry() : window.geometry());
  store.setValue(MaximizedKey, maximized);
  store.sync();
}

bool RestoreWindowGeometry(QWidget& window, QSettings& store) {
  const QRect saved = store.value(GeometryKey).toRect();
  if (!saved.isValid()) return false;
  const QSize size = saved.size().expandedTo(window.minimumSize()).boundedTo(window.maximumSize());
  window.resize(size);
  if (ReachableOnSomeScreen(QRect(saved.topLeft(), size))) window.move(saved.topLeft());
  if (store.value(MaximizedKey).toBool()) window.setWindowState(window.windowState() | Qt::WindowMaximized);
  return true;
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
