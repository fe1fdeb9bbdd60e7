// Qt Charts: a horizontal bar series with a set for the lowered and one for the raised inputs
// over a value axis that is symmetric about the base design; an area series under the steps of
// the histogram with a line series for the base design.
#include "ui/study_charts.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cstddef>

#include "ui/chart_style.h"

namespace korvant::ui {
namespace {

constexpr double kAxisRoom = 1.1; // the axes reach this much beyond the data

QBarSet* NewBarSet(const QString& name, const QColor& colour)
{
    auto* set = new QBarSet(name);
    set->setColor(colour);
    set->setBorderColor(colour.darker(130));
    return set;
}

void Attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

} // namespace

QChart* NewTornadoChart(const TornadoChart& data)
{
    QChart* chart = NewTitledChart(data.title);
    const ChartColours colours = ChartPalette();
    QBarSet* lowered = NewBarSet(QObject::tr("Input lowered"), colours.main);
    QBarSet* raised = NewBarSet(QObject::tr("Input raised"), colours.second);
    QStringList inputs;
    // The bars run from the bottom up, so the inputs are added last to first.
    for (std::size_t i = data.bars.size(); i-- > 0;) {
        const TornadoBar& bar = data.bars[i];
        inputs.append(QString::fromStdString(bar.input));
        lowered->append(bar.lowered);
        raised->append(bar.raised);
    }
    auto* series = new QHorizontalBarSeries;
    series->append(lowered);
    series->append(raised);
    series->setBarWidth(0.8);

    auto* axisInputs = new QBarCategoryAxis;
    axisInputs->append(inputs);
    auto* change = new QValueAxis;
    change->setTitleText(QString::fromStdString(data.axisTitle));
    change->setRange(-data.reach * kAxisRoom, data.reach * kAxisRoom);
    change->applyNiceNumbers();
    change->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(axisInputs, Qt::AlignLeft);
    chart->addAxis(change, Qt::AlignBottom);
    Attach(chart, series, change, axisInputs);
    return chart;
}

QChart* NewHistogramChart(const ThicknessHistogramChart& data)
{
    QChart* chart = NewTitledChart(data.title);
    const ChartColours colours = ChartPalette();
    auto* samples = new QAreaSeries;
    auto* steps = new QLineSeries(samples); // the area series does not own its line
    int highest = 0;
    for (const HistogramBar& bar : data.bars) {
        steps->append(bar.from, bar.count);
        steps->append(bar.to, bar.count);
        highest = std::max(highest, bar.count);
    }
    samples->setUpperSeries(steps);
    samples->setName(QObject::tr("Samples"));
    samples->setColor(colours.bars);
    samples->setBorderColor(colours.bars.darker(150));
    auto* base = new QLineSeries;
    base->setName(QObject::tr("Base design"));
    base->setPen(QPen(colours.marked, 2));
    base->append(data.base, 0);
    base->append(data.base, highest * kAxisRoom);

    const double from = std::min(data.bars.empty() ? data.base : data.bars.front().from, data.base);
    const double to = std::max(data.bars.empty() ? data.base : data.bars.back().to, data.base);
    auto* thickness = new QValueAxis;
    thickness->setTitleText(QString::fromStdString(data.axisTitle));
    thickness->setRange(from, to > from ? to : from + 1);
    thickness->applyNiceNumbers();
    thickness->setLabelFormat(QStringLiteral("%g"));
    auto* count = new QValueAxis;
    count->setTitleText(QObject::tr("Samples"));
    count->setRange(0, std::max(1.0, highest * kAxisRoom));
    count->applyNiceNumbers();
    count->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(thickness, Qt::AlignBottom);
    chart->addAxis(count, Qt::AlignLeft);
    Attach(chart, samples, thickness, count);
    Attach(chart, base, thickness, count);
    return chart;
}

} // namespace korvant::ui
