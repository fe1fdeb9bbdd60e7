// The traffic grid's rows as a Qt table model over the window's state: the column titles, the
// unit captions, then one row per aircraft of the mix, each cell as the core writes it.
#pragma once

#include <QAbstractTableModel>

#include <string>
#include <vector>

#include "design/window_model.h"

namespace korvant::ui {

class TrafficTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    TrafficTableModel(const WindowModel& state, QObject* parent);

    // Takes the state's grid texts: rows come and go as the mix grows and shrinks, and only the
    // cells whose text changed are redrawn.
    void sync();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const WindowModel& state_;
    std::vector<std::vector<std::string>> rows_;
};

} // namespace korvant::ui
