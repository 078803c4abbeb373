#pragma once
// A print document drawn on any paged device: a printer chosen in the print dialog, or a PDF file
// written without one. Needs Qt GUI only, so the batch tool prints its PDF by the window's path.

#include <string>

#include "base/Host.h"

class QPagedPaintDevice;

namespace gx {

// Lays the document out for the device's printable area and draws one page after another, each on
// a new page of the device. device_dpi: the device's resolution; layout_dpi: the resolution the
// pages are laid out for, the painter scaled from it to the device's (0 draws in device dots).
// On Failed, `error` holds the text for the error box.
PrintOutcome PrintOnDevice(QPagedPaintDevice& device, int device_dpi, PrintDocument& document, std::string& error,
                           int layout_dpi = 0);

}  // namespace gx
