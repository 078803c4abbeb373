#include "qt/QtHost.h"

#include <QApplication>
#include <QColorDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "base/FileError.h"
#include "qt/CentredPicture.h"
#include "qt/DocumentOpener.h"
#include "qtdraw/ImagePicture.h"
#include "qt/MediaPlayer.h"
#include "qt/Printing.h"
#include "qtdraw/QtCanvas.h"
#include "qt/QtText.h"
#include "qt/TerminationSignal.h"

namespace gx {

namespace {

const QString kTitle = QStringLiteral("Gridlex");

// Once the program is being ended by a signal nobody is there to click a box: what it would say
// goes to stderr, and a question gets its cautious answer.
bool SaidOnStderr(std::string_view cp1251) {
  if (!TerminationUnderway()) return false;
  std::fprintf(stderr, "gridlex: %s\n", FromCp1251(cp1251).toStdString().c_str());
  return true;
}

QString FromPath(const std::string& path) { return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())); }
std::string ToPath(const QString& path) { return path.toLocal8Bit().toStdString(); }

}  // namespace

QString QtFileFilter(std::string_view filter) {
  const QStringList parts = FromCp1251(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
  if (filters.isEmpty() && !parts.isEmpty()) filters << parts.front();
  return filters.join(QStringLiteral(";;"));
}

QtHost::QtHost(QWidget* window) : window_(window) { since_events_.start(); }

QtHost::~QtHost() = default;

void QtHost::ProcessEvents() {
  if (since_events_.elapsed() < EventIntervalMs) return;
  if (show_state_) show_state_();
  QCoreApplication::processEvents();
  since_events_.restart();
}

void QtHost::ShowCurrentState() {
  if (show_state_) show_state_();
}

void QtHost::ShowInformation(std::string_view text) {
  if (SaidOnStderr(text)) return;
  ShowCurrentState();
  QMessageBox::information(window_, kTitle, FromCp1251(text), QMessageBox::Ok);
}

bool QtHost::Confirm(std::string_view text, DefaultButton preset, const ButtonTexts& buttons) {
  if (SaidOnStderr(text)) return false;
  ShowCurrentState();
  QMessageBox box(QMessageBox::Question, kTitle, FromCp1251(text), QMessageBox::Ok | QMessageBox::Cancel, window_);
  // A button named by what it does loses the OK or Cancel icon, which would contradict its name.
  for (auto [id, name] : {std::pair{QMessageBox::Ok, &buttons.ok}, std::pair{QMessageBox::Cancel, &buttons.cancel}}) {
    if (name->empty()) continue;
    box.button(id)->setText(FromCp1251(*name));
    box.button(id)->setIcon(QIcon());
  }
  box.setDefaultButton(preset == DefaultButton::Cancel ? QMessageBox::Cancel : QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Ok;
}

void QtHost::ShowError(std::string_view text) {
  if (SaidOnStderr(text)) return;
  ShowCurrentState();
  QMessageBox::critical(window_, kTitle, FromCp1251(text), QMessageBox::Ok);
}

std::optional<std::string> QtHost::FileDialog(const FileDialogRequest& request, bool save) {
  ShowCurrentState();
  // Qt's own dialog, so that it speaks Russian with the loaded translations on every desktop.
  QFileDialog dialog(window_, FromCp1251(request.title), FromPath(request.folder), QtFileFilter(request.filter));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The program asks itself before replacing a file.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.selectFile(FromCp1251(request.proposed_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToPath(dialog.selectedFiles().front());
}

std::optional<std::string> QtHost::OpenFileDialog(const FileDialogRequest& request) { return FileDialog(request, false); }

std::optional<std::string> QtHost::SaveFileDialog(const FileDialogRequest& request) { return FileDialog(request, true); }

std::optional<Color> QtHost::ColorDialog(Color initial) {
  // Over the palette window when that asked: it stays on top and would otherwise cover the dialog.
  QWidget* parent = palette_window_ && palette_window_->isVisible() ? palette_window_.data() : window_.data();
  const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent, QString(), QColorDialog::DontUseNativeDialog);
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}

void QtHost::SetWaitCursor(bool on) {
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++wait_cursor_depth_;
  } else if (wait_cursor_depth_ > 0) {
    QApplication::restoreOverrideCursor();
    --wait_cursor_depth_;
  }
}

void QtHost::Pause(int milliseconds) {
  // The window keeps repainting, but no key or click gets through meanwhile.
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) {
    if (show_state_) show_state_();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    QThread::msleep(5);
  }
}

bool QtHost::PlayMedia(const std::string& path) {
  if (!window_shown_) {
    held_media_ = path;
    return true;
  }
  held_media_.reset();  // a newer request replaces one still waiting
  return StartMedia(path);
}

void QtHost::WindowShown() {
  if (window_shown_) return;
  window_shown_ = true;
  if (!held_media_) return;
  // Queued, so the picture just painted reaches the screen before the back end starts.
  if (!media_context_) media_context_ = std::make_unique<QObject>();
  QTimer::singleShot(0, media_context_.get(), [this] {
    if (!held_media_) return;
    const std::string path = std::move(*held_media_);
    held_media_.reset();
    StartMedia(path);
  });
}

bool QtHost::StartMedia(const std::string& path) {
  if (!player_) {
    player_ = std::make_unique<MediaPlayer>();
    QObject::connect(player_.get(), &MediaPlayer::Failed, player_.get(),
                     [this](const QString& message) { ShowError(ToCp1251(message)); });
  }
  if (player_->Play(FromPath(path))) return true;
  // A machine without a sound output plays its effects silently: the file is sound, there is
  // nothing the user could do about it, and a box at every effect (or at start) only gets in the way.
  if (player_->NoSoundDevice()) return false;
  ShowError(ToCp1251(player_->LastError()));  // the callers leave reporting to the host
  return false;
}

bool QtHost::LoadPicture(PictureControl control, const std::string& path) {
  CentredPicture* picture = control == PictureControl::RewardPicture ? reward_image_.data() : advert_image_.data();
  if (!picture) return false;
  QString error;
  if (!picture->LoadFile(FromPath(path), &error)) {
    ShowError(ToCp1251(error));
    return false;
  }
  return true;
}

void QtHost::OpenDocument(const std::string& path) { gx::OpenDocument(FromPath(path)); }

std::unique_ptr<PictureSurface> QtHost::CreatePicture(int width, int height) {
  return MakeImagePicture(width, height);
}

PrintOutcome QtHost::PrintPages(PrintDocument& document, int layout_dpi, std::string& error) {
  return PrintWithDialog(window_, document, error, layout_dpi);
}

void QtHost::SetPictureControl(PictureControl control, CentredPicture* label) {
  (control == PictureControl::RewardPicture ? reward_image_ : advert_image_) = label;
}

}  // namespace gx
