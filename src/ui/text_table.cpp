// Read-only tables of the core's texts, filled row by row.
#include "ui/text_table.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

namespace korvant::ui {

QTableWidget* NewTextTable(
    const QString& objectName, const QString& accessibleName, QWidget* parent)
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

void FillTextTable(QTableWidget* table, const TraceTable& data)
{
    table->clear();
    table->setColumnCount(static_cast<int>(data.headings.size()));
    table->setRowCount(static_cast<int>(data.rows.size()));
    QStringList headings;
    for (const std::string& heading : data.headings)
        headings.append(QString::fromStdString(heading));
    table->setHorizontalHeaderLabels(headings);
    for (int r = 0; r < table->rowCount(); ++r) {
        const auto& row = data.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table->columnCount() && c < static_cast<int>(row.size()); ++c) {
            auto* item
                = new QTableWidgetItem(QString::fromStdString(row[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
}

int TableContentWidth(const QTableWidget* table)
{
    return table->horizontalHeader()->length() + 2 * table->frameWidth()
        + table->verticalScrollBar()->sizeHint().width();
}

} // namespace korvant::ui
