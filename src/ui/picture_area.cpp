// The picture area: the title lines centred on the title screen, the design panel centred at the
// top of a design view and the damage charts filling the space below it.
#include "ui/picture_area.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "basics/program_info.h"
#include "design/damage_chart.h"
#include "ui/damage_charts.h"
#include "ui/design_panel.h"
#include "ui/stale_banner.h"

namespace korvant::ui {

PictureArea::PictureArea(WindowModel& state, const Services& services, QWidget* parent)
    : QFrame(parent)
    , state_(state)
{
    setObjectName(QStringLiteral("Picture1"));

    titlePage_ = new QWidget(this);
    titlePage_->setObjectName(QStringLiteral("titlePage"));
    auto* title1 = new QLabel(QString::fromUtf8(kProgramName), titlePage_);
    title1->setObjectName(QStringLiteral("LbTitle1"));
    QFont titleFont = font();
    titleFont.setPointSize(44);
    titleFont.setBold(true);
    titleFont.setLetterSpacing(QFont::PercentageSpacing, 112);
    title1->setFont(titleFont);
    title1->setAlignment(Qt::AlignCenter);
    auto* title2 = new QLabel(QString::fromUtf8(kDescriptiveTitle), titlePage_);
    title2->setObjectName(QStringLiteral("LbTitle2"));
    QFont subtitleFont = font();
    subtitleFont.setPointSize(18);
    title2->setFont(subtitleFont);
    title2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title2->setWordWrap(true);
    auto* titles = new QVBoxLayout(titlePage_);
    titles->addStretch(2);
    titles->addWidget(title1);
    titles->addWidget(title2);
    titles->addStretch(3);

    designPanel_ = new DesignPanel(state_, services, this);
    chartsBanner_ = new StaleBanner(QStringLiteral("lbChartsOutOfDate"), this);
    charts_ = new DamageCharts(this);
    charts_->hide();
    chartsHint_ = new QLabel(
        tr("After Design Thickness the damage charts of the design appear here."), this);
    chartsHint_->setObjectName(QStringLiteral("lbChartsHint"));
    chartsHint_->setAlignment(Qt::AlignCenter);
    chartsHint_->setWordWrap(true);
    chartsHint_->setEnabled(false); // drawn in the palette's greyed text
    chartsHint_->hide();

    auto* panelRow = new QHBoxLayout;
    panelRow->addStretch(1);
    panelRow->addWidget(designPanel_);
    panelRow->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->addWidget(titlePage_, 1);
    column->addLayout(panelRow);
    column->addWidget(chartsBanner_);
    column->addWidget(charts_, 1);
    column->addWidget(chartsHint_, 1);
}

void PictureArea::applyLayout(const ViewLayout& layout)
{
    if (layout.picture)
        setVisible(*layout.picture);
    if (layout.titleLines)
        titlePage_->setVisible(*layout.titleLines);
    designPanel_->applyLayout(layout);
}

void PictureArea::fitWidth(int width)
{
    const QMargins margins = layout()->contentsMargins();
    designPanel_->fitWidth(width - margins.left() - margins.right());
}

void PictureArea::refreshCharts()
{
    charts_->setVisible(state_.chartsShown());
    chartsHint_->setVisible(state_.inDesignView() && !state_.chartsShown());
    chartsBanner_->showNote(state_.chartsShown()
            ? OutOfDateNote(ShownResult::Charts, state_.designStaleness())
            : std::string());
}

void PictureArea::replotCharts()
{
    if (!state_.chartsShown())
        return;
    const DesignModel& design = state_.design();
    const DesignTrace& trace = design.result.trace;
    charts_->showCharts(DamageCurveOf(design.result, design.units),
        DamageCurveTitle(trace, design.units), DamageSharesOf(trace),
        DamageSharesTitle(trace, design.units));
}

} // namespace korvant::ui
