// The Studies window: the sensitivity and the reliability study on two tabs, each in a scroll area
// so that the window fits a small screen. It does not block the main window; closing it cancels
// a running reliability study and waits for its thread.
#pragma once

#include <QDialog>

#include "design/window_model.h"
#include "ui/services.h"

class QTabWidget;

namespace korvant::ui {

class ReliabilityTab;
class SensitivityTab;

class StudyWindow : public QDialog
{
    Q_OBJECT

public:
    enum class Tab { Sensitivity, Reliability };

    // The model and the services must outlive the window.
    StudyWindow(WindowModel& state, const Services& services, QWidget* parent = nullptr);

    // Shows the model's settings and results on the tab, and brings the window up with the
    // keyboard on the tab's first field.
    void showTab(Tab tab);
    // Shows whether each study's result is out of date.
    void refreshMarks();

    // Closing by the close box, Escape or close() ends here.
    void done(int result) override;

signals:
    // A command of a tab ended: the state's status line is new.
    void commandDone();

private:
    QTabWidget* tabs_ = nullptr;
    SensitivityTab* sensitivity_ = nullptr;
    ReliabilityTab* reliability_ = nullptr;
};

} // namespace korvant::ui
