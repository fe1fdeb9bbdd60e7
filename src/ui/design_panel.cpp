// The design panel: its controls in twips columns (bands, labels, fields, units, the thickness
// result and the climate column), built once and shown or hidden by group.
#include "ui/design_panel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/evaluation_box.h"
#include "ui/logo.h"

namespace korvant::ui {
namespace {

constexpr int kRowTwips = 400; // height of a field row
constexpr int kButtonHeightTwips = 460;
// How far the subgrade and slab-size rows move down in the two-layer view.
constexpr int kRowShiftTwips = 1000;

// Columns of the panel.
constexpr int kBandX = 240, kBandWidth = 1260;
constexpr int kLabelX = 1740, kFieldX = 2400, kFieldWidth = 1500, kUnitX = 4000;
constexpr int kRightX = 5000; // thickness result, bottom-layer thickness, evaluation
constexpr int kClimateX = 8700, kClimateWidth = 3420;

void SetShown(const std::vector<QWidget*>& group, std::optional<bool> shown)
{
    if (!shown)
        return;
    for (QWidget* widget : group)
        widget->setVisible(*shown);
}

} // namespace

DesignPanel::DesignPanel(WindowModel& state, QWidget* parent)
    : QFrame(parent)
    , state_(state)
{
    setObjectName(QStringLiteral("DesignPanel"));
    setStyleSheet(QStringLiteral("#DesignPanel { background-color: #fdfdfc; border: "
                                 "1px solid #cfcbc2; border-radius: 6px; }"));
    buildSlabRows();
    buildBottomLayer();
    buildSubgradeRows();
    buildClimate();

    evaluation_ = new EvaluationBox(state_, this);
    placement_.place(evaluation_, { kRightX, 2860, 3460, 3000 });
    evaluation_->placeChildren(placement_);
    connect(evaluation_, &EvaluationBox::evaluateRequested, this, &DesignPanel::evaluateRequested);
    slabGroup_.push_back(evaluation_);
}

QLineEdit* DesignPanel::addField(InputField field, QWidget* parent)
{
    const InputFieldInfo& info = InputFieldInfoOf(field);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromUtf8(info.objectName));
    edit->setAccessibleName(QString::fromUtf8(info.meaning));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(edit, &QLineEdit::textEdited, this,
        [this, field](const QString& text) { state_.setField(field, text.toStdString()); });
    fields_[static_cast<std::size_t>(field)] = edit;
    return edit;
}

QLabel* DesignPanel::addUnitCaption(const char* objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(objectName));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (std::size_t i = 0; i < UnitCaptions().size(); ++i)
        if (QLatin1String(UnitCaptions()[i].objectName) == QLatin1String(objectName)) {
            if (unitCaptions_.size() <= i)
                unitCaptions_.resize(i + 1, nullptr);
            unitCaptions_[i] = label;
        }
    return label;
}

QLabel* DesignPanel::addLabel(const QString& text, QWidget* parent, bool heading)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (heading) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setStyleSheet(QStringLiteral("color: #2b3a4a;"));
    }
    return label;
}

QLabel* DesignPanel::addBand(
    const QColor& colour, const QString& objectName, const QString& pictured)
{
    auto* band = new QLabel(this);
    band->setObjectName(objectName);
    band->setAccessibleName(tr("picture of the %1").arg(pictured));
    band->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid %2;")
                            .arg(colour.name(), colour.darker(125).name()));
    return band;
}

void DesignPanel::buildSlabRows()
{
    // Slab: the PCC rows E and Sc, and the thickness found by the design.
    QLabel* band = addBand(kSlabColour, QStringLiteral("bandSlab"), tr("concrete slab"));
    QLabel* pcc = addLabel(tr("PCC"), this, true);
    QLabel* thickness = addLabel(tr("Thickness"), this, true);
    QLabel* labelE = addLabel(tr("E"), this);
    QLabel* labelSc = addLabel(tr("Sc"), this);
    QLineEdit* txtE = addField(InputField::E, this);
    QLineEdit* txtSc = addField(InputField::Sc, this);
    labelE->setBuddy(txtE);
    labelSc->setBuddy(txtSc);
    QLabel* unitE = addUnitCaption("LbunitE", this);
    QLabel* unitSc = addUnitCaption("LbunitSc", this);
    lbh_ = new QLabel(this);
    lbh_->setObjectName(QStringLiteral("lbh"));
    lbh_->setAccessibleName(tr("design thickness"));
    lbh_->setAlignment(Qt::AlignCenter);
    lbh_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont resultFont = lbh_->font();
    resultFont.setBold(true);
    resultFont.setPointSizeF(resultFont.pointSizeF() * 1.3);
    lbh_->setFont(resultFont);
    lbh_->setStyleSheet(QStringLiteral(
        "#lbh { background-color: #ffffff; border: 1px solid #8f99a3; color: #123a66; }"));
    QLabel* unitH = addUnitCaption("Lbunith", this);
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("lbDesignNotes"));
    notes_->setWordWrap(true);
    notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notes_->setStyleSheet(QStringLiteral("color: #9a3412;"));
    placement_.place(band, { kBandX, 240, kBandWidth, 1500 });
    placement_.place(pcc, { kLabelX, 300, 2400, 360 });
    placement_.place(labelE, { kLabelX, 780, 600, kRowTwips });
    placement_.place(txtE, { kFieldX, 780, kFieldWidth, kRowTwips });
    placement_.place(unitE, { kUnitX, 780, 900, kRowTwips });
    placement_.place(labelSc, { kLabelX, 1260, 600, kRowTwips });
    placement_.place(txtSc, { kFieldX, 1260, kFieldWidth, kRowTwips });
    placement_.place(unitSc, { kUnitX, 1260, 900, kRowTwips });
    placement_.place(thickness, { kRightX, 300, 2400, 360 });
    placement_.place(lbh_, { kRightX, 780, 1300, 520 });
    placement_.place(unitH, { kRightX + 1400, 780, 700, 520 });
    placement_.place(notes_, { kRightX, 1320, 3460, 420 });
    slabGroup_ = { this, band, pcc, thickness, labelE, labelSc, txtE, txtSc, lbh_, notes_ };
    slabUnitGroup_ = { unitE, unitSc, unitH };
}

