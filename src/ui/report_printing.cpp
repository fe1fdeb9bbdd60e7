// The printed report is drawn straight from the report's lines in memory; no file is written
// on the way. The font shrinks from 10 points when the widest line of the report, or of the
// ratings after it, would not fit the page.
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

// The font of a section's lines: the report's, shrunk when the widest line would not fit.
QFont SectionFont(QPagedPaintDevice& device, const std::vector<std::string>& lines)
{
    QFont font = ReportPrintFont();
    const qreal width = device.width();
    const qreal lineWidth = QFontMetricsF(font, &device)
                                .horizontalAdvance(QString(WidestLine(lines), QLatin1Char('M')));
    if (lineWidth > width)
        font.setPointSizeF(std::max(kSmallestPointSize, kLargestPointSize * width / lineWidth));
    return font;
}

// Paints the lines on pages of their own, the header at the top of each, in a font that fits
// the section's widest line.
void PaintSection(QPainter& painter, QPagedPaintDevice& device,
    const std::vector<std::string>& header, const std::vector<std::string>& lines, bool& first)
{
    const QFont font = SectionFont(device, lines);
    const qreal width = device.width();
    const QFontMetricsF metrics(font, &device);
    // The header in the section's size, wrapped to the page, and one empty line below it.
    QFont headerFont;
    headerFont.setPointSizeF(font.pointSizeF());
    const QFontMetricsF headerMetrics(headerFont, &device);
    qreal headerHeight = 0;
    for (const std::string& line : header)
        headerHeight += headerMetrics
                            .boundingRect(QRectF(0, 0, width, device.height()), Qt::TextWordWrap,
                                QString::fromStdString(line))
                            .height();
    if (!header.empty())
        headerHeight += metrics.lineSpacing();
    const int linesPerPage
        = std::max(1, static_cast<int>((device.height() - headerHeight) / metrics.lineSpacing()));
    for (const auto& page : PaginateLines(lines, linesPerPage)) {
        if (!first)
            device.newPage();
        first = false;
        qreal top = 0;
        painter.setFont(headerFont);
        for (const std::string& line : header) {
            const QRectF area(0, top, width, device.height() - top);
            QRectF used;
            painter.drawText(area, Qt::TextWordWrap, QString::fromStdString(line), &used);
            top += used.height();
        }
        painter.setFont(font);
        qreal baseline = headerHeight + metrics.ascent();
        for (const std::string& line : page) {
            painter.drawText(QPointF(0, baseline), QString::fromStdString(line));
            baseline += metrics.lineSpacing();
        }
    }
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

bool PaintReportPages(QPagedPaintDevice& device, const ReportPages& report, int copies)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    bool first = true;
    for (int copy = 0; copy < copies; ++copy) {
        PaintSection(painter, device, report.header, report.lines, first);
        if (!report.ratings.empty())
            PaintSection(painter, device, report.header, report.ratings, first);
    }
    return painter.end();
}

void PrintReport(PrintDialog& dialog, QWidget* parent, const ReportPages& report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QObject::tr("KORVANT design report"));
    if (!dialog.choosePrinter(printer, parent))
        return;
    try {
        BusyPointer busy;
        const int copies = qMax(1, printer.copyCount());
        printer.setCopyCount(1);
        PaintReportPages(printer, report, copies);
    } catch (const std::exception&) {
        // A failed print ends the command without a message.
    }
}

} // namespace korvant::ui
