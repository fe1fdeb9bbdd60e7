// What the windows' Qt Charts have in common: a chart with its title in bold, small margins and
// the legend below, and a view whose chart is replaced at each replot.
#pragma once

#include <string>

class QChart;
class QChartView;

namespace korvant::ui {

QChart* NewTitledChart(const std::string& title);

// Shows `chart` in the view, which takes it, and deletes the chart shown before.
void ReplaceChart(QChartView* view, QChart* chart);

} // namespace korvant::ui
