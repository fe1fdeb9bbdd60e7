// The printed report is drawn straight from the report's lines in memory; no file is written
// on the way. The font shrinks from 10 points when the widest line would not fit the page.
#include "ui/report_printing.h"

#include <QFontMetricsF>
#include <QObject>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <exception>

#include "design/window_texts.h"

namespace korvant::ui {
namespace {

constexpr qreal kLargestPointSize = 10.0;
constexpr qreal kSmallestPointSize = 5.0;

int WidestLine(const std::vector<std::string>& lines)
{
    std::size_t widest = 1;
    for (const std::string& line : lines)
        widest = std::max(widest, line.size());
    return static_cast<int>(widest);
}

} // namespace

QFont ReportPrintFont()
{
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(kLargestPointSize);
    return font;
}

bool PaintReportPages(QPagedPaintDevice& device, const std::vector<std::string>& lines, int copies)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QFont font = ReportPrintFont();
    const qreal width = device.width();
    const qreal lineWidth = QFontMetricsF(font, &device)
                                .horizontalAdvance(QString(WidestLine(lines), QLatin1Char('M')));
    if (lineWidth > width)
        font.setPointSizeF(std::max(kSmallestPointSize, kLargestPointSize * width / lineWidth));
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    const int linesPerPage = std::max(1, static_cast<int>(device.height() / metrics.lineSpacing()));
    const auto pages = PaginateLines(lines, linesPerPage);

    bool first = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (const auto& page : pages) {
            if (!first)
                device.newPage();
            first = false;
            qreal baseline = metrics.ascent();
            for (const std::string& line : page) {
                painter.drawText(QPointF(0, baseline), QString::fromStdString(line));
                baseline += metrics.lineSpacing();
            }
        }
    }
    return painter.end();
}

void PrintReport(PrintDialog& dialog, QWidget* parent, const std::vector<std::string>& lines)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QObject::tr("KORVANT design report"));
    if (!dialog.choosePrinter(printer, parent))
        return;
    try {
        BusyPointer busy;
        const int copies = qMax(1, printer.copyCount());
        printer.setCopyCount(1);
        PaintReportPages(printer, lines, copies);
    } catch (const std::exception&) {
        // A failed print ends the command without a message.
    }
}

} // namespace korvant::ui
