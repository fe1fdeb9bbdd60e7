// Read-only tables of the core's texts: the first column names the row and stays left-aligned,
// the values are right-aligned; or, for the rating tables, a column of words left and a column of
// numbers right under a long heading on two lines.
#pragma once

#include <QString>

#include "design/design_trace.h"

class QTableWidget;
class QWidget;

namespace korvant::ui {

QTableWidget* NewTextTable(
    const QString& objectName, const QString& accessibleName, QWidget* parent);

enum class TableStyle { Trace, Ratings };

// Replaces the table's headings and cells with the data's; every column as wide as its heading
// and its values.
void FillTextTable(
    QTableWidget* table, const TraceTable& data, TableStyle style = TableStyle::Trace);

// The width that shows every column of the table whole, with its frame and vertical scroll bar.
int TableContentWidth(const QTableWidget* table);

} // namespace korvant::ui
