// The aircraft data view: every action goes to the window's state, and the grid's model then
// takes the state's texts again.
#include "ui/traffic_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

#include "ui/change_data_dialog.h"
#include "ui/traffic_table_model.h"
#include "ui/twips.h"

namespace korvant::ui {
namespace {

constexpr int kRowTwips = 400; // the headings above the list and the grid
constexpr int kControlGapTwips = 100; // the buttons below the list and the grid
constexpr int kMarginTwips = 240;
constexpr int kListWidthTwips = 3900; // widest aircraft list
constexpr int kButtonHeightTwips = 460;
constexpr int kNameColumnTwips = 1300;
constexpr int kValueColumnTwips = 1200;
constexpr int kTitleRowTwips = 500;

QLabel* Heading(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setStyleSheet(QStringLiteral("color: #2b3a4a;"));
    return label;
}

} // namespace

TrafficPanel::TrafficPanel(WindowModel& state, const Services& services, QWidget* parent)
    : QWidget(parent)
    , state_(state)
    , services_(services)
{
    setObjectName(QStringLiteral("TrafficPanel"));
    listHeading_ = Heading(tr("Aircraft"), QStringLiteral("lblAircraftList"), this);
    gridHeading_ = Heading(tr("Traffic mix"), QStringLiteral("lblTrafficMix"), this);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListAircraft"));
    list_->setAccessibleName(tr("aircraft list"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    listHeading_->setBuddy(list_);
    for (const std::string& name : state_.aircraftListNames())
        list_->addItem(QString::fromStdString(name));
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { addSelectedAircraft(); });

    model_ = new TrafficTableModel(state_, this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("Grid1"));
    grid_->setAccessibleName(tr("traffic mix"));
    grid_->setModel(model_);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setWordWrap(true);
    gridHeading_->setBuddy(grid_);
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
    sizeGrid();
}

void TrafficPanel::sizeGrid()
{
    grid_->setColumnWidth(0, TwipsToPixels(kNameColumnTwips, logicalDpiX()));
    for (int c = 1; c < kGridColumns; ++c)
        grid_->setColumnWidth(c, TwipsToPixels(kValueColumnTwips, logicalDpiX()));
    grid_->setRowHeight(0, TwipsToPixels(kTitleRowTwips, logicalDpiY()));
}

void TrafficPanel::refresh()
{
    model_->sync();
    sizeGrid();
}

void TrafficPanel::placeIn(const QRect& area)
{
    setGeometry(area);
    const int margin = TwipsToPixels(kMarginTwips, logicalDpiX());
    const int gridWidth = qRound(width() * 0.6);
    const int listHeight = qRound(height() * 0.7);
    const int listWidth = qMax(TwipsToPixels(1200, logicalDpiX()),
        qMin(TwipsToPixels(kListWidthTwips, logicalDpiX()), width() - gridWidth - 3 * margin));
    const int left = qMax(margin, (width() - listWidth - margin - gridWidth) / 2);
    const int headingHeight = TwipsToPixels(kRowTwips, logicalDpiY());
    const int top = TwipsToPixels(kMarginTwips, logicalDpiY()) + headingHeight;
    listHeading_->setGeometry(left, top - headingHeight, listWidth, headingHeight);
    list_->setGeometry(left, top, listWidth, listHeight);
    const int gridLeft = left + listWidth + margin;
    gridHeading_->setGeometry(gridLeft, top - headingHeight, gridWidth, headingHeight);
    grid_->setGeometry(gridLeft, top, gridWidth, listHeight);
    const int buttonTop = top + listHeight + TwipsToPixels(kControlGapTwips, logicalDpiY());
    const int buttonHeight = TwipsToPixels(kButtonHeightTwips, logicalDpiY());
    const int buttonWidth = TwipsToPixels(1500, logicalDpiX());
    add_->setGeometry(left, buttonTop, qMin(buttonWidth, listWidth), buttonHeight);
    remove_->setGeometry(gridLeft, buttonTop, buttonWidth, buttonHeight);
    removeAll_->setGeometry(
        gridLeft + buttonWidth + TwipsToPixels(kControlGapTwips * 2, logicalDpiX()), buttonTop,
        buttonWidth, buttonHeight);
}

void TrafficPanel::addSelectedAircraft()
{
    const auto selected = list_->selectionModel()->selectedRows();
    const int position = selected.isEmpty() ? -1 : selected.back().row();
    if (state_.addListAircraft(position))
        refresh();
}

void TrafficPanel::removeClickedAircraft()
{
    if (state_.removeClicked(*services_.prompter)) {
        grid_->clearSelection();
        refresh();
    }
}

void TrafficPanel::removeAllAircraft()
{
    state_.removeAll();
    refresh();
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
    if (result.outcome == EditOutcome::Rejected)
        return;
    changeData_->hide();
    window()->activateWindow();
    refresh();
}

void TrafficPanel::closeChangeData()
{
    if (changeData_)
        changeData_->hide();
}

} // namespace korvant::ui
