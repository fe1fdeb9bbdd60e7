// The picture area Picture1 of the main window: the title lines on the title screen, and in the
// design views the design panel at the top with the damage charts of the last design below it
// (or a hint where they will appear), with a banner when they are out of date. It lies in a
// scroll area, so a small window or a large scale scrolls instead of cutting controls off.
// Hiding the area hides everything it carries.
#pragma once

#include <QFrame>

#include "design/window_model.h"
#include "ui/services.h"

class QLabel;

namespace korvant::ui {

class DamageCharts;
class DesignPanel;
class StaleBanner;

class PictureArea : public QFrame
{
    Q_OBJECT

public:
    PictureArea(WindowModel& state, const Services& services, QWidget* parent);

    DesignPanel* designPanel() const { return designPanel_; }
    DamageCharts* charts() const { return charts_; }

    // The area itself, the title lines and the design panel's groups as a view asks.
    void applyLayout(const ViewLayout& layout);
    // Shows the charts of the last design while its thickness is shown in a design view, the
    // hint in a design view without them, and whether they are out of date.
    void refreshCharts();
    // Draws the charts again from the state's last design.
    void replotCharts();
    // Lays the design panel out for the width the area is given.
    void fitWidth(int width);

private:
    WindowModel& state_;
    QWidget* titlePage_ = nullptr;
    DesignPanel* designPanel_ = nullptr;
    StaleBanner* chartsBanner_ = nullptr;
    DamageCharts* charts_ = nullptr;
    QLabel* chartsHint_ = nullptr;
};

} // namespace korvant::ui
