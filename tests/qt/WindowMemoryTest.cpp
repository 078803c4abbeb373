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

// The geometry goes through an INI store in a temporary folder, saved at close and restored on a new
// window, start after start: the frame (border and title bar included) comes back where it was and
// never lower by the height of its top edge; a frame on no screen comes back onto one; the maximised
// state carries over; an empty store changes nothing.
TEST(WindowMemory, RestoresTheFrameWhereItWas) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Gridlex.conf"));
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QRect frame;
  QSize client;
  {
    QWidget first;
    first.resize(610, 470);
    first.move(screen.topLeft() + QPoint(40, 30));
    first.show();
    frame = first.frameGeometry();
    client = first.size();
    ASSERT_NE(first.geometry().topLeft(), frame.topLeft()) << "windows have no frame here: nothing could creep";
    new WindowMemory(first, std::make_unique<QSettings>(path, QSettings::IniFormat));
    QCloseEvent close;
    QCoreApplication::sendEvent(&first, &close);
  }
  for (int start = 1; start <= 3; ++start) {
    QSettings store(path, QSettings::IniFormat);
    QWidget next;
    next.move(screen.topLeft() + QPoint(5, 5));
    EXPECT_TRUE(RestoreWindowGeometry(next, store));
    next.show();
    EXPECT_EQ(next.frameGeometry(), frame) << "start " << start;
    EXPECT_EQ(next.size(), client) << "start " << start;
    EXPECT_FALSE(next.isMaximized());
    SaveWindowGeometry(next, store);
  }
  {
    QSettings store(path, QSettings::IniFormat);
    QWidget lost;
    lost.setGeometry(QRect(-9000, -9000, 500, 400));
    SaveWindowGeometry(lost, store);
    QWidget found;
    EXPECT_TRUE(RestoreWindowGeometry(found, store));
    found.show();
    EXPECT_TRUE(screen.intersects(found.frameGeometry())) << "restored off every screen";
  }
  {
    QSettings store(path, QSettings::IniFormat);
    QWidget fourth;
    fourth.setGeometry(QRect(screen.topLeft() + QPoint(40, 30), QSize(520, 440)));
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
