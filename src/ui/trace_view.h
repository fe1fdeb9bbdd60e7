// The "Calculation Trace" view: the summary of the last design, the calculation sheet with every
// value of each aircraft at the design thickness, the table of bisection trials, and the button
// that saves the trace as CSV. It shows the core's tables as they are.
#pragma once

#include <QWidget>

#include "design/design_trace.h"

class QLabel;
class QPushButton;
class QSplitter;
class QTableWidget;

namespace korvant::ui {

class StaleBanner;

class TraceView : public QWidget
{
    Q_OBJECT

public:
    explicit TraceView(QWidget* parent = nullptr);

    void showTrace(const std::string& summary, const TraceTable& sheet, const TraceTable& trials);
    // The banner of a trace that is out of date; empty while it is current.
    void showNote(const std::string& note);

signals:
    void saveCsvClicked();

private:
    QLabel* summary_ = nullptr;
    StaleBanner* banner_ = nullptr;
    QSplitter* tables_ = nullptr;
    QTableWidget* sheet_ = nullptr;
    QTableWidget* trials_ = nullptr;
};

} // namespace korvant::ui
