// The picture area Picture1 of the main window: the title lines on the title screen, and in the
// design views the design panel at the top with the damage charts of the last design below it
// (or a hint where they will appear). Hiding the area hides everything it carries.
#pragma once

#include <QFrame>

#include "design/window_model.h"

class QLabel;

namespace korvant::ui {

class DamageCharts;
class DesignPanel;

class PictureArea : public QFrame
{
    Q_OBJECT

public:
    PictureArea(WindowModel& state, QWidget* parent);

    DesignPanel* designPanel() const { return designPanel_; }
    DamageCharts* charts() const { return charts_; }

    // The area itself, the title lines and the design panel's groups as a view asks.
    void applyLayout(const ViewLayout& layout);
    // Shows the charts of the last design while its thickness is shown in a design view, the
    // hint in a design view without them.
    void refreshCharts();
    // Draws the charts again from the state's last design.
    void replotCharts();

    // Takes `area` within its parent and places the title lines, the panel and the charts in it.
    void placeIn(const QRect& area);

private:
    void placeContents();

    WindowModel& state_;
    QLabel* title1_ = nullptr;
    QLabel* title2_ = nullptr;
    DesignPanel* designPanel_ = nullptr;
    DamageCharts* charts_ = nullptr;
    QLabel* chartsHint_ = nullptr;
};

} // namespace korvant::ui
