#include "qt/Printing.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "files/FileError.h"
#include "qt/QtCanvas.h"

namespace gx {

namespace {

// The run-time's "device write fault": the printing system refused the job.
constexpr int PrinterFault = 160;

}  // namespace

PrintOutcome PrintOnPrinter(QPrinter& printer, const std::function<void(Canvas&)>& draw, std::string& error,
                            int layout_dpi) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    error = FileError(PrinterFault).Text();
    return PrintOutcome::Failed;
  }
  if (layout_dpi > 0 && printer.resolution() != layout_dpi) {
    const double scale = static_cast<double>(printer.resolution()) / layout_dpi;
    painter.scale(scale, scale);
  }
  QtCanvas canvas(&painter);
  draw(canvas);
  if (!painter.end()) {
    error = FileError(PrinterFault).Text();
    return PrintOutcome::Failed;
  }
  return PrintOutcome::Printed;
}

PrintOutcome PrintWithDialog(QWidget* parent, const std::function<void(Canvas&)>& draw, std::string& error,
                             int layout_dpi) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
  return PrintOnPrinter(printer, draw, error, layout_dpi);
}

}  // namespace gx
