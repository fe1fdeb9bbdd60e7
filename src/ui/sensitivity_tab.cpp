// The sensitivity tab: the percentage edits the window's state, Run runs the study and shows its
// table and tornado chart.
#include "ui/sensitivity_tab.h"

#include <QChartView>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "design/window_studies.h"
#include "ui/chart_style.h"
#include "ui/file_export.h"
#include "ui/stale_banner.h"
#include "ui/study_charts.h"
#include "ui/text_table.h"

namespace korvant::ui {
namespace {

constexpr double kLargestPercent = 50;
constexpr int kChartLines = 22; // the tornado chart's least height, in lines of text

} // namespace

SensitivityTab::SensitivityTab(WindowModel& state, const Services& services, QWidget* parent)
    : QWidget(parent)
    , state_(state)
    , services_(services)
{
    setObjectName(QStringLiteral("tabSensitivity"));
    percent_ = new QDoubleSpinBox(this);
    percent_->setObjectName(QStringLiteral("spnSensitivityPercent"));
    percent_->setAccessibleName(tr("percentage by which each input is lowered and raised"));
    percent_->setRange(0, kLargestPercent);
    percent_->setDecimals(1);
    percent_->setSuffix(QStringLiteral(" %"));
    connect(percent_, &QDoubleSpinBox::valueChanged, this,
        [this](double value) { state_.setSensitivityPercent(value); });
    auto* percentLabel = new QLabel(tr("Each input &lowered and raised by"), this);
    percentLabel->setBuddy(percent_);

    run_ = new QPushButton(tr("&Run"), this);
    run_->setObjectName(QStringLiteral("cmdRunSensitivity"));
    connect(run_, &QPushButton::clicked, this, &SensitivityTab::run);
    saveCsv_ = new QPushButton(tr("Save as &CSV..."), this);
    saveCsv_->setObjectName(QStringLiteral("cmdSaveSensitivityCsv"));
    connect(saveCsv_, &QPushButton::clicked, this, &SensitivityTab::saveCsvAs);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lbSensitivitySummary"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    banner_ = new StaleBanner(QStringLiteral("lbSensitivityOutOfDate"), this);
    table_ = NewTextTable(
        QStringLiteral("tblSensitivity"), tr("thickness with each input lowered and raised"), this);
    tornado_ = new QChartView(this);
    tornado_->setObjectName(QStringLiteral("chartTornado"));
    tornado_->setAccessibleName(tr("change of the thickness with each input"));
    tornado_->setRenderHint(QPainter::Antialiasing);
    // A small window scrolls the tab rather than squeeze the chart below its labels.
    tornado_->setMinimumHeight(tornado_->fontMetrics().height() * kChartLines);

    auto* controls = new QHBoxLayout;
    controls->addWidget(percentLabel);
    controls->addWidget(percent_);
    controls->addWidget(run_);
    controls->addStretch();
    controls->addWidget(saveCsv_);
    // Room for every input's row above the chart.
    table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height()
        + (kStudyInputCount + 1) * table_->verticalHeader()->defaultSectionSize()
        + 2 * table_->frameWidth());
    auto* results = new QSplitter(Qt::Vertical, this);
    results->addWidget(table_);
    results->addWidget(tornado_);
    results->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(summary_);
    layout->addWidget(banner_);
    layout->addWidget(results, 1);
    refresh();
}

void SensitivityTab::refreshMark()
{
    banner_->showNote(OutOfDateNote(ShownResult::Study, state_.sensitivityStaleness()));
}

void SensitivityTab::refresh()
{
    {
        const QSignalBlocker blocker(percent_);
        percent_->setValue(state_.sensitivityPercent());
    }
    const auto& result = state_.sensitivity();
    saveCsv_->setEnabled(result.has_value());
    refreshMark();
    if (!result) {
        summary_->setText(tr("Run the study to see how far each input moves the thickness."));
        FillTextTable(table_, {});
        return;
    }
    summary_->setText(QString::fromStdString(SensitivitySummary(*result)));
    FillTextTable(table_, SensitivityTable(*result));
    ReplaceChart(tornado_, NewTornadoChart(TornadoOf(*result)));
}

void SensitivityTab::run()
{
    bool ran = false;
    {
        BusyPointer busy;
        ran = state_.runSensitivity(*services_.prompter);
    }
    if (ran)
        refresh();
    emit commandDone();
}

void SensitivityTab::saveCsvAs()
{
    if (!state_.sensitivity())
        return;
    SaveCsvAs(services_, state_, this, tr("Save Sensitivity Study"), "sensitivity.csv",
        "sensitivity study", [this] { return SensitivityCsv(*state_.sensitivity()); });
    emit commandDone();
}

} // namespace korvant::ui
