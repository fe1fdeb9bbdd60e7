// The reliability tab: its settings edit the window's state, Run starts the study on its own
// thread and a timer follows it until its result or failure is taken.
#include "ui/reliability_tab.h"

#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

#include "design/window_studies.h"
#include "design/window_texts.h"
#include "ui/chart_style.h"
#include "ui/file_export.h"
#include "ui/run_start.h"
#include "ui/stale_banner.h"
#include "ui/study_charts.h"
#include "ui/text_table.h"

namespace korvant::ui {
namespace {

constexpr int kFollowMilliseconds = 100;
constexpr int kLargestSampleCount = 1000000;
constexpr int kChartLines = 18; // the histogram's least height, in lines of text

// The inputs that the study draws, as the rows and the widgets' object names call them, with
// the part of the settings that holds their spread.
struct SpreadRow
{
    const char* input;
    InputSpread ReliabilitySettings::*setting;
};
const std::array<SpreadRow, ReliabilityTab::kSpreadCount> kSpreadRows { {
    { "Sc", &ReliabilitySettings::Sc },
    { "k", &ReliabilitySettings::k },
    { "E", &ReliabilitySettings::E },
    { "Departures", &ReliabilitySettings::departures },
} };

struct SpreadChoice
{
    Spread spread;
    const char* caption;
};
const std::array<SpreadChoice, 3> kSpreadChoices { {
    { Spread::Normal, "Normal" },
    { Spread::LogNormal, "Log-normal" },
    { Spread::Uniform, "Uniform" },
} };

QString Named(const char* prefix, const char* name)
{
    return QString::fromLatin1(prefix) + QString::fromLatin1(name);
}

} // namespace

ReliabilityTab::ReliabilityTab(WindowModel& state, const Services& services, QWidget* parent)
    : QWidget(parent)
    , state_(state)
    , services_(services)
{
    setObjectName(QStringLiteral("tabReliability"));
    timer_ = new QTimer(this);
    timer_->setInterval(kFollowMilliseconds);
    connect(timer_, &QTimer::timeout, this, &ReliabilityTab::follow);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSettings());

    runButton_ = new QPushButton(tr("&Run"), this);
    runButton_->setObjectName(QStringLiteral("cmdRunReliability"));
    connect(runButton_, &QPushButton::clicked, this, &ReliabilityTab::run);
    cancelButton_ = new QPushButton(tr("Ca&ncel"), this);
    cancelButton_->setObjectName(QStringLiteral("cmdCancelReliability"));
    connect(cancelButton_, &QPushButton::clicked, this, &ReliabilityTab::cancel);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("pbReliability"));
    progress_->setAccessibleName(tr("designs of the reliability study done"));
    progress_->setFormat(tr("%v of %m designs"));
    progress_->setValue(0);
    progress_->setTextVisible(false); // no count before a run

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lbReliabilityStatus"));
    auto* running = new QHBoxLayout;
    running->addWidget(runButton_);
    running->addWidget(cancelButton_);
    running->addWidget(progress_, 1);
    running->addWidget(status_);
    layout->addLayout(running);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lbReliabilitySummary"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    banner_ = new StaleBanner(QStringLiteral("lbReliabilityOutOfDate"), this);
    quantiles_ = NewTextTable(
        QStringLiteral("tblQuantiles"), tr("thickness at each reliability level"), this);
    histogram_ = new QChartView(this);
    histogram_->setObjectName(QStringLiteral("chartHistogram"));
    histogram_->setAccessibleName(tr("histogram of the samples' thicknesses"));
    histogram_->setRenderHint(QPainter::Antialiasing);
    // A small window scrolls the tab rather than squeeze the chart below its labels.
    histogram_->setMinimumHeight(histogram_->fontMetrics().height() * kChartLines);
    auto* results = new QSplitter(Qt::Horizontal, this);
    results->addWidget(quantiles_);
    results->addWidget(histogram_);
    results->setStretchFactor(1, 1);
    layout->addWidget(summary_);
    layout->addWidget(banner_);
    layout->addWidget(results, 1);

    saveCsv_ = new QPushButton(tr("Save as &CSV..."), this);
    saveCsv_->setObjectName(QStringLiteral("cmdSaveReliabilityCsv"));
    connect(saveCsv_, &QPushButton::clicked, this, &ReliabilityTab::saveCsvAs);
    saveSamplesCsv_ = new QPushButton(tr("Save Samples as CS&V..."), this);
    saveSamplesCsv_->setObjectName(QStringLiteral("cmdSaveSamplesCsv"));
    connect(saveSamplesCsv_, &QPushButton::clicked, this, &ReliabilityTab::saveSamplesCsvAs);
    auto* exports = new QHBoxLayout;
    exports->addStretch();
    exports->addWidget(saveCsv_);
    exports->addWidget(saveSamplesCsv_);
    layout->addLayout(exports);

    showRunning(false);
    refresh();
}

