// The design panel DesignPanel on the picture area: the slab and subgrade rows with their layer
// bands, the bottom layer and its "Bonded" option, the slab size, the airfield's climate, the
// thickness found by the design, the Design Thickness and Report buttons and the evaluation of a
// given slab, each placed in twips. It hands what the user types to the window's state and shows
// what the state holds.
#pragma once

#include <QFrame>

#include <array>
#include <vector>

#include "design/window_model.h"
#include "ui/twips.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvant::ui {

class EvaluationBox;

class DesignPanel : public QFrame
{
    Q_OBJECT

public:
    // The panel's size in twips.
    static constexpr int kWidthTwips = 12360;
    static constexpr int kHeightTwips = 6000;

    DesignPanel(WindowModel& state, QWidget* parent);

    // Shows the state: field texts, thickness, bond option, unit captions and the evaluation.
    void refresh();
    // Shows and hides the panel's control groups as a view asks, and lowers the subgrade and
    // slab-size rows in the two-layer view.
    void applyLayout(const ViewLayout& layout);
    // Places every control at the screen's resolution.
    void placeControls();

signals:
    void designRequested();
    void reportRequested();
    void evaluateRequested();

private:
    void buildSlabRows();
    void buildBottomLayer();
    void buildSubgradeRows();
    void buildClimate();
    QLineEdit* addField(InputField field, QWidget* parent);
    QLabel* addUnitCaption(const char* objectName, QWidget* parent);
    QLabel* addLabel(const QString& text, QWidget* parent, bool heading = false);
    QLabel* addBand(const QColor& colour, const QString& objectName, const QString& pictured);

    WindowModel& state_;
    TwipsPlacement placement_;
    bool rowsLowered_ = false;

    std::array<QLineEdit*, kInputFieldCount> fields_ {};
    std::vector<QLabel*> unitCaptions_; // in the order of UnitCaptions()
    QLabel* lbh_ = nullptr;
    QLabel* notes_ = nullptr; // what the engineer must know beside the thickness
    QRadioButton* bondYes_ = nullptr;
    QRadioButton* bondNo_ = nullptr;
    EvaluationBox* evaluation_ = nullptr;

    // The control groups that the views show and hide.
    std::vector<QWidget*> slabGroup_, slabUnitGroup_, climateGroup_, bottomGroup_, buttonGroup_;
};

} // namespace korvant::ui
