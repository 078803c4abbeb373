#include "qt/QtHost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>

#include "files/Cp1251.h"
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

// The load at start-up plays its sound before the window exists; starting the media back end for it
// then held the first window for seconds.
TEST(QtHostMedia, MediaWaitsForTheFirstPictureOfTheWindow) {
  const std::filesystem::path sounds =
      std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "dist" / "snd";
  const std::string first = (sounds / "e1.wav").string();
  const std::string last = (sounds / "e4.wav").string();
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
