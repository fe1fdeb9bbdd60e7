// The shared title, margins and legend of the program's charts, and the replacing of a shown
// chart.
#include "ui/chart_style.h"

#include <QChart>
#include <QChartView>
#include <QLegend>

namespace korvant::ui {

QChart* NewTitledChart(const std::string& title)
{
    auto* chart = new QChart;
    chart->setTitle(QString::fromStdString(title));
    QFont font = chart->titleFont();
    font.setBold(true);
    chart->setTitleFont(font);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

void ReplaceChart(QChartView* view, QChart* chart)
{
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

} // namespace korvant::ui
