#include "qt/WindowMemory.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace gx {
namespace {

// Geometry goes through an INI store in a temporary folder: saved at close, restored on a new window,
// a position on no screen dropped while the size is kept, the maximised state carried over.
TEST(WindowMemory, RestoresSizePositionAndStateFromTheStore) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Gridlex.conf"));
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QPoint on_screen = screen.topLeft() + QPoint(40, 30);
  {
    QWidget first;
    first.setGeometry(QRect(on_screen, QSize(610, 470)));
    new WindowMemory(first, std::make_unique<QSettings>(path, QSettings::IniFormat));
    QCloseEvent close;
    QCoreApplication::sendEvent(&first, &close);
  }
  {
    QSettings store(path, QSettings::IniFormat);
    QWidget second;
    second.move(screen.topLeft() + QPoint(5, 5));
    EXPECT_TRUE(RestoreWindowGeometry(second, store));
    EXPECT_EQ(second.geometry(), QRect(on_screen, QSize(610, 470)));
    EXPECT_FALSE(second.isMaximized());
  }
  {
    QSettings store(path, QSettings::IniFormat);
    store.setValue(QStringLiteral("MainWindow/geometry"), QRect(-9000, -9000, 500, 400));
    QWidget third;
    const QPoint before = screen.topLeft() + QPoint(7, 9);
    third.move(before);
    EXPECT_TRUE(RestoreWindowGeometry(third, store));
    EXPECT_EQ(third.pos(), before);
    EXPECT_EQ(third.size(), QSize(500, 400));
  }
  {
    QSettings store(path, QSettings::IniFormat);
    QWidget fourth;
    fourth.setGeometry(QRect(on_screen, QSize(520, 440)));
    fourth.show();
    fourth.setWindowState(Qt::WindowMaximized);
    SaveWindowGeometry(fourth, store);
    QWidget fifth;
    EXPECT_TRUE(RestoreWindowGeometry(fifth, store));
    EXPECT_TRUE(fifth.isMaximized());
  }
  QSettings empty(dir.filePath(QStringLiteral("none.conf")), QSettings::IniFormat);
  QWidget untouched;
  untouched.resize(300, 200);
  EXPECT_FALSE(RestoreWindowGeometry(untouched, empty));
  EXPECT_EQ(untouched.size(), QSize(300, 200));
}

}  // namespace
}  // namespace gx
