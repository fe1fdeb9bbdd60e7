// Read-only tables of the core's texts, filled row by row.
#include "ui/text_table.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include "design/ratings_report.h"
#include "io/number_text.h"

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

void FillTextTable(QTableWidget* table, const TraceTable& data, TableStyle style)
{
    const bool ratings = style == TableStyle::Ratings;
    std::vector<bool> left(data.headings.size(), false);
    for (std::size_t c = 0; c < left.size(); ++c) {
        left[c] = c == 0;
        if (ratings) {
            left[c] = false;
            for (const auto& row : data.rows)
                if (c < row.size() && !row[c].empty() && !IsNumberText(row[c]))
                    left[c] = true;
        }
    }
    table->clear();
    table->setColumnCount(static_cast<int>(data.headings.size()));
    table->setRowCount(static_cast<int>(data.rows.size()));
    QStringList headings;
    for (const std::string& heading : data.headings) {
        QStringList lines;
        for (const std::string& line :
            ratings ? HeadingLines(heading, 0) : std::vector<std::string> { heading })
            lines.append(QString::fromStdString(line));
        headings.append(lines.join(QLatin1Char('\n')));
    }
    table->setHorizontalHeaderLabels(headings);
    for (int r = 0; r < table->rowCount(); ++r) {
        const auto& row = data.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table->columnCount() && c < static_cast<int>(row.size()); ++c) {
            auto* item
                = new QTableWidgetItem(QString::fromStdString(row[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignVCenter
                | (left[static_cast<std::size_t>(c)] ? Qt::AlignLeft : Qt::AlignRight));
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
