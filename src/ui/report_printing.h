// Paints the design report on printer pages or PDF pages: every report line one line in
// "Courier", a new page when one is full, each copy starting on a fresh page.
#pragma once

#include <QFont>

#include <string>
#include <vector>

class QPagedPaintDevice;

namespace korvant::ui {

// The font of printed report lines.
QFont ReportPrintFont();

// Paints `copies` copies of the lines on `device`. Returns false when the device cannot be
// painted on (a printer or file that refused to open).
bool PaintReportPages(QPagedPaintDevice& device, const std::vector<std::string>& lines, int copies);

} // namespace korvant::ui
