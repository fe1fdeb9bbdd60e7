// Two read-only tables of texts side by side below the summary, and the CSV button.
#include "ui/trace_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/text_table.h"

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
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lbTraceSummary"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* units = new QLabel(tr("Values in the units the design works in: in, lb, psi, pci, 'F, "
                                "mph. The aircraft values are those of the last trial."),
        this);
    units->setStyleSheet(QStringLiteral("color: #4d5966;"));

    sheet_ = NewTextTable(QStringLiteral("tblTraceAircraft"), tr("values of each aircraft"), this);
    sheet_->horizontalHeader()->setStretchLastSection(false);
    auto* trialsHeading = new QLabel(tr("Bisection trials"), this);
    QFont bold = trialsHeading->font();
    bold.setBold(true);
    trialsHeading->setFont(bold);
    trials_ = NewTextTable(QStringLiteral("tblTraceTrials"), tr("bisection trials"), this);

    auto* save = new QPushButton(tr("Save as &CSV..."), this);
    save->setObjectName(QStringLiteral("cmdSaveTraceCsv"));
    connect(save, &QPushButton::clicked, this, &TraceView::saveCsvClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);

    auto* sheetHeading = new QLabel(tr("Each aircraft at the design thickness"), this);
    sheetHeading->setFont(bold);

    // The sheet and the trials side by side, each as high as the view allows.
    auto* sheetColumn = new QVBoxLayout;
    sheetColumn->addWidget(sheetHeading);
    sheetColumn->addWidget(sheet_);
    auto* trialsColumn = new QVBoxLayout;
    trialsColumn->addWidget(trialsHeading);
    trialsColumn->addWidget(trials_);
    auto* tables = new QHBoxLayout;
    tables->addLayout(sheetColumn, 3);
    tables->addLayout(trialsColumn, 2);

    layout->addWidget(title);
    layout->addWidget(summary_);
    layout->addWidget(units);
    layout->addLayout(tables, 1);
    layout->addLayout(buttons);
}

void TraceView::showTrace(
    const std::string& summary, const TraceTable& sheet, const TraceTable& trials)
{
    summary_->setText(QString::fromStdString(summary));
    FillTextTable(sheet_, sheet);
    FillTextTable(trials_, trials);
}

} // namespace korvant::ui
