#pragma once
// Plays sound effects and films, one at a time, without waiting for the end.
//
// Usage (QtHost owns one player for the whole run):
//   gx::MediaPlayer player;
//   QObject::connect(&player, &gx::MediaPlayer::Failed, ...show the error box...);
//   if (!player.Play(path)) ...show player.LastError() in the error box...
// Play returns false at once for a file that cannot be opened: missing or unreadable, a sound
// (*.wav) on a machine without a sound device, or a file the media back end refuses while opening
// it. Errors found later, while the file decodes or plays, arrive once per Play through Failed;
// those of a file already replaced are dropped. A new Play stops whatever was playing. A film
// (any file but *.wav) plays without sound when there is no sound device; its picture shows in a
// window of its own that opens with the first frame and closes at the end, on Stop and on the
// next Play. Messages are "<file name>: <text>", in English like the run-time's other messages.

#include <QObject>
#include <QString>
#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace gx {

class FilmWindow;

class MediaPlayer : public QObject {
  Q_OBJECT

 public:
  explicit MediaPlayer(QObject* parent = nullptr);
  ~MediaPlayer() override;

  bool Play(const QString& path);
  void Stop();

  QString LastError() const { return last_error_; }
  // The last Play failed only because the machine has no sound output.
  bool NoSoundDevice() const { return no_sound_device_; }
  QString CurrentFile() const { return current_file_; }
  bool IsPlaying() const;
  // Whether a player of the media back end exists now (none before the first file that needs one).
  bool HasPlayer() const { return player_ != nullptr; }
  // The film window, once a film has been asked for (null before).
  FilmWindow* Film() const { return film_window_.get(); }

 signals:
  void Failed(const QString& message);
  void Finished();

 private:
  void OnError(const QString& text);
  void OnStatus(int status);
  void OnHasVideo(bool has_video);
  QMediaPlayer* Player();
  void Discard();
  bool AttachAudioOutput();
  void EnsureFilmWindow();
  bool Fail(const QString& text);

  QMediaPlayer* player_ = nullptr;
  QAudioOutput* audio_ = nullptr;
  std::unique_ptr<FilmWindow> film_window_;
  QString current_file_;
  QString last_error_;
  bool opening_ = false;          // inside Play: errors are returned, not signalled
  bool failure_reported_ = false;  // Failed fires once per Play
  bool no_sound_device_ = false;
};

}  // namespace gx
