// The group "Evaluate a Given Slab" fraEvaluate beside the design result: the slab thickness to
// evaluate with its unit and the Evaluate button, the damage ratio of each aircraft, and the
// total damage with the years the slab carries the traffic, with a banner when the evaluation is
// out of date.
#pragma once

#include <QGroupBox>

#include <vector>

#include "design/slab_evaluation.h"
#include "design/window_model.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace korvant::ui {

class StaleBanner;

class EvaluationBox : public QGroupBox
{
    Q_OBJECT

public:
    EvaluationBox(WindowModel& state, QWidget* parent);

    // Shows the typed thickness, its unit and the state's evaluation.
    void refresh();

signals:
    void evaluateRequested();

private:
    WindowModel& state_;
    QLabel* label_ = nullptr;
    QLineEdit* thickness_ = nullptr;
    QLabel* unit_ = nullptr;
    QPushButton* evaluate_ = nullptr;
    StaleBanner* banner_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* summary_ = nullptr;
    std::vector<EvaluationRow> shownRows_; // the rows the table shows
};

} // namespace korvant::ui
