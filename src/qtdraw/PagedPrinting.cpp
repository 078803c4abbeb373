#include "qtdraw/PagedPrinting.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "base/FileError.h"
#include "qtdraw/QtCanvas.h"

namespace gx {

namespace {

// The run-time's "device write fault": the printing system refused the job.
constexpr int PrinterFault = 160;

PrintOutcome Fault(std::string& error) {
  error = FileError(PrinterFault).Text();
  return PrintOutcome::Failed;
}

}  // namespace

PrintOutcome PrintOnDevice(QPagedPaintDevice& device, int device_dpi, PrintDocument& document, std::string& error,
                           int layout_dpi) {
  QPainter painter;
  if (!painter.begin(&device)) return Fault(error);
  double scale = 1.0;
  if (layout_dpi > 0 && device_dpi > 0 && device_dpi != layout_dpi) {
    scale = static_cast<double>(device_dpi) / layout_dpi;
    painter.scale(scale, scale);
  }
  // The painter's origin is the corner of the printable area.
  const QRect area = device.pageLayout().paintRectPixels(device_dpi);
  // Texts are measured on the canvas they are drawn on, so that the lines are broken as they print.
  QtCanvas canvas(&painter);
  const int pages =
      document.Paginate(static_cast<int>(area.width() / scale), static_cast<int>(area.height() / scale), canvas);
  for (int page = 0; page < pages; ++page) {
    if (page > 0 && !device.newPage()) {
      painter.end();
      return Fault(error);
    }
    document.DrawPage(page, canvas);
  }
  if (!painter.end()) return Fault(error);
  return PrintOutcome::Printed;
}

}  // namespace gx
