// Two read-only tables in a vertical layout; the sheet's first column names the quantity with
// its unit and stays left-aligned, the values are right-aligned.
#include "ui/trace_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvant::ui {
namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QTableWidget* NewTable(const QString& objectName, const QString& accessibleName, QWidget* parent)
{
    auto* table = new QTableWidget(parent);
    table->setObjectName(objectName);
    table->setAccessibleName(accessibleName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->setAlternatingRowColors(true);
    return table;
}

void Fill(QTableWidget* table, const TraceTable& data)
{
    table->clear();
    table->setColumnCount(static_cast<int>(data.headings.size()));
    table->setRowCount(static_cast<int>(data.rows.size()));
    QStringList headings;
    for (const std::string& heading : data.headings)
        headings.append(Text(heading));
    table->setHorizontalHeaderLabels(headings);
    for (int r = 0; r < table->rowCount(); ++r) {
        const auto& row = data.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table->columnCount() && c < static_cast<int>(row.size()); ++c) {
            auto* item = new QTableWidgetItem(Text(row[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
}

} // namespace

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

    sheet_ = NewTable(QStringLiteral("tblTraceAircraft"), tr("values of each aircraft"), this);
    sheet_->horizontalHeader()->setStretchLastSection(false);
    auto* trialsHeading = new QLabel(tr("Bisection trials"), this);
    QFont bold = trialsHeading->font();
    bold.setBold(true);
    trialsHeading->setFont(bold);
    trials_ = NewTable(QStringLiteral("tblTraceTrials"), tr("bisection trials"), this);

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
    summary_->setText(Text(summary));
    Fill(sheet_, sheet);
    Fill(trials_, trials);
}

} // namespace korvant::ui