void DesignPanel::buildBottomLayer()
{
    // In the space that the two-layer view frees below the slab.
    QLabel* band
        = addBand(kBottomLayerColour, QStringLiteral("bandBottomLayer"), tr("bottom layer"));
    QLabel* heading = addLabel(tr("Bottom Layer Information"), this, true);
    QLabel* labelE2 = addLabel(tr("E"), this);
    QLabel* labelH2 = addLabel(tr("h"), this);
    QLineEdit* txtE2 = addField(InputField::E2, this);
    QLineEdit* txtH2 = addField(InputField::h2, this);
    labelE2->setBuddy(txtE2);
    labelH2->setBuddy(txtH2);
    QLabel* unitE2 = addUnitCaption("lbUnitE2", this);
    QLabel* unitH2 = addUnitCaption("lbunith2", this);
    auto* bonded = new QGroupBox(tr("Bonded"), this);
    bonded->setObjectName(QStringLiteral("fraBonded"));
    bondYes_ = new QRadioButton(tr("Yes"), bonded);
    bondYes_->setObjectName(QStringLiteral("bondyes"));
    bondNo_ = new QRadioButton(tr("No"), bonded);
    bondNo_->setObjectName(QStringLiteral("bondno"));
    connect(
        bondNo_, &QRadioButton::toggled, this, [this](bool checked) { state_.setBondNo(checked); });
    placement_.place(band, { kBandX, 1740, kBandWidth, 1000 });
    placement_.place(heading, { kLabelX, 1800, 3300, 360 });
    placement_.place(labelE2, { kLabelX, 2220, 600, kRowTwips });
    placement_.place(txtE2, { kFieldX, 2220, kFieldWidth, kRowTwips });
    placement_.place(unitE2, { kUnitX, 2220, 900, kRowTwips });
    placement_.place(labelH2, { kRightX, 2220, 300, kRowTwips });
    placement_.place(txtH2, { kRightX + 400, 2220, 900, kRowTwips });
    placement_.place(unitH2, { kRightX + 1400, 2220, 700, kRowTwips });
    placement_.place(bonded, { 7260, 1740, 1140, 1000 });
    placement_.place(bondYes_, { 150, 320, 900, 300 });
    placement_.place(bondNo_, { 150, 640, 900, 300 });
    bottomGroup_ = { band, heading, labelE2, labelH2, txtE2, txtH2, unitE2, unitH2, bonded };
}

