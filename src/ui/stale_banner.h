// The banner above a result that is out of date: the core's note in the palette's tooltip
// colours, which stand out in light and dark schemes alike, hidden while the result is current.
#pragma once

#include <QLabel>

#include <string>

namespace korvant::ui {

class StaleBanner : public QLabel
{
    Q_OBJECT

public:
    StaleBanner(const QString& objectName, QWidget* parent);

    // Shows the note, or hides the banner for an empty one.
    void showNote(const std::string& note);
};

} // namespace korvant::ui
