// The drawn outputs with Qt: fonts from an off-screen GUI application made only when a drawing is
// asked for, the exported picture drawn on the window's own off-screen image, and the printed
// pages drawn by the window's print path on a PDF writer.

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <memory>

#include "base/Cp1251.h"
#include "cli/CliDrawn.h"
#include "cli/CliSupport.h"
#include "qtdraw/ImagePicture.h"
#include "qtdraw/PagedPrinting.h"
#include "files/GifWriter.h"
#include "output/HtmlExport.h"

namespace gx::cli {

namespace {

// The margins of the PDF file the window's print dialog offers when no printer is installed.
const QMarginsF kPdfMargins(10, 10, 10, 10);

// Qt's own notices (missing runtime folders and the like) are no business of the batch tool's.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) WarnUtf8Line("gridlex-cli: " + message.toStdString());
}

// The application that gives the fonts, off-screen whatever display there is, so that pictures
// and pages come out the same everywhere.
void EnsureFonts() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "gridlex-cli";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietMessages);
  static const auto application = std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

std::string PictureGif(Puzzle& puzzle, const Palette& palette, int side) {
  EnsureFonts();
  std::unique_ptr<PictureSurface> picture = MakeImagePicture(side, side);
  if (!picture) throw CommandFailure{ExitIoError, "no picture of " + std::to_string(side) + " pixels could be made"};
  DrawExportPicture(puzzle, palette, picture->GetCanvas(), side, side);
  std::string bytes;
  if (!EncodeGif(side, side, [&picture](int x, int y) { return picture->Pixel(x, y); }, bytes)) {
    throw CommandFailure{ExitIoError, "the picture could not be encoded"};
  }
  return bytes;
}

std::string PrintedPdf(PrintDocument& document, const std::string& title) {
  EnsureFonts();
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  std::string error;
  {
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Gridlex"));
    writer.setTitle(QString::fromStdString(Cp1251ToUtf8(title)));
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPdfMargins, QPageLayout::Point));
    if (PrintOnDevice(writer, kPdfDpi, document, error, kPdfDpi) != PrintOutcome::Printed) {
      throw CommandFailure{ExitIoError, "the PDF could not be made: " + error};
    }
  }
  return buffer.data().toStdString();
}

}  // namespace gx::cli
