// What the windows' Qt Charts have in common: the colours, a chart with its title in bold, small
// margins and the legend below, and a view whose chart is replaced at each replot.
#pragma once

#include <QColor>

#include <string>

class QChart;
class QChartView;

namespace korvant::ui {

// The colours every chart of the program draws with: the main series (a curve, lowered inputs),
// the second series (trials, raised inputs), what is singled out (the design point, the
// governing aircraft, the base design), the bars of shares and samples, and the minor grid.
inline const QColor kChartMain { 0x2b, 0x5c, 0x8a };
inline const QColor kChartSecond { 0xe0, 0x8a, 0x1e };
inline const QColor kChartMarked { 0xc0, 0x28, 0x2d };
inline const QColor kChartBars { 0x8f, 0xa9, 0xc4 };
inline const QColor kChartMinorGrid { 0xee, 0xee, 0xee };

QChart* NewTitledChart(const std::string& title);

// Shows `chart` in the view, which takes it, and deletes the chart shown before.
void ReplaceChart(QChartView* view, QChart* chart);

} // namespace korvant::ui
