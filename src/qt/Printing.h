#pragma once
// Printing one page: the system print dialog (without a printer installed it offers a PDF file),
// then a print job whose canvas draws in the printer's dots.

#include <functional>
#include <string>

#include "board/Canvas.h"
#include "core/Host.h"

class QPrinter;
class QWidget;

namespace gx {

// Shows the print dialog over `parent`; when confirmed, prints the page `draw` paints.
// layout_dpi: the resolution the page was laid out for; the painter is scaled to the printer's own
// (a PDF file is 1200 dpi whatever printer was measured at start). 0 draws in the printer's dots.
PrintOutcome PrintWithDialog(QWidget* parent, const std::function<void(Canvas&)>& draw, std::string& error,
                             int layout_dpi = 0);

// Prints the page on a printer that is already set up (the dialog's choice, or a PDF file).
PrintOutcome PrintOnPrinter(QPrinter& printer, const std::function<void(Canvas&)>& draw, std::string& error,
                            int layout_dpi = 0);

}  // namespace gx
