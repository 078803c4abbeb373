#include "qt/Printing.h"

#include <QPrintDialog>
#include <QPrinter>

#include "qtdraw/PagedPrinting.h"

namespace gx {

PrintOutcome PrintOnPrinter(QPrinter& printer, PrintDocument& document, std::string& error, int layout_dpi) {
  return PrintOnDevice(printer, printer.resolution(), document, error, layout_dpi);
}

PrintOutcome PrintWithDialog(QWidget* parent, PrintDocument& document, std::string& error, int layout_dpi) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
  return PrintOnPrinter(printer, document, error, layout_dpi);
}

}  // namespace gx
