// The sensitivity tab of the Studies window: the percentage by which each input is lowered and
// raised, Run, the table of the last result with its base design (and a banner when the inputs
// changed since), its tornado chart and the CSV export. The study runs at once on the window's
// thread; its eighteen designs take a moment.
#pragma once

#include <QWidget>

#include "design/window_model.h"
#include "ui/services.h"

class QChartView;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace korvant::ui {

class StaleBanner;

class SensitivityTab : public QWidget
{
    Q_OBJECT

public:
    // The model and the services must outlive the tab.
    SensitivityTab(WindowModel& state, const Services& services, QWidget* parent = nullptr);

    // Shows the model's percentage and its last result.
    void refresh();
    // Shows whether the last result is out of date.
    void refreshMark();

signals:
    // A command ended: the state's status line is new.
    void commandDone();

public slots:
    void run();
    void saveCsvAs();

private:
    WindowModel& state_;
    Services services_;
    QDoubleSpinBox* percent_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* saveCsv_ = nullptr;
    QLabel* summary_ = nullptr;
    StaleBanner* banner_ = nullptr;
    QTableWidget* table_ = nullptr;
    QChartView* tornado_ = nullptr;
};

} // namespace korvant::ui
