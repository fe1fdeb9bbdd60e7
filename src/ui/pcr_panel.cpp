// The PCR panel: its controls edit the state's settings, Compute PCR asks the window to design,
// and follow() starts the PCR on its own thread whenever the state says it is due; the texts and
// tables are the core's.
#include "ui/pcr_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "design/input_help.h"
#include "design/pcr_table.h"
#include "ui/file_export.h"
#include "ui/run_start.h"
#include "ui/stale_banner.h"
#include "ui/text_table.h"
#include "ui/widget_helpers.h"

namespace korvant::ui {
namespace {

constexpr int kFollowMilliseconds = 50;
constexpr int kThicknessDigits = 7;
constexpr int kRoundRows = 2; // rows each table shows without scrolling
constexpr int kAircraftRows = 4;
constexpr int kPanelCharacters = 70; // the panel's width in average characters

bool SameTable(const TraceTable& a, const TraceTable& b)
{
    return a.headings == b.headings && a.rows == b.rows;
}

} // namespace

PcrPanel::PcrPanel(WindowModel& state, const Services& services, QWidget* parent)
    : QGroupBox(tr("PCR of the Slab"), parent)
    , state_(state)
    , services_(services)
{
    setObjectName(QStringLiteral("fraPcr"));
    timer_ = new QTimer(this);
    timer_->setInterval(kFollowMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (run_ && run_->finished())
            take();
    });

    // Alt+K, Alt+L, Alt+U, Alt+C and Alt+R: no menu title and no other control of the design
    // views uses them.
    designSlab_ = new QRadioButton(tr("Design thic&kness"), this);
    designSlab_->setObjectName(QStringLiteral("rdoPcrDesign"));
    typedSlab_ = new QRadioButton(tr("Given s&lab"), this);
    typedSlab_->setObjectName(QStringLiteral("rdoPcrGiven"));
    connect(typedSlab_, &QRadioButton::toggled, this, [this](bool typed) {
        state_.setPcrTypedSlab(typed);
        emit changed();
    });
    thickness_ = new QLineEdit(this);
    thickness_->setObjectName(QStringLiteral("txtPcrThickness"));
    thickness_->setAccessibleName(tr("thickness of the slab to rate"));
    thickness_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    thickness_->setMinimumWidth(DigitsWidth(*thickness_, kThicknessDigits));
    connect(thickness_, &QLineEdit::textEdited, this, [this](const QString& text) {
        state_.setPcrThicknessText(text.toStdString());
        typedSlab_->setChecked(true);
        emit changed();
    });
    connect(thickness_, &QLineEdit::returnPressed, this, &PcrPanel::computeRequested);
    unit_ = new QLabel(this);
    unit_->setObjectName(QStringLiteral("lbunitPcr"));

    category_ = new QComboBox(this);
    category_->setObjectName(QStringLiteral("cboPcrCategory"));
    category_->setAccessibleName(tr("subgrade category of the PCR"));
    connect(category_, &QComboBox::currentIndexChanged, this, [this](int index) {
        state_.setPcrCategory(index <= 0
                ? std::nullopt
                : std::optional<SubgradeCategory>(kSubgradeCategories[static_cast<std::size_t>(
                    std::min(index, static_cast<int>(kSubgradeCategories.size())) - 1)]));
        emit changed();
    });
    auto* categoryLabel = new QLabel(tr("S&ubgrade category"), this);
    categoryLabel->setBuddy(category_);

    compute_ = new QPushButton(tr("Compute P&CR"), this);
    compute_->setObjectName(QStringLiteral("cmdPcr"));
    compute_->setAutoDefault(false);
    connect(compute_, &QPushButton::clicked, this, &PcrPanel::computeRequested);
    saveCsv_ = new QPushButton(tr("Save PC&R as CSV..."), this);
    saveCsv_->setObjectName(QStringLiteral("cmdSavePcrCsv"));
    saveCsv_->setAutoDefault(false);
    connect(saveCsv_, &QPushButton::clicked, this, &PcrPanel::saveCsvAs);

    banner_ = new StaleBanner(QStringLiteral("lbPcrOutOfDate"), this);
    slab_ = new QLabel(this);
    slab_->setObjectName(QStringLiteral("lbPcrSlab"));
    slab_->setWordWrap(true);
    code_ = new QLabel(this);
    code_->setObjectName(QStringLiteral("lbPcrCode"));
    code_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont codeFont = code_->font();
    codeFont.setBold(true);
    codeFont.setPointSizeF(codeFont.pointSizeF() * 1.3);
    code_->setFont(codeFont);
    note_ = NewWrappedLabel(QStringLiteral("lbPcrNote"), this);
    rounds_ = NewTextTable(QStringLiteral("tblPcrRounds"), tr("rounds of the PCR"), this);
    aircraft_ = NewTextTable(
        QStringLiteral("tblPcrAircraft"), tr("ACR of each aircraft against the PCR"), this);
    setMinimumWidth(fontMetrics().averageCharWidth() * kPanelCharacters);

