// Small helpers the window's widgets share: the core's texts as QStrings, fields as wide as a
// number of digits, labels and bold headings, word-wrapped selectable labels, and tables as high
// as a number of rows.
#pragma once

#include <QString>

#include <string>

class QLabel;
class QLineEdit;
class QTableWidget;
class QWidget;

namespace korvant::ui {

inline QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// The width of `digits` zeros in the widget's font.
int DigitsWidth(const QWidget& widget, int digits);
// A field of the design panel at least as wide as `digits` digits, its text margins and one
// average character either side.
void SetFieldDigitsWidth(QLineEdit* edit, int digits);

// A label aligned left and centred vertically; a heading is bold.
QLabel* NewLabel(const QString& text, QWidget* parent, bool heading = false);
// A label named `objectName` that wraps its words and whose text the mouse can select.
QLabel* NewWrappedLabel(const QString& objectName, QWidget* parent);

// The table's height fixed to show its headings and `rows` rows without scrolling, with room for
// a horizontal scroll bar when asked.
void SetShownRows(QTableWidget* table, int rows, bool scrollBarRoom);

} // namespace korvant::ui
