#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdlib>

#include "qt/FilmWindow.h"
#include "qt/MediaPlayer.h"

namespace {

QByteArray Le32(quint32 v) {
  QByteArray b(4, '\0');
  qToLittleEndian(v, b.data());
  return b;
}

QByteArray Le16(quint16 v) {
  QByteArray b(2, '\0');
  qToLittleEndian(v, b.data());
  return b;
}

QByteArray Chunk(const char* id, const QByteArray& body) {
  QByteArray chunk = id + Le32(body.size()) + body;
  if (body.size() % 2) chunk += '\0';
  return chunk;
}

// A short motion-JPEG film in an AVI file: the simplest film the stock media back end decodes.
QByteArray Film(int width, int height, int frames, QRgb colour) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(colour);
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "JPG", 90);
  QByteArray movi = "movi", index;
  for (int i = 0; i < frames; ++i) {
    index += "00dc" + Le32(0x10) + Le32(movi.size()) + Le32(jpeg.size());
    movi += Chunk("00dc", jpeg);
  }
  const QByteArray avih = Le32(100000) + Le32(0) + Le32(0) + Le32(0x10) + Le32(frames) + Le32(0) + Le32(1) +
                          Le32(jpeg.size()) + Le32(width) + Le32(height) + QByteArray(16, '\0');
  const QByteArray strh = QByteArray("vidsMJPG") + Le32(0) + Le16(0) + Le16(0) + Le32(0) + Le32(1) + Le32(10) +
                          Le32(0) + Le32(frames) + Le32(jpeg.size()) + Le32(0xFFFFFFFF) + Le32(0) + Le16(0) +
                          Le16(0) + Le16(width) + Le16(height);
  const QByteArray strf = Le32(40) + Le32(width) + Le32(height) + Le16(1) + Le16(24) + "MJPG" +
                          Le32(width * height * 3) + Le32(0) + Le32(0) + Le32(0) + Le32(0);
  const QByteArray strl = Chunk("LIST", "strl" + Chunk("strh", strh) + Chunk("strf", strf));
  const QByteArray hdrl = Chunk("LIST", "hdrl" + Chunk("avih", avih) + strl);
  return Chunk("RIFF", "AVI " + hdrl + Chunk("LIST", movi) + Chunk("idx1", index));
}

// A short silent-ish WAV file: a RIFF header and 16-bit mono samples.
QByteArray Wave(int samples) {
  QByteArray data(samples * 2, '\0');
  for (int i = 0; i < samples; ++i) data[i * 2 + 1] = char((i / 20) % 2 ? 0x10 : 0xF0);
  return "RIFF" + Le32(36 + data.size()) + "WAVEfmt " + Le32(16) + Le16(1) + Le16(1) + Le32(8000) + Le32(16000) +
         Le16(2) + Le16(16) + "data" + Le32(data.size()) + data;
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

// Only a hang is a failure here: a loaded or sanitized test machine may take seconds to probe
// the sound system, so these bounds say nothing about speed.
constexpr qint64 kNeverHangs = 8000;

TEST_F(MediaPlayerTest, MissingFileFailsAtOnceWithoutALaterSignal) {
  QSignalSpy failed(&player_, &gx::MediaPlayer::Failed);
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(player_.Play(dir_.filePath("e4.wav")));
  EXPECT_LT(clock.elapsed(), kNeverHangs);
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
  EXPECT_LT(clock.elapsed(), kNeverHangs);
  if (!HasSoundDevice()) {
    EXPECT_FALSE(started);
    EXPECT_EQ(player_.LastError(), "e6.wav: No sound device");
    EXPECT_FALSE(player_.HasPlayer());  // the media back end was not started for nothing
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

// Each Play replaces the one before: the player tracks only the newest file, an error the old file
// raises later is not reported, and replacing a failing file does not stall.
TEST_F(MediaPlayerTest, NewPlayReplacesTheOneBeforeAtOnce) {
  const QString film = Write("a.mpg", QByteArray("garbage").repeated(100));
  QSignalSpy failed(&player_, &gx::MediaPlayer::Failed);
  QElapsedTimer clock;
  for (int i = 0; i < 3; ++i) {
    clock.start();
    player_.Play(film);
    EXPECT_FALSE(player_.Play(dir_.filePath("b.mpg")));
    EXPECT_LT(clock.elapsed(), kNeverHangs);
  }
  EXPECT_EQ(player_.CurrentFile(), dir_.filePath("b.mpg"));
  EXPECT_EQ(player_.LastError(), "b.mpg: File not found");
  EXPECT_FALSE(failed.wait(1500));
  EXPECT_FALSE(player_.IsPlaying());
  player_.Stop();
  player_.Stop();
  EXPECT_FALSE(player_.IsPlaying());
}

// Waits until the film window shows a frame of about the given red level, or an error arrives.
bool WaitForFrame(gx::MediaPlayer& player, QSignalSpy& failed, int red) {
  QElapsedTimer clock;
  clock.start();
  while (failed.isEmpty() && clock.elapsed() < 10000) {
    const QImage frame = player.Film()->LastFrame();
    if (!frame.isNull() && std::abs(qRed(frame.pixel(frame.width() / 2, frame.height() / 2)) - red) < 20) return true;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  return false;
}

TEST_F(MediaPlayerTest, FilmShowsItsFramesInItsWindowAndANewFilmReplacesIt) {
  const QString red = Write("red.avi", Film(64, 48, 30, qRgb(200, 30, 30)));
  const QString dark = Write("dark.avi", Film(64, 48, 10, qRgb(40, 30, 160)));
  QSignalSpy failed(&player_, &gx::MediaPlayer::Failed);
  QSignalSpy finished(&player_, &gx::MediaPlayer::Finished);
  ASSERT_TRUE(player_.Play(red)) << player_.LastError().toStdString();
  ASSERT_NE(player_.Film(), nullptr);
  const bool shown = WaitForFrame(player_, failed, 200);
  if (!failed.isEmpty() && failed[0][0].toString().contains("plug-in"))
    GTEST_SKIP() << "the media back end lacks a decoder: " << failed[0][0].toString().toStdString();
  ASSERT_TRUE(failed.isEmpty()) << failed[0][0].toString().toStdString();
  ASSERT_TRUE(shown);
  EXPECT_TRUE(player_.Film()->isVisible());
  EXPECT_TRUE(player_.IsPlaying());

  ASSERT_TRUE(player_.Play(dark));  // the red film has 3 s left
  EXPECT_TRUE(WaitForFrame(player_, failed, 40));
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_EQ(finished.count(), 1);  // the end of the dark film only
  EXPECT_FALSE(player_.Film()->isVisible());
  EXPECT_TRUE(failed.isEmpty());

  // Closing the window by its close box ends the film.
  ASSERT_TRUE(player_.Play(red));
  ASSERT_TRUE(WaitForFrame(player_, failed, 200));
  player_.Film()->close();
  EXPECT_FALSE(player_.IsPlaying());
  EXPECT_FALSE(player_.Film()->isVisible());
}

}  // namespace
