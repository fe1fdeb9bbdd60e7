// The aircraft data view: the aircraft list ListAircraft, the traffic grid Grid1 over the mix,
// the Add, Remove and Remove ALL buttons, and the Change Data dialog for a double-clicked value.
// The list and the grid take 70 % of the height, the grid 60 % of the width.
#pragma once

#include <QWidget>

#include "design/window_model.h"
#include "ui/services.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

namespace korvant::ui {

class ChangeDataDialog;
class TrafficTableModel;

class TrafficPanel : public QWidget
{
    Q_OBJECT

public:
    TrafficPanel(WindowModel& state, const Services& services, QWidget* parent);

    QPushButton* addButton() const { return add_; }
    // Shows the mix as the state holds it.
    void refresh();
    // Closes the Change Data dialog, whose cell the mix may no longer hold.
    void closeChangeData();

    // Takes `area` within its parent: the list and the grid at 70 % of its height, the grid at
    // 60 % of its width, the buttons below them.
    void placeIn(const QRect& area);

private:
    void addSelectedAircraft();
    void removeClickedAircraft();
    void removeAllAircraft();
    void editCell(int row, int column);
    void confirmChangeData();
    void sizeGrid();

    WindowModel& state_;
    Services services_;
    TrafficTableModel* model_ = nullptr;
    QLabel* listHeading_ = nullptr;
    QLabel* gridHeading_ = nullptr;
    QListWidget* list_ = nullptr;
    QTableView* grid_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* removeAll_ = nullptr;
    ChangeDataDialog* changeData_ = nullptr; // made on first use
};

} // namespace korvant::ui
