// The design panel DesignPanel on the picture area: the slab and subgrade rows with their layer
// bands, the bottom layer and its "Bonded" option, the slab size, the airfield's climate, the
// thickness found by the design (greyed with a note when it is out of date), the Design Thickness
// and Report buttons, the evaluation of a given slab and the PCR panel. Layouts size every
// control to its contents at any font and scale; in a narrow window the columns move below one
// another.
// It hands what the user types to the window's state and shows what the state holds.
#pragma once

#include <QFrame>

#include <array>
#include <vector>

#include "design/window_model.h"
#include "ui/services.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvant::ui {

class EvaluationBox;
class PcrPanel;

class DesignPanel : public QFrame
{
    Q_OBJECT

public:
    DesignPanel(WindowModel& state, const Services& services, QWidget* parent);

    PcrPanel* pcrPanel() const { return pcr_; }

    // Shows the state: field texts and their tooltips, thickness and whether it is out of date,
    // bond option, unit captions and the evaluation.
    void refresh();
    // Shows and hides the panel's control groups as a view asks; the two-layer view's bottom
    // layer takes its rows between the slab and the subgrade.
    void applyLayout(const ViewLayout& layout);
    // Puts as many of its four columns side by side as `width` holds.
    void fitWidth(int width);

signals:
    void designRequested();
    void reportRequested();
    void evaluateRequested();
    void pcrRequested();
    // The user changed an input or the bond option.
    void inputsEdited();

private:
    QWidget* buildLayers();
    QWidget* buildResult();
    QWidget* buildClimate();
    void addBand(QGridLayout* grid, int row, int rows, const QColor& colour,
        const QString& objectName, const QString& pictured, std::vector<QWidget*>& group);
    QLineEdit* addField(InputField field, QWidget* parent);
    QLabel* addUnitCaption(const char* objectName, QWidget* parent);
    // One input on a row of `grid`: its label from `labelColumn` up to `fieldColumn`, the field,
    // then its unit caption; the label's mnemonic goes to the field.
    struct InputRow
    {
        QLabel* label;
        QLineEdit* field;
        QLabel* unit;
    };
    InputRow addInputRow(QGridLayout* grid, int row, int labelColumn, int fieldColumn,
        const QString& label, InputField field, const char* unitObjectName);

    WindowModel& state_;
    QGridLayout* columns_ = nullptr;
    QWidget* layers_ = nullptr;
    QWidget* result_ = nullptr;
    QWidget* climate_ = nullptr;
    PcrPanel* pcr_ = nullptr;
    int arrangement_ = 0; // the columns side by side now

    std::array<QLineEdit*, kInputFieldCount> fields_ {};
    std::vector<QLabel*> unitCaptions_; // in the order of UnitCaptions()
    QLabel* lbh_ = nullptr;
    QLabel* lbhNote_ = nullptr;
    QLabel* notes_ = nullptr; // what the engineer must know beside the thickness
    QRadioButton* bondYes_ = nullptr;
    QRadioButton* bondNo_ = nullptr;
    EvaluationBox* evaluation_ = nullptr;

    // The control groups that the views show and hide.
    std::vector<QWidget*> slabGroup_, slabUnitGroup_, climateGroup_, bottomGroup_, buttonGroup_;
};

} // namespace korvant::ui
