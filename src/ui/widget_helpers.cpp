// Small helpers the window's widgets share.
#include "ui/widget_helpers.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>

namespace korvant::ui {

int DigitsWidth(const QWidget& widget, int digits)
{
    return widget.fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0')));
}

void SetFieldDigitsWidth(QLineEdit* edit, int digits)
{
    const QMargins margins = edit->textMargins();
    edit->setMinimumWidth(DigitsWidth(*edit, digits) + margins.left() + margins.right()
        + 2 * edit->fontMetrics().averageCharWidth());
}

QLabel* NewLabel(const QString& text, QWidget* parent, bool heading)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (heading) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    return label;
}

QLabel* NewWrappedLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void SetShownRows(QTableWidget* table, int rows, bool scrollBarRoom)
{
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height()
        + rows * table->verticalHeader()->defaultSectionSize() + 2 * table->frameWidth()
        + (scrollBarRoom ? table->horizontalScrollBar()->sizeHint().height() : 0));
}

} // namespace korvant::ui
