// The damage charts below the design panel: the total damage of the mix over the slab thickness
// on a logarithmic axis, with the bisection's trials and the design point, and each aircraft's
// share of the damage at the design thickness as bars, the governing one highlighted; side by
// side, or one above the other in a narrow window. They draw the core's chart data and nothing
// else.
#pragma once

#include <QWidget>

#include <vector>

#include "design/damage_chart.h"

class QChart;
class QChartView;
class QLabel;

namespace korvant::ui {

class DamageCharts : public QWidget
{
    Q_OBJECT

public:
    explicit DamageCharts(QWidget* parent = nullptr);

    // Replaces both charts. The titles come with the data.
    void showCharts(const DamageCurve& curve, const std::string& curveTitle,
        const std::vector<DamageShare>& shares, const std::string& sharesTitle);

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool stacked() const;

    QChartView* curveView_ = nullptr;
    QChartView* sharesView_ = nullptr;
    QLabel* note_ = nullptr;
};

} // namespace korvant::ui
