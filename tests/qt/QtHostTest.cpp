#include "qt/QtHost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QAbstractButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QtEndian>
#include <gtest/gtest.h>

#include "base/Cp1251.h"
#include "qt/MediaPlayer.h"
#include "qt/QtText.h"

namespace gx {
namespace {

TEST(QtHostEvents, EventsAreProcessedAtMostEveryFifteenMilliseconds) {
  QWidget window;
  QtHost host(&window);
  int shown = 0;
  host.SetBeforeEvents([&shown] { ++shown; });
  QThread::msleep(QtHost::EventIntervalMs + 5);
  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < 10000; ++i) host.ProcessEvents();
  // A fill polling per entry pays for one real processing per interval only, however slow the
  // machine running the test is.
  EXPECT_GE(shown, 1);
  EXPECT_LE(shown, 1 + clock.elapsed() / QtHost::EventIntervalMs);
  const int before = shown;
  QThread::msleep(QtHost::EventIntervalMs + 5);
  host.ProcessEvents();
  EXPECT_EQ(shown, before + 1);
}

// Closes the modal box as soon as it is up, noting how often the window state had been shown by then.
void AnswerBoxNoting(const int& shown, int& shown_while_open) {
  QTimer::singleShot(0, [&shown, &shown_while_open] {
    shown_while_open = shown;
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
}

TEST(QtHostDialogs, TheWindowShowsTheCommandsStateBeforeABoxOpens) {
  QWidget window;
  QtHost host(&window);
  int shown = 0;
  host.SetBeforeEvents([&shown] { ++shown; });
  int shown_while_open = -1;
  AnswerBoxNoting(shown, shown_while_open);
  host.ShowError("e4.wav: No sound device");
  EXPECT_EQ(shown_while_open, 1);
  AnswerBoxNoting(shown, shown_while_open);
  host.ShowInformation("x");
  EXPECT_EQ(shown_while_open, 2);
  AnswerBoxNoting(shown, shown_while_open);
  EXPECT_FALSE(host.Confirm("x", DefaultButton::Ok));
  EXPECT_EQ(shown_while_open, 3);
  FileDialogRequest request;
  request.filter = "*.gx|*.gx";
  AnswerBoxNoting(shown, shown_while_open);
  EXPECT_FALSE(host.OpenFileDialog(request).has_value());
  EXPECT_EQ(shown_while_open, 4);
}

TEST(QtHostDialogs, EnterAnswersAQuestionWithItsDefaultButton) {
  QWidget window;
  QtHost host(&window);
  for (DefaultButton preset : {DefaultButton::Cancel, DefaultButton::Ok}) {
    QTimer::singleShot(0, [] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(host.Confirm(Utf8ToCp1251("Файл 1.gx уже есть. Переписать?"), preset), preset == DefaultButton::Ok);
  }
}

// A question whose buttons say what they do shows those names; Escape answers Cancel, whatever the
// default button.
TEST(QtHostDialogs, NamedButtonsAndEscape) {
  QWidget window;
  QtHost host(&window);
  QStringList names;
  QTimer::singleShot(0, [&names] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    for (QAbstractButton* button : box->buttons()) names << button->text();
    QTest::keyClick(box, Qt::Key_Escape);
  });
  const ButtonTexts buttons{Utf8ToCp1251("Построить новый"), Utf8ToCp1251("Оставить сетку")};
  EXPECT_FALSE(host.Confirm("x", DefaultButton::Ok, buttons));
  names.sort();
  EXPECT_EQ(names, (QStringList{QStringLiteral("Оставить сетку"), QStringLiteral("Построить новый")}));
}

// The load at start-up plays its sound before the window exists; starting the media back end for it
// then held the first window for seconds.
TEST(QtHostMedia, MediaWaitsForTheFirstPictureOfTheWindow) {
  QTemporaryDir dir;
  const std::string first = (dir.path() + "/e1.wav").toStdString();
  const std::string last = (dir.path() + "/e4.wav").toStdString();
  for (const std::string& path : {first, last}) {
    // A tenth of a second of silence: 8 kHz, 8 bits, mono.
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray silence(800, char(0x80));
    QByteArray header("RIFF....WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0data....", 44);
    qToLittleEndian<quint32>(36 + silence.size(), header.data() + 4);
    qToLittleEndian<quint32>(silence.size(), header.data() + 40);
    file.write(header + silence);
  }
  QWidget window;
  QtHost host(&window);
  EXPECT_TRUE(host.PlayMedia(first));
  EXPECT_TRUE(host.PlayMedia(last));  // a later sound cuts an earlier one short
  EXPECT_EQ(host.Player(), nullptr);
  host.WindowShown();
  EXPECT_EQ(host.Player(), nullptr);  // not before the picture has reached the screen
  QApplication::processEvents();
  ASSERT_NE(host.Player(), nullptr);
  EXPECT_EQ(host.Player()->CurrentFile().toStdString(), last);
  host.PlayMedia(first);  // from now on at once
  EXPECT_EQ(host.Player()->CurrentFile().toStdString(), first);
}

TEST(QtHostDialogs, FiltersBecomeQtFilters) {
  EXPECT_EQ(QtFileFilter("*.gx|*.gx"), QStringLiteral("*.gx (*.gx)"));
  EXPECT_EQ(QtFileFilter(Utf8ToCp1251("Словари|*.dct|Все|*.*")), QStringLiteral("Словари (*.dct);;Все (*.*)"));
  EXPECT_EQ(QtFileFilter("*.gx"), QStringLiteral("*.gx"));
}

TEST(QtText, RussianTextsCrossTheEdgeBothWays) {
  const std::string bytes = Utf8ToCp1251("Нет файла 0.gx");
  EXPECT_EQ(FromCp1251(bytes), QStringLiteral("Нет файла 0.gx"));
  EXPECT_EQ(ToCp1251(QStringLiteral("Ёж и ёлка")), Utf8ToCp1251("Ёж и ёлка"));
  EXPECT_EQ(ToCp1251(QStringLiteral("日")), "?");
}

}  // namespace
}  // namespace gx

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "qt/Application.h"

namespace gx {
namespace {

TEST(Translations, QtsOwnButtonsSpeakRussian) {
  ASSERT_TRUE(InstallRussianTranslations());
  QMessageBox box(QMessageBox::Question, QStringLiteral("Gridlex"), QStringLiteral("?"),
                  QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Отмена"));
}

}  // namespace
}  // namespace gx
