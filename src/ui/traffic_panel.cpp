// The aircraft data view: every action goes to the window's state, and the grid's model then
// takes the state's texts again.
#include "ui/traffic_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

#include "ui/change_data_dialog.h"
#include "ui/traffic_table_model.h"
#include "ui/widget_helpers.h"

namespace korvant::ui {
namespace {

QLabel* Heading(const QString& text, const QString& objectName, QWidget* parent)
{
    QLabel* label = NewLabel(text, parent, true);
    label->setObjectName(objectName);
    return label;
}

} // namespace

TrafficPanel::TrafficPanel(WindowModel& state, const Services& services, QWidget* parent)
    : QWidget(parent)
    , state_(state)
    , services_(services)
{
    setObjectName(QStringLiteral("TrafficPanel"));
    QLabel* listHeading = Heading(tr("Aircraft"), QStringLiteral("lblAircraftList"), this);
    QLabel* gridHeading = Heading(tr("Traffic mix"), QStringLiteral("lblTrafficMix"), this);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListAircraft"));
    list_->setAccessibleName(tr("aircraft list"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    listHeading->setBuddy(list_);
    for (const std::string& name : state_.aircraftListNames())
        list_->addItem(QString::fromStdString(name));
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { addSelectedAircraft(); });
    list_->setMinimumWidth(fontMetrics().averageCharWidth() * 16);

    model_ = new TrafficTableModel(state_, this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("Grid1"));
    grid_->setAccessibleName(tr("traffic mix"));
    grid_->setToolTip(tr("Double-click a value, or press Enter or F2 on it, to change it."));
    grid_->setModel(model_);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setWordWrap(false);
    grid_->setTabKeyNavigation(false);
    grid_->installEventFilter(this);
    gridHeading->setBuddy(grid_);
    connect(grid_, &QTableView::clicked, this,
        [this](const QModelIndex& index) { state_.clickCell(index.row(), index.column()); });
    connect(grid_, &QTableView::doubleClicked, this,
        [this](const QModelIndex& index) { editCell(index.row(), index.column()); });

    add_ = new QPushButton(tr("&Add"), this);
    add_->setObjectName(QStringLiteral("cmdAdd"));
    remove_ = new QPushButton(tr("&Remove"), this);
    remove_->setObjectName(QStringLiteral("cmdDel"));
    removeAll_ = new QPushButton(tr("Remove A&LL"), this);
    removeAll_->setObjectName(QStringLiteral("cmddelall"));
    connect(add_, &QPushButton::clicked, this, &TrafficPanel::addSelectedAircraft);
    connect(remove_, &QPushButton::clicked, this, &TrafficPanel::removeClickedAircraft);
    connect(removeAll_, &QPushButton::clicked, this, &TrafficPanel::removeAllAircraft);

    auto* gridButtons = new QHBoxLayout;
    gridButtons->addWidget(remove_);
    gridButtons->addWidget(removeAll_);
    gridButtons->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(listHeading, 0, 0);
    layout->addWidget(gridHeading, 0, 1);
    layout->addWidget(list_, 1, 0);
    layout->addWidget(grid_, 1, 1);
    layout->addWidget(add_, 2, 0, Qt::AlignLeft);
    layout->addLayout(gridButtons, 2, 1);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 5);
    layout->setRowStretch(1, 1);
    setTabOrder(list_, add_);
    setTabOrder(add_, grid_);
    setTabOrder(grid_, remove_);
    setTabOrder(remove_, removeAll_);
    sizeGrid();
}

void TrafficPanel::sizeGrid()
{
    // Every title, unit and value whole: the columns and the rows follow their contents.
    grid_->resizeColumnsToContents();
    grid_->resizeRowsToContents();
}

bool TrafficPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Enter and F2 change the value of the current cell as a double click does; Space selects
    // its row for Remove as a click does.
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QModelIndex current = grid_->currentIndex();
        if (current.isValid()
            && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2
                || key == Qt::Key_Space)) {
            state_.clickCell(current.row(), current.column());
            if (key != Qt::Key_Space)
                editCell(current.row(), current.column());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TrafficPanel::refresh()
{
    model_->sync();
    sizeGrid();
}

void TrafficPanel::addSelectedAircraft()
{
    const auto selected = list_->selectionModel()->selectedRows();
    const int position = selected.isEmpty() ? -1 : selected.back().row();
    if (state_.addListAircraft(position)) {
        refresh();
        emit mixChanged();
    }
}

void TrafficPanel::removeClickedAircraft()
{
    if (state_.removeClicked(*services_.prompter)) {
        grid_->clearSelection();
        refresh();
        emit mixChanged();
    }
}

void TrafficPanel::removeAllAircraft()
{
    state_.removeAll();
    refresh();
    emit mixChanged();
}

void TrafficPanel::editCell(int row, int column)
{
    const auto request = state_.beginEdit(row, column);
    if (!request)
        return;
    if (!changeData_) {
        changeData_ = new ChangeDataDialog(this);
        connect(changeData_, &ChangeDataDialog::okClicked, this, &TrafficPanel::confirmChangeData);
    }
    changeData_->showRequest(QString::fromStdString(request->prompt),
        QString::fromStdString(request->value), QString::fromStdString(request->unit));
}

void TrafficPanel::confirmChangeData()
{
    const EditResult result
        = state_.confirmEdit(changeData_->valueText().toStdString(), *services_.prompter);
    changeData_->setValueText(QString::fromStdString(result.text));
    emit mixChanged();
    if (result.outcome == EditOutcome::Rejected) {
        changeData_->focusValue();
        return;
    }
    changeData_->hide();
    window()->activateWindow();
    grid_->setFocus();
    refresh();
}

void TrafficPanel::closeChangeData()
{
    if (changeData_)
        changeData_->hide();
}

} // namespace korvant::ui
