// Two read-only tables of texts side by side below the summary, in a splitter that starts them at
// the widths of their columns, and the CSV button.
#include "ui/trace_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/stale_banner.h"
#include "ui/text_table.h"
#include "ui/widget_helpers.h"

namespace korvant::ui {

TraceView::TraceView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TraceView"));
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);

    auto* title = new QLabel(tr("Calculation Trace"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    title->setFont(titleFont);
    summary_ = NewWrappedLabel(QStringLiteral("lbTraceSummary"), this);
    auto* units = new QLabel(tr("Values in the units the design works in: in, lb, psi, pci, 'F, "
                                "mph. The aircraft values are those of the last trial."),
        this);
    units->setWordWrap(true);
    banner_ = new StaleBanner(QStringLiteral("lbTraceOutOfDate"), this);

    sheet_ = NewTextTable(QStringLiteral("tblTraceAircraft"), tr("values of each aircraft"), this);
    sheet_->horizontalHeader()->setStretchLastSection(false);
    QLabel* trialsHeading = NewLabel(tr("Bisection trials"), this, true);
    trials_ = NewTextTable(QStringLiteral("tblTraceTrials"), tr("bisection trials"), this);

    auto* save = new QPushButton(tr("Save as &CSV..."), this);
    save->setObjectName(QStringLiteral("cmdSaveTraceCsv"));
    connect(save, &QPushButton::clicked, this, &TraceView::saveCsvClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);

    QLabel* sheetHeading = NewLabel(tr("Each aircraft at the design thickness"), this, true);

    // The sheet and the trials side by side, each as high as the view allows.
    auto* sheetColumn = new QWidget(this);
    auto* sheetLayout = new QVBoxLayout(sheetColumn);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    sheetLayout->addWidget(sheetHeading);
    sheetLayout->addWidget(sheet_);
    auto* trialsColumn = new QWidget(this);
    auto* trialsLayout = new QVBoxLayout(trialsColumn);
    trialsLayout->setContentsMargins(0, 0, 0, 0);
    trialsLayout->addWidget(trialsHeading);
    trialsLayout->addWidget(trials_);
    tables_ = new QSplitter(Qt::Horizontal, this);
    tables_->setObjectName(QStringLiteral("splTrace"));
    tables_->setChildrenCollapsible(false);
    tables_->addWidget(sheetColumn);
    tables_->addWidget(trialsColumn);

    layout->addWidget(title);
    layout->addWidget(banner_);
    layout->addWidget(summary_);
    layout->addWidget(units);
    layout->addWidget(tables_, 1);
    layout->addLayout(buttons);
}

void TraceView::showNote(const std::string& note)
{
    banner_->showNote(note);
}

void TraceView::showTrace(
    const std::string& summary, const TraceTable& sheet, const TraceTable& trials)
{
    summary_->setText(QString::fromStdString(summary));
    FillTextTable(sheet_, sheet);
    FillTextTable(trials_, trials);
    // Each table as wide as its columns where the view has the room, the rest shared.
    const int sheetWidth = TableContentWidth(sheet_);
    const int trialsWidth = TableContentWidth(trials_);
    const int room = tables_->width() - tables_->handleWidth();
    if (room <= 0 || sheetWidth + trialsWidth <= 0)
        return;
    const int sheetShare = room >= sheetWidth + trialsWidth
        ? room - trialsWidth
        : room * sheetWidth / (sheetWidth + trialsWidth);
    tables_->setSizes({ sheetShare, room - sheetShare });
}

} // namespace korvant::ui
