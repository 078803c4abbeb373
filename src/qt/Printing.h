#pragma once
// Printing: the system print dialog (without a printer installed it offers a PDF file), then a
// print job whose canvas draws in the dots the pages were laid out for.

#include <string>

#include "base/Canvas.h"
#include "base/Host.h"

class QPrinter;
class QWidget;

namespace gx {

// Shows the print dialog over `parent`; when confirmed, prints the document's pages.
// layout_dpi: the resolution the pages are laid out for; the painter is scaled to the printer's own
// (a PDF file is 1200 dpi whatever printer was measured at start). 0 draws in the printer's dots.
PrintOutcome PrintWithDialog(QWidget* parent, PrintDocument& document, std::string& error, int layout_dpi = 0);

// Prints the document on a printer that is already set up (the dialog's choice, or a PDF file):
// lays it out for the printer's printable area and draws one page after another.
PrintOutcome PrintOnPrinter(QPrinter& printer, PrintDocument& document, std::string& error, int layout_dpi = 0);

}  // namespace gx
