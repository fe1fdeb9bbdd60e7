// The ACR view: the switch and the what-if weight go to the window's state, a run rates the rows
// the state says are waiting, and the table shows the state's rows with the ACR table's cells.
#include "ui/acr_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/file_export.h"
#include "ui/run_start.h"
#include "ui/text_table.h"
#include "ui/widget_helpers.h"

namespace korvant::ui {
namespace {

constexpr int kFollowMilliseconds = 50;
constexpr int kAircraftColumn = 1;
constexpr int kWeightColumn = 2;
constexpr int kWeightDigits = 10;

} // namespace

AcrView::AcrView(WindowModel& state, const Services& services, QWidget* parent)
    : QWidget(parent)
    , state_(state)
    , services_(services)
{
    setObjectName(QStringLiteral("acrView"));
    timer_ = new QTimer(this);
    timer_->setInterval(kFollowMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (!run_)
            return;
        progress_->setValue(run_->done());
        if (run_->finished())
            take();
    });

    QLabel* source = NewWrappedLabel(QStringLiteral("lbAcrSource"), this);
    source->setText(Text(AcrSourceLine()));

    // Alt+W, Alt+M, Alt+I, Alt+Y, Alt+G and Alt+C: no menu title and no other control shown
    // with the view uses them.
    catalogue_ = new QRadioButton(tr("&Whole catalogue"), this);
    catalogue_->setObjectName(QStringLiteral("rdoAcrCatalogue"));
    mix_ = new QRadioButton(tr("Traffic &mix only"), this);
    mix_->setObjectName(QStringLiteral("rdoAcrMix"));
    connect(mix_, &QRadioButton::toggled, this, [this](bool mix) {
        state_.setAcrScope(mix ? AcrScope::Mix : AcrScope::Catalogue);
        refresh();
    });
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("pbAcr"));
    progress_->setAccessibleName(tr("aircraft rated"));
    progress_->setFormat(tr("%v of %m aircraft rated"));
    // Shown while rows are rated; its room kept meanwhile, so that the table does not move.
    QSizePolicy kept = progress_->sizePolicy();
    kept.setRetainSizeWhenHidden(true);
    progress_->setSizePolicy(kept);
    progress_->hide();

    table_ = NewTextTable(QStringLiteral("tblAcr"), tr("ACR of each aircraft"), this);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(false);
    table_->setToolTip(tr("Press Enter or F2 on an aircraft to try another gross weight."));
    table_->installEventFilter(this);
    connect(table_, &QTableWidget::currentCellChanged, this, [this] { showCurrent(); });
    empty_ = NewWrappedLabel(QStringLiteral("lbAcrEmpty"), this);
    empty_->setEnabled(false); // drawn in the palette's greyed text
    note_ = NewWrappedLabel(QStringLiteral("lbAcrNote"), this);

    whatIfLabel_ = new QLabel(this);
    whatIfLabel_->setObjectName(QStringLiteral("lbAcrWhatIf"));
    whatIf_ = new QLineEdit(this);
    whatIf_->setObjectName(QStringLiteral("txtAcrWhatIf"));
    whatIf_->setAccessibleName(tr("what-if gross weight"));
    whatIf_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    whatIf_->setMinimumWidth(DigitsWidth(*whatIf_, kWeightDigits));
    whatIfLabel_->setBuddy(whatIf_);
    connect(whatIf_, &QLineEdit::returnPressed, this, &AcrView::applyWhatIf);
    whatIfUnit_ = new QLabel(this);
    whatIfUnit_->setObjectName(QStringLiteral("lbunitAcrWhatIf"));
    apply_ = new QPushButton(tr("Appl&y"), this);
    apply_->setObjectName(QStringLiteral("cmdAcrWhatIf"));
    apply_->setAutoDefault(false);
    connect(apply_, &QPushButton::clicked, this, &AcrView::applyWhatIf);
    clear_ = new QPushButton(tr("Catalo&gue weight"), this);
    clear_->setObjectName(QStringLiteral("cmdAcrCatalogueWeight"));
    clear_->setAutoDefault(false);
    connect(clear_, &QPushButton::clicked, this, &AcrView::clearWhatIf);
    saveCsv_ = new QPushButton(tr("Save as &CSV..."), this);
    saveCsv_->setObjectName(QStringLiteral("cmdSaveAcrCsv"));
    saveCsv_->setAutoDefault(false);
    connect(saveCsv_, &QPushButton::clicked, this, &AcrView::saveCsvAs);

    auto* scope = new QHBoxLayout;
    scope->addWidget(catalogue_);
    scope->addWidget(mix_);
    scope->addWidget(progress_, 1);
    auto* whatIf = new QGridLayout;
    whatIf->addWidget(whatIfLabel_, 0, 0, 1, 5);
    whatIf->addWidget(whatIf_, 1, 0);
    whatIf->addWidget(whatIfUnit_, 1, 1);
    whatIf->addWidget(apply_, 1, 2);
    whatIf->addWidget(clear_, 1, 3);
    whatIf->setColumnStretch(4, 1);
    whatIf->addWidget(saveCsv_, 1, 5);
    auto* column = new QVBoxLayout(this);
    column->addWidget(source);
    column->addLayout(scope);
    column->addWidget(table_, 1);
    column->addWidget(empty_);
    column->addWidget(note_);
    column->addLayout(whatIf);
    setTabOrder(catalogue_, mix_);
    setTabOrder(mix_, table_);
    setTabOrder(table_, whatIf_);
    setTabOrder(whatIf_, apply_);
    setTabOrder(apply_, clear_);
    setTabOrder(clear_, saveCsv_);
    hide();
}

AcrView::~AcrView() = default;