ReliabilityTab::~ReliabilityTab() = default;

QGroupBox* ReliabilityTab::buildSettings()
{
    auto* group = new QGroupBox(tr("Settings"), this);
    group->setObjectName(QStringLiteral("fraReliabilitySettings"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Distribution"), group), 0, 1);
    grid->addWidget(new QLabel(tr("Coefficient of variation"), group), 0, 2);
    for (std::size_t i = 0; i < kSpreadCount; ++i) {
        const SpreadRow& row = kSpreadRows[i];
        const int line = static_cast<int>(i) + 1;
        auto* combo = new QComboBox(group);
        combo->setObjectName(Named("cboSpread", row.input));
        combo->setAccessibleName(tr("distribution of %1").arg(QString::fromLatin1(row.input)));
        for (const SpreadChoice& choice : kSpreadChoices)
            combo->addItem(QString::fromLatin1(choice.caption), static_cast<int>(choice.spread));
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo, row](int) {
            ReliabilitySettings settings = state_.reliabilitySettings();
            (settings.*row.setting).spread = static_cast<Spread>(combo->currentData().toInt());
            state_.setReliabilitySettings(settings);
        });
        auto* spin = new QDoubleSpinBox(group);
        spin->setObjectName(Named("spnVariation", row.input));
        spin->setAccessibleName(
            tr("coefficient of variation of %1").arg(QString::fromLatin1(row.input)));
        spin->setRange(0, 100);
        spin->setDecimals(1);
        spin->setSuffix(QStringLiteral(" %"));
        connect(spin, &QDoubleSpinBox::valueChanged, this, [this, row](double percent) {
            ReliabilitySettings settings = state_.reliabilitySettings();
            (settings.*row.setting).variation = percent / 100;
            state_.setReliabilitySettings(settings);
        });
        grid->addWidget(new QLabel(QString::fromLatin1(row.input), group), line, 0);
        grid->addWidget(combo, line, 1);
        grid->addWidget(spin, line, 2);
        spreads_[i] = combo;
        variations_[i] = spin;
    }

    samples_ = new QSpinBox(group);
    samples_->setObjectName(QStringLiteral("spnSamples"));
    samples_->setRange(1, kLargestSampleCount);
    connect(samples_, &QSpinBox::valueChanged, this, [this](int count) {
        ReliabilitySettings settings = state_.reliabilitySettings();
        settings.samples = count;
        state_.setReliabilitySettings(settings);
    });
    seed_ = new QSpinBox(group);
    seed_->setObjectName(QStringLiteral("spnSeed"));
    seed_->setRange(0, INT_MAX);
    connect(seed_, &QSpinBox::valueChanged, this, [this](int seed) {
        ReliabilitySettings settings = state_.reliabilitySettings();
        settings.seed = static_cast<std::uint64_t>(seed);
        state_.setReliabilitySettings(settings);
    });
    auto* samplesLabel = new QLabel(tr("Sa&mples"), group);
    samplesLabel->setBuddy(samples_);
    auto* seedLabel = new QLabel(tr("S&eed"), group);
    seedLabel->setBuddy(seed_);
    const int line = static_cast<int>(kSpreadCount) + 1;
    grid->addWidget(samplesLabel, line, 0);
    grid->addWidget(samples_, line, 1);
    grid->addWidget(seedLabel, line + 1, 0);
    grid->addWidget(seed_, line + 1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

void ReliabilityTab::refresh()
{
    const ReliabilitySettings& settings = state_.reliabilitySettings();
    for (std::size_t i = 0; i < kSpreadCount; ++i) {
        const InputSpread& spread = settings.*kSpreadRows[i].setting;
        const QSignalBlocker comboBlocker(spreads_[i]);
        spreads_[i]->setCurrentIndex(spreads_[i]->findData(static_cast<int>(spread.spread)));
        const QSignalBlocker spinBlocker(variations_[i]);
        variations_[i]->setValue(spread.variation * 100);
    }
    const QSignalBlocker samplesBlocker(samples_);
    samples_->setValue(settings.samples);
    const QSignalBlocker seedBlocker(seed_);
    seed_->setValue(static_cast<int>(std::min<std::uint64_t>(settings.seed, INT_MAX)));
    showResult();
}

void ReliabilityTab::refreshMark()
{
    banner_->showNote(OutOfDateNote(ShownResult::Study, state_.reliabilityStaleness()));
}

void ReliabilityTab::showResult()
{
    refreshMark();
    const auto& result = state_.reliability();
    saveCsv_->setEnabled(result.has_value());
    saveSamplesCsv_->setEnabled(result.has_value());
    if (!result) {
        summary_->setText(tr("Run the study to see the thickness at each reliability level."));
        FillTextTable(quantiles_, {});
        return;
    }
    summary_->setText(QString::fromStdString(ReliabilitySummary(*result)));
    FillTextTable(quantiles_, QuantileTable(*result));
    ReplaceChart(histogram_, NewHistogramChart(HistogramOf(*result)));
}

void ReliabilityTab::showRunning(bool running)
{
    runButton_->setEnabled(!running);
    cancelButton_->setEnabled(running);
    if (!running)
        timer_->stop();
}

void ReliabilityTab::run()
{
    if (run_)
        return;
    run_ = StartRun(
        *services_.prompter, "Reliability study", [this] { return state_.startReliability(); });
    if (!run_)
        return;
    progress_->setRange(0, run_->samples());
    progress_->setValue(0);
    progress_->setTextVisible(true);
    status_->setText(tr("Running..."));
    showRunning(true);
    timer_->start();
}

void ReliabilityTab::cancel()
{
    if (!run_)
        return;
    run_->cancel();
    cancelButton_->setEnabled(false);
    status_->setText(tr("Cancelling..."));
}

void ReliabilityTab::follow()
{
    progress_->setValue(run_->done());
    if (!run_->finished())
        return;
    const std::unique_ptr<ReliabilityRun> ended = std::move(run_);
    showRunning(false);
    const bool cancelled = ended->cancelled();
    if (state_.finishReliability(*ended, *services_.prompter))
        status_->clear();
    else
        status_->setText(cancelled ? tr("Cancelled.") : tr("The study could not run."));
    showResult();
    emit commandDone();
}

void ReliabilityTab::stop()
{
    if (!run_)
        return;
    run_.reset();
    showRunning(false);
    status_->setText(tr("Cancelled."));
}

void ReliabilityTab::saveCsvAs()
{
    if (!state_.reliability())
        return;
    SaveCsvAs(services_, state_, this, tr("Save Reliability Study"), "reliability.csv",
        "reliability study", [this] { return ReliabilityCsv(*state_.reliability()); });
    emit commandDone();
}

void ReliabilityTab::saveSamplesCsvAs()
{
    if (!state_.reliability())
        return;
    SaveCsvAs(services_, state_, this, tr("Save Reliability Samples"), "reliability-samples.csv",
        "reliability samples", [this] { return ReliabilitySamplesCsv(*state_.reliability()); });
    emit commandDone();
}

} // namespace korvant::ui
