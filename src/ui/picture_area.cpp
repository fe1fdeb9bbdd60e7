// The picture area: the title lines centred in it, the design panel centred at its top and the
// damage charts filling the space below the panel.
#include "ui/picture_area.h"

#include <QLabel>

#include "basics/program_info.h"
#include "design/damage_chart.h"
#include "ui/damage_charts.h"
#include "ui/design_panel.h"
#include "ui/twips.h"

namespace korvant::ui {
namespace {

constexpr int kPanelMarginTwips = 120; // above the panel and around the charts

} // namespace

PictureArea::PictureArea(WindowModel& state, QWidget* parent)
    : QFrame(parent)
    , state_(state)
{
    setObjectName(QStringLiteral("Picture1"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xf3, 0xf2, 0xee));
    setPalette(colours);

    title1_ = new QLabel(QString::fromUtf8(kProgramName), this);
    title1_->setObjectName(QStringLiteral("LbTitle1"));
    QFont titleFont = font();
    titleFont.setPointSize(44);
    titleFont.setBold(true);
    titleFont.setLetterSpacing(QFont::PercentageSpacing, 112);
    title1_->setFont(titleFont);
    title1_->setAlignment(Qt::AlignCenter);
    title1_->setStyleSheet(QStringLiteral("color: #2b3a4a;"));
    title2_ = new QLabel(QString::fromUtf8(kDescriptiveTitle), this);
    title2_->setObjectName(QStringLiteral("LbTitle2"));
    QFont subtitleFont = font();
    subtitleFont.setPointSize(18);
    title2_->setFont(subtitleFont);
    title2_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title2_->setWordWrap(true);
    title2_->setStyleSheet(QStringLiteral("color: #4d5966;"));

    designPanel_ = new DesignPanel(state_, this);

    charts_ = new DamageCharts(this);
    charts_->hide();
    chartsHint_ = new QLabel(
        tr("After Design Thickness the damage charts of the design appear here."), this);
    chartsHint_->setObjectName(QStringLiteral("lbChartsHint"));
    chartsHint_->setAlignment(Qt::AlignCenter);
    chartsHint_->setStyleSheet(QStringLiteral("color: #8a8f96;"));
    chartsHint_->hide();
}

void PictureArea::applyLayout(const ViewLayout& layout)
{
    if (layout.picture)
        setVisible(*layout.picture);
    if (layout.titleLines) {
        title1_->setVisible(*layout.titleLines);
        title2_->setVisible(*layout.titleLines);
    }
    designPanel_->applyLayout(layout);
    if (layout.rowsLowered)
        placeContents();
}

void PictureArea::placeIn(const QRect& area)
{
    setGeometry(area);
    const int titleWidth = qRound(width() * 0.8);
    const int titleHeight = qRound(height() * 0.4);
    title1_->setGeometry(
        (width() - titleWidth) / 2, qRound(height() * 0.2), titleWidth, titleHeight);
    title2_->setGeometry(
        (width() - titleWidth) / 2, qRound(height() * 0.5), titleWidth, titleHeight);
    placeContents();
}

void PictureArea::placeContents()
{
    designPanel_->placeControls();
    const int panelWidth = TwipsToPixels(DesignPanel::kWidthTwips, logicalDpiX());
    const int panelHeight = TwipsToPixels(DesignPanel::kHeightTwips, logicalDpiY());
    const int margin = TwipsToPixels(kPanelMarginTwips, logicalDpiY());
    designPanel_->setGeometry(qMax(0, (width() - panelWidth) / 2), margin, panelWidth, panelHeight);
    const int chartsTop = designPanel_->geometry().bottom() + 1 + margin;
    const QRect area(
        margin, chartsTop, qMax(0, width() - 2 * margin), qMax(0, height() - chartsTop - margin));
    charts_->setGeometry(area);
    chartsHint_->setGeometry(area);
}

void PictureArea::refreshCharts()
{
    const bool designView = state_.view() == View::OneLayer || state_.view() == View::TwoLayer;
    charts_->setVisible(state_.chartsShown());
    chartsHint_->setVisible(designView && !state_.chartsShown());
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
