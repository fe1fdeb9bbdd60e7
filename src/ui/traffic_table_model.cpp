// The traffic grid's model: the two header rows are shown as headings, the aircraft rows with
// names to the left and values to the right.
#include "ui/traffic_table_model.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

namespace korvant::ui {

TrafficTableModel::TrafficTableModel(const WindowModel& state, QObject* parent)
    : QAbstractTableModel(parent)
    , state_(state)
{
    rows_ = state_.gridTexts();
}

void TrafficTableModel::sync()
{
    std::vector<std::vector<std::string>> rows = state_.gridTexts();
    const int before = static_cast<int>(rows_.size());
    const int after = static_cast<int>(rows.size());
    if (after < before) {
        beginRemoveRows({}, after, before - 1);
        rows_.resize(rows.size());
        endRemoveRows();
    } else if (after > before) {
        beginInsertRows({}, before, after - 1);
        rows_.resize(rows.size(), std::vector<std::string>(kGridColumns));
        endInsertRows();
    }
    for (int r = 0; r < after; ++r)
        for (int c = 0; c < kGridColumns; ++c) {
            std::string& cell = rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            std::string& text = rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (cell != text || r >= before) {
                cell = std::move(text);
                emit dataChanged(index(r, c), index(r, c));
            }
        }
}

int TrafficTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TrafficTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kGridColumns;
}

QVariant TrafficTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const bool header = index.row() < kGridHeaderRows;
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(
            rows_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())]);
    case Qt::TextAlignmentRole:
        if (header)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        return QVariant::fromValue(
            Qt::AlignVCenter | (index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight));
    case Qt::BackgroundRole:
        if (header)
            return QApplication::palette().button();
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags TrafficTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.row() < kGridHeaderRows)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace korvant::ui
