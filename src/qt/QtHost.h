#pragma once
// The window-system door over Qt 6 Widgets. Texts arrive as Windows-1251 bytes; paths are the
// file system's own bytes and pass through unchanged.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <functional>

#include "base/Host.h"

class QWidget;

namespace gx {

class CentredPicture;
class MediaPlayer;

class QtHost : public Host {
 public:
  explicit QtHost(QWidget* window);
  ~QtHost() override;

  // Real event processing happens at most every ~15 ms, so a fill that calls this per entry
  // tried still runs at full speed while the window repaints and the stop keys get through.
  void ProcessEvents() override;
  // Runs before each real event processing: the window shows the state the logic has written.
  void SetBeforeEvents(std::function<void()> show_state) { show_state_ = std::move(show_state); }

  void ShowInformation(std::string_view text) override;
  using Host::Confirm;
  bool Confirm(std::string_view text, DefaultButton preset, const ButtonTexts& buttons) override;
  void ShowError(std::string_view text) override;

  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
  std::optional<Color> ColorDialog(Color initial) override;

  void SetWaitCursor(bool on) override;
  void Pause(int milliseconds) override;

  // Before the window has shown its first picture a request is only noted (the last one wins, as a
  // later sound cuts an earlier one short) and played once it has: starting the media back end
  // and probing the sound service can take seconds, and must not hold the first window.
  bool PlayMedia(const std::string& path) override;
  // The window has painted its first picture: media asked for until now may start.
  void WindowShown();
  // The media player, once something was played (null before).
  const MediaPlayer* Player() const { return player_.get(); }
  bool LoadPicture(PictureControl control, const std::string& path) override;
  void OpenDocument(const std::string& path) override;
  std::unique_ptr<PictureSurface> CreatePicture(int width, int height) override;
  PrintOutcome PrintPages(PrintDocument& document, int layout_dpi, std::string& error) override;

  // The picture controls LoadPicture fills.
  void SetPictureControl(PictureControl control, CentredPicture* picture);
  // The palette window: the colour dialog opens over it while it shows.
  void SetPaletteWindow(QWidget* form) { palette_window_ = form; }

  static constexpr int EventIntervalMs = 15;

 private:
  std::optional<std::string> FileDialog(const FileDialogRequest& request, bool save);
  // A modal box runs its own event loop: the window under it must already show what the
  // command has done so far (caption, progress bar, board), not the picture of before.
  void ShowCurrentState();
  bool StartMedia(const std::string& path);

  QPointer<QWidget> window_;
  QPointer<CentredPicture> reward_image_;
  QPointer<CentredPicture> advert_image_;
  QPointer<QWidget> palette_window_;
  QElapsedTimer since_events_;
  std::function<void()> show_state_;
  std::unique_ptr<MediaPlayer> player_;
  bool window_shown_ = false;
  std::optional<std::string> held_media_;
  // Owns the queued start of held media, so that it dies with the host.
  std::unique_ptr<QObject> media_context_;
  int wait_cursor_depth_ = 0;
};

// "Name|pattern|Name|pattern" as Qt's file dialogs want it: "Name (pattern);;Name (pattern)".
QString QtFileFilter(std::string_view filter);

}  // namespace gx