int AcrView::currentRecord() const
{
    const QTableWidgetItem* item = table_->item(table_->currentRow(), 0);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void AcrView::refresh()
{
    {
        const QSignalBlocker blocker(mix_);
        (state_.acrView().scope() == AcrScope::Mix ? mix_ : catalogue_)->setChecked(true);
    }
    showRows();
    follow();
}

void AcrView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
}

void AcrView::showRows()
{
    const DesignModel& design = state_.design();
    const AcrViewState& view = state_.acrView();
    const int current = currentRecord();
    const std::vector<AcrViewRow> rows = view.rows(design);
    TraceTable cells { view.headings(design.units), {} };
    for (const AcrViewRow& row : rows)
        cells.rows.push_back(row.cells);
    const QSignalBlocker blocker(table_);
    FillTextTable(table_, cells, TableStyle::Ratings);
    const QColor waiting = palette().color(QPalette::Disabled, QPalette::Text);
    int currentRow = rows.empty() ? -1 : 0;
    for (int r = 0; r < table_->rowCount(); ++r) {
        const AcrViewRow& row = rows[static_cast<std::size_t>(r)];
        table_->item(r, 0)->setData(Qt::UserRole, row.record);
        if (row.record == current)
            currentRow = r;
        const QString note = Text(row.note);
        for (int c = 0; c < table_->columnCount(); ++c) {
            QTableWidgetItem* item = table_->item(r, c);
            if (row.state != AcrRowState::Current)
                item->setForeground(waiting);
            if (!note.isEmpty())
                item->setToolTip(note);
        }
        if (row.whatIf) {
            QTableWidgetItem* weight = table_->item(r, kWeightColumn);
            QFont marked = weight->font();
            marked.setBold(true);
            marked.setItalic(true);
            weight->setFont(marked);
            weight->setToolTip(tr("What-if weight; the catalogue holds %1")
                                   .arg(Text(design.database.record(row.record).grossWeight)));
        }
    }
    if (currentRow >= 0)
        table_->setCurrentCell(currentRow, std::max(table_->currentColumn(), 0));
    empty_->setText(Text(AcrEmptyNote(view.scope())));
    empty_->setVisible(rows.empty());
    // The CSV is there when every row is current, as AcrViewState::csv gives it.
    saveCsv_->setEnabled(std::all_of(rows.begin(), rows.end(),
        [](const AcrViewRow& row) { return row.state == AcrRowState::Current; }));
    showCurrent();
}

void AcrView::showCurrent(bool retype)
{
    const DesignModel& design = state_.design();
    const int record = currentRecord();
    const bool chosen = record > 0 && record <= design.database.recordCount;
    whatIf_->setEnabled(chosen);
    apply_->setEnabled(chosen);
    clear_->setEnabled(chosen && state_.acrView().whatIfWeight(record));
    whatIfUnit_->setText(Text(GridUnitCaption(AircraftField::grossWeight, design.units)));
    if (!chosen) {
        whatIfRecord_ = 0;
        whatIfLabel_->setText(tr("What-&if gross weight"));
        whatIf_->clear();
        note_->clear();
        note_->hide();
        return;
    }
    const AircraftRecord& aircraft = design.database.record(record);
    QString name = Text(aircraft.name);
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    whatIfLabel_->setText(tr("What-&if gross weight of %1").arg(name));
    if (retype || record != whatIfRecord_ || !whatIf_->hasFocus())
        whatIf_->setText(
            Text(state_.acrView().whatIfWeight(record).value_or(aircraft.grossWeight)));
    whatIfRecord_ = record;
    const QTableWidgetItem* item = table_->item(table_->currentRow(), kAircraftColumn);
    note_->setText(item ? item->toolTip() : QString());
    note_->setVisible(!note_->text().isEmpty());
}

void AcrView::follow()
{
    if (run_ || !isVisible())
        return;
    run_ = StartRun(*services_.prompter, "ACR table", [this] { return state_.startAcr(); });
    progress_->setVisible(run_ != nullptr);
    if (!run_)
        return;
    progress_->setRange(0, run_->count());
    progress_->setValue(0);
    timer_->start();
}

void AcrView::take()
{
    timer_->stop();
    const std::unique_ptr<AcrRun> ended = std::move(run_);
    progress_->setValue(ended->count());
    progress_->hide();
    const bool rated = state_.finishAcr(*ended, *services_.prompter);
    showRows();
    emit commandDone();
    // Rows changed while this run went are rated next; after a failure the rows wait for the
    // next command rather than failing again at once.
    if (rated)
        follow();
}

void AcrView::applyWhatIf()
{
    const int record = currentRecord();
    if (record <= 0)
        return;
    state_.setWhatIfWeight(record, whatIf_->text().toStdString(), *services_.prompter);
    refresh();
    showCurrent(true);
    emit commandDone();
}

void AcrView::clearWhatIf()
{
    const int record = currentRecord();
    if (record <= 0)
        return;
    state_.clearWhatIfWeight(record);
    refresh();
    showCurrent(true);
    table_->setFocus(Qt::OtherFocusReason);
    emit commandDone();
}

void AcrView::saveCsvAs()
{
    if (!state_.acrView().csv(state_.design()))
        return;
    SaveCsvAs(services_, state_, this, tr("Save ACR Table"), "acr.csv", "ACR table",
        [this] { return *state_.acrView().csv(state_.design()); });
    emit commandDone();
}

bool AcrView::eventFilter(QObject* watched, QEvent* event)
{
    // Enter and F2 on a row go to its what-if weight.
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (currentRecord() > 0
            && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2)) {
            whatIf_->setFocus(Qt::OtherFocusReason);
            whatIf_->selectAll();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korvant::ui
