#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>

#include "qt/FilmWindow.h"
#include "qt/MediaPlayer.h"

namespace {

// A short silent-ish WAV file: a RIFF header and 16-bit mono samples.
QByteArray Wave(int samples) {
  QByteArray data(samples * 2, '\0');
  for (int i = 0; i < samples; ++i) data[i * 2 + 1] = char((i / 20) % 2 ? 0x10 : 0xF0);
  auto le32 = [](quint32 v) { QByteArray b(4, '\0'); qToLittleEndian(v, b.data()); return b; };
  auto le16 = [](quint16 v) { QByteArray b(2, '\0'); qToLittleEndian(v, b.data()); return b; };
  return "RIFF" + le32(36 + data.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(8000) +
         le32(16000) + le16(2) + le16(16) + "data" + le32(data.size()) + data;
}

class MediaPlayerTest : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  static bool HasSoundDevice() { return !QMediaDevices::defaultAudioOutput().isNull(); }

  QTemporaryDir dir_;
  gx::MediaPlayer player_;
};

TEST_F(MediaPlayerTest, MissingFileFailsAtOnceWithoutALaterSignal) {
  QSignalSpy failed(&player_, &gx::MediaPlayer::Failed);
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(player_.Play(dir_.filePath("e4.wav")));
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_EQ(player_.LastError(), "e4.wav: File not found");
  EXPECT_FALSE(player_.IsPlaying());
  EXPECT_FALSE(failed.wait(300));
  EXPECT_FALSE(player_.Play(dir_.path()));  // a folder cannot be played either
}

// On a machine without a sound device an effect is reported, never played into nothing or hung on.
TEST_F(MediaPlayerTest, EffectEitherPlaysOrReportsTheMissingSoundDevice) {
  const QString path = Write("e6.wav", Wave(4000));
  QSignalSpy failed(&player_, &gx::MediaPlayer::Failed);
  QElapsedTimer clock;
  clock.start();
  const bool started = player_.Play(path);
  EXPECT_LT(clock.elapsed(), 2000);
  if (!HasSoundDevice()) {
    EXPECT_FALSE(started);
    EXPECT_EQ(player_.LastError(), "e6.wav: No sound device");
  } else {
    EXPECT_TRUE(started) << player_.LastError().toStdString();
    EXPECT_EQ(player_.CurrentFile(), path);
  }
}

// A damaged film is refused while opening or reported once, later, through Failed.
TEST_F(MediaPlayerTest, DamagedFilmIsReportedOnce) {
  const QString path = Write("film.mpg", QByteArray("this is no film at all\n").repeated(50));
  QSignalSpy failed(&player_, &gx::MediaPlayer::Failed);
  if (player_.Play(path)) {
    ASSERT_TRUE(failed.count() > 0 || failed.wait(10000)) << "no error reported for a damaged film";
    failed.wait(500);  // give any duplicate a chance to arrive
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed[0][0].toString().startsWith("film.mpg: "));
  } else {
    EXPECT_TRUE(player_.LastError().startsWith("film.mpg: "));
  }
  EXPECT_FALSE(player_.IsPlaying());
  ASSERT_NE(player_.Film(), nullptr);
  EXPECT_FALSE(player_.Film()->isVisible());
}

// Each Play replaces the one before: the player tracks only the newest file and its error.
TEST_F(MediaPlayerTest, NewPlayReplacesTheOneBefore) {
  const QString film = Write("a.mpg", QByteArray("garbage").repeated(100));
  player_.Play(film);
  EXPECT_FALSE(player_.Play(dir_.filePath("b.mpg")));
  EXPECT_EQ(player_.CurrentFile(), dir_.filePath("b.mpg"));
  EXPECT_EQ(player_.LastError(), "b.mpg: File not found");
  EXPECT_FALSE(player_.IsPlaying());
  player_.Stop();
  player_.Stop();
  EXPECT_FALSE(player_.IsPlaying());
}

TEST(FilmWindowTest, ShowsNoPictureUntilAFrameArrivesAndStartsBlack) {
  gx::FilmWindow window;
  EXPECT_TRUE(window.LastFrame().isNull());
  EXPECT_NE(window.Sink(), nullptr);
  const QImage shown = window.grab().toImage();
  EXPECT_EQ(QColor(shown.pixel(10, 10)), QColor(Qt::black));
}

}  // namespace
