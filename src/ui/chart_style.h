// What the windows' Qt Charts have in common: the colours, a chart with its title in bold, small
// margins and the legend below, in the light or dark chart theme that matches the desktop's
// colour scheme, and a view whose chart is replaced at each replot.
#pragma once

#include <QColor>

#include <string>

class QChart;
class QChartView;

namespace korvant::ui {

// Whether the application's palette is a dark scheme (a window darker than its text).
bool DarkScheme();

// The colours every chart of the program draws with: the main series (a curve, lowered inputs),
// the second series (trials, raised inputs), what is singled out (the design point, the
// governing aircraft, the base design), the bars of shares and samples, the minor grid and the
// bar labels; lighter on a dark scheme, so that each stands out from the chart's background.
struct ChartColours
{
    QColor main;
    QColor second;
    QColor marked;
    QColor bars;
    QColor minorGrid;
    QColor labels;
};
ChartColours ChartPalette();

QChart* NewTitledChart(const std::string& title);

// Shows `chart` in the view, which takes it, and deletes the chart shown before.
void ReplaceChart(QChartView* view, QChart* chart);

} // namespace korvant::ui
