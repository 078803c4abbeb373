#include "qt/Printing.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "base/FileError.h"
#include "qt/QtCanvas.h"

namespace gx {

namespace {

// The run-time's "device write fault": the printing system refused the job.
constexpr int PrinterFault = 160;

PrintOutcome Fault(std::string& error) {
  error = FileError(PrinterFault).Text();
  return PrintOutcome::Failed;
}

}  // namespace

PrintOutcome PrintOnPrinter(QPrinter& printer, PrintDocument& document, std::string& error, int layout_dpi) {
  QPainter painter;
  if (!painter.begin(&printer)) return Fault(error);
  double scale = 1.0;
  if (layout_dpi > 0 && printer.resolution() != layout_dpi) {
    scale = static_cast<double>(printer.resolution()) / layout_dpi;
    painter.scale(scale, scale);
  }
  // The painter's origin is the corner of the printable area.
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  const int pages = document.Paginate(static_cast<int>(area.width() / scale), static_cast<int>(area.height() / scale));
  QtCanvas canvas(&painter);
  for (int page = 0; page < pages; ++page) {
    if (page > 0 && !printer.newPage()) {
      painter.end();
      return Fault(error);
    }
    document.DrawPage(page, canvas);
  }
  if (!painter.end()) return Fault(error);
  return PrintOutcome::Printed;
}

PrintOutcome PrintWithDialog(QWidget* parent, PrintDocument& document, std::string& error, int layout_dpi) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
  return PrintOnPrinter(printer, document, error, layout_dpi);
}

}  // namespace gx