void DesignPanel::buildSubgradeRows()
{
    // Directly below the slab, or kRowShiftTwips lower in the two-layer view.
    QLabel* band = addBand(kSubgradeColour, QStringLiteral("bandSubgrade"), tr("subgrade"));
    QLabel* subgrade = addLabel(tr("Subgrade"), this, true);
    QLabel* labelK = addLabel(tr("k"), this);
    QLineEdit* txtK = addField(InputField::k, this);
    labelK->setBuddy(txtK);
    QLabel* unitK = addUnitCaption("Lbunitk", this);
    QLabel* labelL = addLabel(tr("Slab Length"), this);
    QLabel* labelW = addLabel(tr("Slab Width"), this);
    QLineEdit* txtL = addField(InputField::SlabLength, this);
    QLineEdit* txtW = addField(InputField::SlabWidth, this);
    labelL->setBuddy(txtL);
    labelW->setBuddy(txtW);
    QLabel* unitL = addUnitCaption("LbunitL", this);
    QLabel* unitW = addUnitCaption("lbunitW", this);
    placement_.place(band, { kBandX, 1740, kBandWidth, 1000 }, true);
    placement_.place(subgrade, { kLabelX, 1800, 2400, 360 }, true);
    placement_.place(labelK, { kLabelX, 2220, 600, kRowTwips }, true);
    placement_.place(txtK, { kFieldX, 2220, kFieldWidth, kRowTwips }, true);
    placement_.place(unitK, { kUnitX, 2220, 900, kRowTwips }, true);
    placement_.place(labelL, { kBandX, 3000, 2000, kRowTwips }, true);
    placement_.place(txtL, { kFieldX, 3000, kFieldWidth, kRowTwips }, true);
    placement_.place(unitL, { kUnitX, 3000, 900, kRowTwips }, true);
    placement_.place(labelW, { kBandX, 3480, 2000, kRowTwips }, true);
    placement_.place(txtW, { kFieldX, 3480, kFieldWidth, kRowTwips }, true);
    placement_.place(unitW, { kUnitX, 3480, 900, kRowTwips }, true);
    slabGroup_.insert(slabGroup_.end(),
        { band, subgrade, labelK, txtK, labelL, labelW, txtL, txtW, unitL, unitW });
    slabUnitGroup_.push_back(unitK);
}

void DesignPanel::buildClimate()
{
    // The climate of the airfield and the two buttons, in the right-hand column.
    auto* climate = new QGroupBox(tr("Airfeild Annual Mean"), this);
    climate->setObjectName(QStringLiteral("fraClimate"));
    const struct
    {
        InputField field;
        const char* label;
        const char* unit;
    } rows[] = {
        { InputField::Precipitation, "Precipitation", "lbunitprec" },
        { InputField::Temperature, "Temperature", "lbunittemp" },
        { InputField::WindSpeed, "Wind Speed", "lbunitwind" },
    };
    int rowY = 420;
    for (const auto& row : rows) {
        QLabel* label = addLabel(tr(row.label), climate);
        QLineEdit* edit = addField(row.field, climate);
        label->setBuddy(edit);
        placement_.place(label, { 200, rowY, 1500, kRowTwips });
        placement_.place(edit, { 1700, rowY, 1000, kRowTwips });
        placement_.place(addUnitCaption(row.unit, climate), { 2800, rowY, 600, kRowTwips });
        rowY += 500;
    }
    placement_.place(climate, { kClimateX, 240, kClimateWidth, 2000 });

    auto* design = new QPushButton(tr("Design Thickness"), this);
    design->setObjectName(QStringLiteral("cmdDesign"));
    auto* report = new QPushButton(tr("Report"), this);
    report->setObjectName(QStringLiteral("cmdReport"));
    placement_.place(design, { kClimateX, 2520, kClimateWidth, kButtonHeightTwips });
    placement_.place(report, { kClimateX, 3120, kClimateWidth, kButtonHeightTwips });
    connect(design, &QPushButton::clicked, this, &DesignPanel::designRequested);
    connect(report, &QPushButton::clicked, this, &DesignPanel::reportRequested);
    climateGroup_ = { climate };
    buttonGroup_ = { design, report };
}

void DesignPanel::applyLayout(const ViewLayout& layout)
{
    SetShown(slabGroup_, layout.slabGroup);
    SetShown(slabUnitGroup_, layout.slabUnitCaptions);
    SetShown(climateGroup_, layout.climate);
    SetShown(bottomGroup_, layout.bottomLayer);
    SetShown(buttonGroup_, layout.designButtons);
    if (layout.rowsLowered && *layout.rowsLowered != rowsLowered_) {
        rowsLowered_ = *layout.rowsLowered;
        placeControls();
    }
}

void DesignPanel::placeControls()
{
    placement_.apply(*this, rowsLowered_ ? kRowShiftTwips : 0);
}

void DesignPanel::refresh()
{
    const DesignModel& design = state_.design();
    for (const InputFieldInfo& info : InputFields()) {
        QLineEdit* edit = fields_[static_cast<std::size_t>(info.field)];
        const QString text = QString::fromStdString(design.field(info.field));
        if (edit->text() != text)
            edit->setText(text);
    }
    lbh_->setText(QString::fromStdString(design.lbh));
    lbh_->setAccessibleDescription(lbh_->text()); // the name says what it is, this its value
    QStringList notes;
    for (const std::string& note : state_.designNotes())
        notes << QString::fromStdString(note);
    notes_->setText(notes.join(QLatin1Char(' ')));
    notes_->setToolTip(notes_->text());
    (design.bondNo ? bondNo_ : bondYes_)->setChecked(true);
    for (std::size_t i = 0; i < unitCaptions_.size(); ++i)
        if (unitCaptions_[i])
            unitCaptions_[i]->setText(QString::fromUtf8(state_.unitCaption(UnitCaptions()[i])));
    evaluation_->refresh();
}

} // namespace korvant::ui
