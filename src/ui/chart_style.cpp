// The shared theme, colours, title, margins and legend of the program's charts, and the replacing
// of a shown chart.
#include "ui/chart_style.h"

#include <QChart>
#include <QChartView>
#include <QGuiApplication>
#include <QLegend>
#include <QPalette>

namespace korvant::ui {

bool DarkScheme()
{
    const QPalette palette = QGuiApplication::palette();
    return palette.color(QPalette::Window).lightness()
        < palette.color(QPalette::WindowText).lightness();
}

ChartColours ChartPalette()
{
    if (DarkScheme())
        return { QColor(0x6f, 0xa8, 0xdc), QColor(0xf0, 0xa4, 0x4a), QColor(0xff, 0x5c, 0x5c),
            QColor(0x7d, 0x96, 0xb0), QColor(0x4a, 0x4d, 0x55), QColor(0xe6, 0xe6, 0xe6) };
    return { QColor(0x2b, 0x5c, 0x8a), QColor(0xe0, 0x8a, 0x1e), QColor(0xc0, 0x28, 0x2d),
        QColor(0x8f, 0xa9, 0xc4), QColor(0xee, 0xee, 0xee), QColor(Qt::black) };
}

QChart* NewTitledChart(const std::string& title)
{
    auto* chart = new QChart;
    // The theme first: it sets every colour, which the series then override.
    chart->setTheme(DarkScheme() ? QChart::ChartThemeDark : QChart::ChartThemeLight);
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
