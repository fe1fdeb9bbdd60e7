// The aircraft data view: the aircraft list ListAircraft, the traffic grid Grid1 over the mix,
// the Add, Remove and Remove ALL buttons, and the Change Data dialog for a value, opened by a
// double click, Enter or F2 on its cell. The list and the grid share the width, the grid's
// columns as wide as their titles and values.
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

signals:
    // The mix or a value of its aircraft changed, or a command ended with a status line.
    void mixChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

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
    QListWidget* list_ = nullptr;
    QTableView* grid_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* removeAll_ = nullptr;
    ChangeDataDialog* changeData_ = nullptr; // made on first use
};

} // namespace korvant::ui
