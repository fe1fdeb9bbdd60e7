// Qt Charts over the core's data: a line, two scatter series and a logarithmic value axis for
// the damage curve; horizontal bars over the aircraft names for the shares, with the governing
// bar in its own colour. Each replot builds fresh charts; the views own them.
#include "ui/damage_charts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QValueAxis>

#include "ui/chart_style.h"
#include "ui/widget_helpers.h"

namespace korvant::ui {
namespace {

// The least size of one chart, in lines of text and average characters: the height keeps every
// label of the damage curve's logarithmic axis whole.
constexpr int kChartLines = 27;
constexpr int kChartColumns = 56;

QChart* CurveChart(const DamageCurve& data, const std::string& title)
{
    QChart* chart = NewTitledChart(title);
    const ChartColours colours = ChartPalette();
    auto* curve = new QLineSeries;
    curve->setName(QObject::tr("Total damage"));
    curve->setPen(QPen(colours.main, 2));
    for (const ChartPoint& point : data.curve)
        curve->append(point.thickness, point.damage);
    auto* trials = new QScatterSeries;
    trials->setName(QObject::tr("Bisection trials"));
    trials->setMarkerSize(9);
    trials->setColor(colours.second);
    trials->setBorderColor(colours.second.darker(140));
    for (const ChartPoint& point : data.trials)
        trials->append(point.thickness, point.damage);
    auto* design = new QScatterSeries;
    design->setName(QObject::tr("Design point"));
    design->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    design->setMarkerSize(14);
    design->setColor(colours.marked);
    design->setBorderColor(colours.labels);
    if (data.design)
        design->append(data.design->thickness, data.design->damage);
    for (QAbstractSeries* series :
        std::initializer_list<QAbstractSeries*> { curve, trials, design })
        chart->addSeries(series);

    auto* thickness = new QValueAxis;
    thickness->setTitleText(QObject::tr("Slab thickness (%1)").arg(Text(data.unit)));
    thickness->setRange(data.thicknessMin, data.thicknessMax);
    thickness->setLabelFormat(QStringLiteral("%g"));
    thickness->setTickType(QValueAxis::TicksDynamic);
    thickness->setTickAnchor(0);
    thickness->setTickInterval(data.thicknessStep);
    auto* damage = new QLogValueAxis;
    damage->setTitleText(QObject::tr("Total damage"));
    damage->setBase(10);
    damage->setRange(data.damageMin, data.damageMax);
    damage->setLabelFormat(QStringLiteral("%g"));
    damage->setMinorTickCount(-1);
    damage->setMinorGridLineColor(colours.minorGrid);
    chart->addAxis(thickness, Qt::AlignBottom);
    chart->addAxis(damage, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(thickness);
        series->attachAxis(damage);
    }
    return chart;
}

QChart* SharesChart(const std::vector<DamageShare>& shares, const std::string& title)
{
    QChart* chart = NewTitledChart(title);
    const ChartColours colours = ChartPalette();
    chart->legend()->hide();
    auto* set = new QBarSet(QObject::tr("Share of the damage (%)"));
    set->setColor(colours.bars);
    set->setBorderColor(colours.bars.darker(130));
    set->setSelectedColor(colours.marked);
    set->setLabelColor(colours.labels);
    QStringList names;
    // The bars run from the bottom up, so the mix is added last to first to read from the top.
    for (std::size_t i = shares.size(); i-- > 0;) {
        const DamageShare& share = shares[i];
        names.append(Text(share.aircraft));
        set->append(share.shownShare);
        if (share.governing)
            set->selectBar(static_cast<int>(set->count() - 1));
    }
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value %"));
    series->setLabelsPrecision(4);
    series->setBarWidth(0.7);
    chart->addSeries(series);

    auto* aircraft = new QBarCategoryAxis;
    aircraft->append(names);
    auto* percent = new QValueAxis;
    percent->setTitleText(QObject::tr("Share of the total damage (%)"));
    percent->setRange(0, 110); // room for the label of a bar of 100 %
    percent->setTickCount(12);
    percent->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(aircraft, Qt::AlignLeft);
    chart->addAxis(percent, Qt::AlignBottom);
    series->attachAxis(aircraft);
    series->attachAxis(percent);
    return chart;
}

} // namespace

DamageCharts::DamageCharts(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DamageCharts"));
    curveView_ = new QChartView(this);
    curveView_->setObjectName(QStringLiteral("chartDamageCurve"));
    curveView_->setAccessibleName(tr("total damage over the slab thickness"));
    curveView_->setRenderHint(QPainter::Antialiasing);
    sharesView_ = new QChartView(this);
    sharesView_->setObjectName(QStringLiteral("chartDamageShares"));
    sharesView_->setAccessibleName(tr("share of each aircraft in the damage"));
    sharesView_->setRenderHint(QPainter::Antialiasing);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lbChartNote"));
    note_->setWordWrap(true);
    QFont bold = note_->font();
    bold.setBold(true);
    note_->setFont(bold);
}

QSize DamageCharts::minimumSizeHint() const
{
    // Each chart keeps room for its title, axes and legend; side by side from twice its width.
    const int chartHeight = fontMetrics().height() * kChartLines;
    return { fontMetrics().averageCharWidth() * kChartColumns, chartHeight };
}

bool DamageCharts::stacked() const
{
    return width() < 2 * fontMetrics().averageCharWidth() * kChartColumns;
}

void DamageCharts::showCharts(const DamageCurve& curve, const std::string& curveTitle,
    const std::vector<DamageShare>& shares, const std::string& sharesTitle)
{
    ReplaceChart(curveView_, CurveChart(curve, curveTitle));
    ReplaceChart(sharesView_, SharesChart(shares, sharesTitle));
    note_->setText(Text(curve.note));
    note_->setVisible(!curve.note.empty());
    resizeEvent(nullptr);
}

void DamageCharts::resizeEvent(QResizeEvent* /*event*/)
{
    const int noteHeight = note_->isVisibleTo(this) ? note_->heightForWidth(width()) : 0;
    const int chartsHeight = height() - noteHeight;
    // A narrow window puts the charts one above the other and asks for the height of both.
    const int wanted = (stacked() ? 2 : 1) * minimumSizeHint().height() + noteHeight;
    if (minimumHeight() != wanted)
        setMinimumHeight(wanted);
    if (stacked()) {
        const int half = chartsHeight / 2;
        curveView_->setGeometry(0, 0, width(), half);
        sharesView_->setGeometry(0, half, width(), chartsHeight - half);
    } else {
        const int half = width() / 2;
        curveView_->setGeometry(0, 0, half, chartsHeight);
        sharesView_->setGeometry(half, 0, width() - half, chartsHeight);
    }
    note_->setGeometry(0, chartsHeight, width(), noteHeight);
}

} // namespace korvant::ui