    auto* grid = new QGridLayout;
    grid->addWidget(designSlab_, 0, 0, 1, 3);
    grid->addWidget(typedSlab_, 1, 0);
    grid->addWidget(thickness_, 1, 1);
    grid->addWidget(unit_, 1, 2);
    grid->addWidget(categoryLabel, 2, 0);
    grid->addWidget(category_, 2, 1, 1, 2);
    grid->setColumnStretch(3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compute_);
    buttons->addWidget(saveCsv_);
    buttons->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(buttons);
    column->addWidget(banner_);
    column->addWidget(slab_);
    column->addWidget(code_);
    column->addWidget(note_);
    column->addWidget(rounds_);
    column->addWidget(aircraft_);
    setTabOrder(thickness_, category_);
    setTabOrder(category_, compute_);
    setTabOrder(compute_, saveCsv_);
    refresh();
}

PcrPanel::~PcrPanel() = default;

void PcrPanel::refresh()
{
    const DesignModel& design = state_.design();
    const PcrSettings& settings = state_.pcrSettings();
    {
        const QSignalBlocker blocker(typedSlab_);
        (settings.typedSlab ? typedSlab_ : designSlab_)->setChecked(true);
    }
    const QString typed = Text(settings.thicknessText);
    if (thickness_->text() != typed)
        thickness_->setText(typed);
    thickness_->setToolTip(Text(EvaluatedThicknessTip(design.units)));
    unit_->setText(QString::fromUtf8(SlabThicknessUnit(design.units)));
    {
        const QSignalBlocker blocker(category_);
        const std::vector<std::string> choices = PcrCategoryChoices(design);
        if (category_->count() != static_cast<int>(choices.size())) {
            category_->clear();
            for (const std::string& choice : choices)
                category_->addItem(Text(choice));
        }
        for (int i = 0; i < category_->count(); ++i)
            category_->setItemText(i, Text(choices[static_cast<std::size_t>(i)]));
        category_->setCurrentIndex(
            settings.category ? static_cast<int>(*settings.category) + 1 : 0);
    }
    showResult();
}

void PcrPanel::showResult()
{
    const DesignModel& design = state_.design();
    const std::optional<PcrShown>& pcr = state_.pcr();
    banner_->showNote(OutOfDateNote(ShownResult::Pcr, state_.pcrStaleness()));
    saveCsv_->setEnabled(pcr && pcr->result);
    if (!pcr) {
        slab_->setText(Text(PcrNotComputedText()));
        code_->clear();
        note_->clear();
    } else {
        const PcrTexts texts = PcrTextsOf(*pcr, design.units);
        slab_->setText(Text(texts.slab));
        code_->setText(Text(texts.code));
        note_->setText(Text(texts.note));
    }
    if (run_)
        code_->setText(tr("Computing the PCR..."));
    code_->setVisible(!code_->text().isEmpty());
    note_->setVisible(!note_->text().isEmpty());
    const bool tables = pcr && pcr->result;
    rounds_->setVisible(tables);
    aircraft_->setVisible(tables);
    // An edit only changes the banner: the tables are filled when the PCR's cells change.
    TraceTable rounds
        = tables ? PcrRoundsTable(*pcr->result, pcr->basis, design.units) : TraceTable {};
    TraceTable aircraft = tables ? PcrAircraftTable(*pcr->result, pcr->basis) : TraceTable {};
    if (shownTables_ && SameTable(shownTables_->first, rounds)
        && SameTable(shownTables_->second, aircraft))
        return;
    FillTextTable(rounds_, rounds, TableStyle::Ratings);
    FillTextTable(aircraft_, aircraft, TableStyle::Ratings);
    shownTables_.emplace(std::move(rounds), std::move(aircraft));
    // The record numbers are in the CSV; the panel leaves them out to keep the mark of an
    // aircraft above the PCR in view.
    rounds_->setColumnHidden(kPcrRoundRecordColumn, true);
    aircraft_->setColumnHidden(kPcrAircraftRecordColumn, true);
    // The headings may take two lines.
    SetShownRows(rounds_, kRoundRows, true);
    SetShownRows(aircraft_, kAircraftRows, true);
    if (!tables)
        return;
    // An aircraft above the PCR: its row in bold, a warning sign before its name.
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (int r = 0; r < aircraft_->rowCount(); ++r) {
        const PcrAircraft& rated = pcr->result->aircraft[static_cast<std::size_t>(r)];
        if (!rated.acr || !rated.exceeds)
            continue;
        aircraft_->item(r, kPcrAircraftNameColumn)->setIcon(warning);
        for (int c = 0; c < aircraft_->columnCount(); ++c) {
            QTableWidgetItem* item = aircraft_->item(r, c);
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    aircraft_->resizeColumnsToContents();
}

void PcrPanel::follow()
{
    if (run_ || !state_.pcrDue())
        return;
    run_ = StartRun(*services_.prompter, "PCR", [this] { return state_.startPcr(); });
    if (run_)
        timer_->start();
}

void PcrPanel::take()
{
    timer_->stop();
    const std::unique_ptr<PcrRun> ended = std::move(run_);
    state_.finishPcr(*ended);
    emit changed();
}

void PcrPanel::finishNow()
{
    if (run_)
        take();
}

void PcrPanel::saveCsvAs()
{
    const std::optional<PcrShown>& pcr = state_.pcr();
    if (!pcr || !pcr->result)
        return;
    SaveCsvAs(services_, state_, this, tr("Save PCR"), "pcr.csv", "PCR",
        [this] { return *PcrPanelCsv(*state_.pcr(), state_.design().units); });
    emit changed();
}

} // namespace korvant::ui
