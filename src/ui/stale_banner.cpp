// A word-wrapped label with a frame, filled with the palette's tooltip colours.
#include "ui/stale_banner.h"

namespace korvant::ui {

StaleBanner::StaleBanner(const QString& objectName, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setWordWrap(true);
    setFrameShape(QFrame::StyledPanel);
    setMargin(fontMetrics().height() / 4);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    hide();
}

void StaleBanner::showNote(const std::string& note)
{
    setText(QString::fromStdString(note));
    setAccessibleName(text());
    setVisible(!note.empty());
}

} // namespace korvant::ui
