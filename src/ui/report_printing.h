// Paints the design report on printer pages or PDF pages: the header lines at the top of every
// page, then every report line one line in "Courier", a new page when one is full, then the
// ratings (the ACR table of the mix and the PCR) from a fresh page, each copy starting on a fresh
// page.
#pragma once

#include <QFont>

#include <string>
#include <vector>

#include "design/window_texts.h"
#include "ui/services.h"

class QPagedPaintDevice;
class QWidget;

namespace korvant::ui {

// The font of printed report lines.
QFont ReportPrintFont();

// Paints `copies` copies of the report on `device`. Returns false when the device cannot be
// painted on (a printer or file that refused to open).
bool PaintReportPages(QPagedPaintDevice& device, const ReportPages& report, int copies);

// Print Report: the print dialog, then the report on the chosen printer in the copies asked for.
// A cancelled dialog or a failed print ends the command without a message.
void PrintReport(PrintDialog& dialog, QWidget* parent, const ReportPages& report);

} // namespace korvant::ui
