#include "qt/MediaPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

#include "qt/FilmWindow.h"

namespace gx {
namespace {

// Sound effects are WAV files; without a sound device they cannot play at all. Films still show
// their picture without one.
bool IsSoundOnly(const QString& path) {
  return QFileInfo(path).suffix().compare(QStringLiteral("wav"), Qt::CaseInsensitive) == 0;
}

QString Labelled(const QString& path, const QString& text) {
  return QFileInfo(path).fileName() + QStringLiteral(": ") + text;
}

}  // namespace

MediaPlayer::MediaPlayer(QObject* parent) : QObject(parent) {}

MediaPlayer::~MediaPlayer() { Discard(); }

// Stopping or reopening a player whose file failed can take a second in some back ends, while a
// fresh player is ready at once; so every Play and Stop throws the old player away. Its late
// signals cannot reach us, and it is deleted from the event loop because we may be inside one of
// its own signals.
void MediaPlayer::Discard() {
  if (!player_) return;
  player_->disconnect(this);
  if (audio_) audio_->setMuted(true);
  player_->setVideoSink(nullptr);
  player_->deleteLater();
  player_ = nullptr;
  audio_ = nullptr;  // a child of the player
}

QMediaPlayer* MediaPlayer::Player() {
  if (player_) return player_;
  player_ = new QMediaPlayer(this);
  connect(player_, &QMediaPlayer::errorOccurred, this,
          [this](QMediaPlayer::Error, const QString& text) { OnError(text); });
  connect(player_, &QMediaPlayer::mediaStatusChanged, this,
          [this](QMediaPlayer::MediaStatus status) { OnStatus(status); });
  connect(player_, &QMediaPlayer::hasVideoChanged, this, &MediaPlayer::OnHasVideo);
  if (film_window_) player_->setVideoSink(film_window_->Sink());
  return player_;
}

bool MediaPlayer::Play(const QString& path) {
  Stop();
  current_file_ = path;
  last_error_.clear();
  failure_reported_ = false;
  no_sound_device_ = false;
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile()) return Fail(Labelled(path, QStringLiteral("File not found")));
  if (!info.isReadable()) return Fail(Labelled(path, QStringLiteral("File access denied")));
  // Some media back ends crash when handed an audio output with no device behind it, so the
  // output is attached only when a device exists.
  if (!AttachAudioOutput() && IsSoundOnly(path)) {
    no_sound_device_ = true;
    return Fail(Labelled(path, QStringLiteral("No sound device")));
  }
  if (!IsSoundOnly(path)) EnsureFilmWindow();

  opening_ = true;
  QMediaPlayer* player = Player();
  player->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
  if (last_error_.isEmpty()) player->play();
  opening_ = false;
  if (!last_error_.isEmpty()) {
    Discard();
    return false;
  }
  return true;
}

void MediaPlayer::Stop() {
  Discard();
  if (film_window_) {
    film_window_->hide();
    film_window_->ClearFrame();
  }
}

bool MediaPlayer::IsPlaying() const {
  return player_ && player_->playbackState() == QMediaPlayer::PlayingState;
}

bool MediaPlayer::Fail(const QString& text) {
  last_error_ = text;
  return false;
}

bool MediaPlayer::AttachAudioOutput() {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) {
    // Making a player starts the media back end, which can take seconds on its first start: an
    // effect that cannot be heard must not pay for it.
    if (player_) player_->setAudioOutput(nullptr);
    return false;
  }
  if (!audio_) audio_ = new QAudioOutput(Player());
  audio_->setDevice(device);
  Player()->setAudioOutput(audio_);
  return true;
}

void MediaPlayer::EnsureFilmWindow() {
  if (film_window_) return;
  film_window_ = std::make_unique<FilmWindow>();
  connect(film_window_.get(), &FilmWindow::Closed, this, &MediaPlayer::Stop);
  Player()->setVideoSink(film_window_->Sink());
}

void MediaPlayer::OnError(const QString& text) {
  const QString message = Labelled(current_file_, text.isEmpty() ? QStringLiteral("Media error") : text);
  if (opening_) {
    if (last_error_.isEmpty()) last_error_ = message;
    return;
  }
  if (failure_reported_) return;
  failure_reported_ = true;
  last_error_ = message;
  if (film_window_) film_window_->hide();
  Discard();
  emit Failed(message);
}

void MediaPlayer::OnStatus(int status) {
  if (status != QMediaPlayer::EndOfMedia) return;
  if (film_window_) film_window_->hide();
  emit Finished();
}

void MediaPlayer::OnHasVideo(bool has_video) {
  if (film_window_ && has_video) film_window_->show();
}

}  // namespace gx
