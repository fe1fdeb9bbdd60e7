// The design panel: four columns of grid layouts (the layers with their bands, labels, fields and
// units; the thickness result and the evaluation; the climate and the two buttons; the PCR),
// built once and shown or hidden by group; their arrangement is in design_panel_columns.cpp.
// Hidden rows take no room, so the two-layer view's bottom layer pushes the subgrade and
// slab-size rows down.
#include "ui/design_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "design/input_help.h"
#include "ui/evaluation_box.h"
#include "ui/logo.h"
#include "ui/pcr_panel.h"
#include "ui/widget_helpers.h"

namespace korvant::ui {
namespace {

// Room in a field for its value, in digits.
constexpr int kFieldDigits = 10;
constexpr int kClimateDigits = 7;

void SetShown(const std::vector<QWidget*>& group, std::optional<bool> shown)
{
    if (!shown)
        return;
    for (QWidget* widget : group)
        widget->setVisible(*shown);
}

} // namespace

DesignPanel::DesignPanel(WindowModel& state, const Services& services, QWidget* parent)
    : QFrame(parent)
    , state_(state)
{
    setObjectName(QStringLiteral("DesignPanel"));
    setFrameShape(QFrame::StyledPanel);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    layers_ = buildLayers();
    result_ = buildResult();
    climate_ = buildClimate();
    pcr_ = new PcrPanel(state_, services, this);
    connect(pcr_, &PcrPanel::computeRequested, this, &DesignPanel::pcrRequested);
    slabGroup_.push_back(pcr_);
    columns_ = new QGridLayout(this);
    columns_->setHorizontalSpacing(fontMetrics().averageCharWidth() * 3);
    fitWidth(QWIDGETSIZE_MAX);

    // Tab runs through the inputs, the climate included, to the two buttons, then to the
    // evaluation and the PCR.
    const auto field = [this](InputField f) { return fields_[static_cast<std::size_t>(f)]; };
    QWidget* order[] = { field(InputField::SlabWidth), field(InputField::Precipitation),
        field(InputField::Temperature), field(InputField::WindSpeed), buttonGroup_[0],
        buttonGroup_[1], evaluation_->findChild<QWidget*>(QStringLiteral("txtEvaluate")),
        evaluation_->findChild<QWidget*>(QStringLiteral("cmdEvaluate")),
        pcr_->findChild<QWidget*>(QStringLiteral("rdoPcrDesign")),
        pcr_->findChild<QWidget*>(QStringLiteral("rdoPcrGiven")),
        pcr_->findChild<QWidget*>(QStringLiteral("txtPcrThickness")) };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QLineEdit* DesignPanel::addField(InputField field, QWidget* parent)
{
    const InputFieldInfo& info = InputFieldInfoOf(field);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromUtf8(info.objectName));
    edit->setAccessibleName(QString::fromUtf8(info.meaning));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetFieldDigitsWidth(edit, kFieldDigits);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        state_.setField(field, text.toStdString());
        emit inputsEdited();
    });
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
            // Room for the longer of the two units, so a switch moves nothing.
            const QString english = QString::fromUtf8(UnitCaptions()[i].english);
            const QString metric = QString::fromUtf8(UnitCaptions()[i].metric);
            label->setMinimumWidth(qMax(label->fontMetrics().horizontalAdvance(english),
                label->fontMetrics().horizontalAdvance(metric)));
        }
    return label;
}

DesignPanel::InputRow DesignPanel::addInputRow(QGridLayout* grid, int row, int labelColumn,
    int fieldColumn, const QString& label, InputField field, const char* unitObjectName)
{
    QWidget* parent = grid->parentWidget();
    const InputRow input { NewLabel(label, parent), addField(field, parent),
        addUnitCaption(unitObjectName, parent) };
    input.label->setBuddy(input.field);
    grid->addWidget(input.label, row, labelColumn, 1, fieldColumn - labelColumn);
    grid->addWidget(input.field, row, fieldColumn);
    grid->addWidget(input.unit, row, fieldColumn + 1);
    return input;
}

void DesignPanel::addBand(QGridLayout* grid, int row, int rows, const QColor& colour,
    const QString& objectName, const QString& pictured, std::vector<QWidget*>& group)
{
    // A picture of the layer in its material's colour, the same in every colour scheme.
    auto* band = new QLabel(grid->parentWidget());
    band->setObjectName(objectName);
    band->setAccessibleName(tr("picture of the %1").arg(pictured));
    band->setAutoFillBackground(true);
    band->setBackgroundRole(QPalette::Window);
    QPalette colours = band->palette();
    colours.setColor(QPalette::Window, colour);
    band->setPalette(colours);
    band->setFrameShape(QFrame::Box);
    band->setMinimumWidth(fontMetrics().averageCharWidth() * 6);
    grid->addWidget(band, row, 0, rows, 1);
    group.push_back(band);
}

QWidget* DesignPanel::buildLayers()
{
    // Slab, bottom layer and subgrade from the top down, then the slab size.
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("layerColumn"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const int gap = fontMetrics().height() / 2;

    // The slab: PCC with E and Sc.
    addBand(grid, 0, 3, kSlabColour, QStringLiteral("bandSlab"), tr("concrete slab"), slabGroup_);
    QLabel* pcc = NewLabel(tr("PCC"), box, true);
    const InputRow e = addInputRow(grid, 1, 1, 2, tr("E"), InputField::E, "LbunitE");
    const InputRow sc = addInputRow(grid, 2, 1, 2, tr("Sc"), InputField::Sc, "LbunitSc");
    grid->addWidget(pcc, 0, 1, 1, 3);
    slabGroup_.insert(slabGroup_.end(), { pcc, e.label, sc.label, e.field, sc.field });
    slabUnitGroup_ = { e.unit, sc.unit };

    // The bottom layer of the two-layer view, with its bond option.
    addBand(grid, 3, 3, kBottomLayerColour, QStringLiteral("bandBottomLayer"), tr("bottom layer"),
        bottomGroup_);
    QLabel* heading = NewLabel(tr("Bottom Layer Information"), box, true);
    const InputRow e2 = addInputRow(grid, 4, 1, 2, tr("E"), InputField::E2, "lbUnitE2");
    const InputRow h2 = addInputRow(grid, 5, 1, 2, tr("h"), InputField::h2, "lbunith2");
    auto* bonded = new QGroupBox(tr("Bonded"), box);
    bonded->setObjectName(QStringLiteral("fraBonded"));
    bonded->setToolTip(QString::fromStdString(BondTip()));
    bondYes_ = new QRadioButton(tr("Yes"), bonded);
    bondYes_->setObjectName(QStringLiteral("bondyes"));
    bondNo_ = new QRadioButton(tr("No"), bonded);
    bondNo_->setObjectName(QStringLiteral("bondno"));
    auto* bondLayout = new QVBoxLayout(bonded);
    bondLayout->addWidget(bondYes_);
    bondLayout->addWidget(bondNo_);
    connect(bondNo_, &QRadioButton::toggled, this, [this](bool checked) {
        state_.setBondNo(checked);
        emit inputsEdited();
    });
    grid->addWidget(heading, 3, 1, 1, 3);
    grid->addWidget(bonded, 3, 4, 3, 1, Qt::AlignTop);
    bottomGroup_.insert(bottomGroup_.end(),
        { heading, e2.label, h2.label, e2.field, h2.field, e2.unit, h2.unit, bonded });

    // The subgrade with k, then the slab size.
    addBand(
        grid, 6, 2, kSubgradeColour, QStringLiteral("bandSubgrade"), tr("subgrade"), slabGroup_);
    QLabel* subgrade = NewLabel(tr("Subgrade"), box, true);
    grid->addWidget(subgrade, 6, 1, 1, 3);
    const InputRow k = addInputRow(grid, 7, 1, 2, tr("k"), InputField::k, "Lbunitk");
    grid->setRowMinimumHeight(8, gap);
    const InputRow length
        = addInputRow(grid, 9, 0, 2, tr("Slab Length"), InputField::SlabLength, "LbunitL");
    const InputRow width
        = addInputRow(grid, 10, 0, 2, tr("Slab Width"), InputField::SlabWidth, "lbunitW");
    grid->setColumnStretch(5, 1);
    slabGroup_.insert(slabGroup_.end(),
        { subgrade, k.label, k.field, length.label, width.label, length.field, width.field,
            length.unit, width.unit });
    slabUnitGroup_.push_back(k.unit);
    return box;
}

QWidget* DesignPanel::buildResult()
{
    // The thickness found by the design, its out-of-date note and the evaluation below.
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("resultColumn"));
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    QLabel* thickness = NewLabel(tr("Thickness"), box, true);
    lbh_ = new QLabel(box);
    lbh_->setObjectName(QStringLiteral("lbh"));
    lbh_->setAccessibleName(tr("design thickness"));
    lbh_->setAlignment(Qt::AlignCenter);
    lbh_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbh_->setFrameShape(QFrame::StyledPanel);
    lbh_->setFrameShadow(QFrame::Sunken);
    lbh_->setAutoFillBackground(true);
    lbh_->setBackgroundRole(QPalette::Base);
    lbh_->setForegroundRole(QPalette::Text);
    QFont resultFont = lbh_->font();
    resultFont.setBold(true);
    resultFont.setPointSizeF(resultFont.pointSizeF() * 1.3);
    lbh_->setFont(resultFont);
    const QFontMetrics resultMetrics(resultFont);
    lbh_->setMinimumSize(
        resultMetrics.horizontalAdvance(QStringLiteral("000.0")) * 2, resultMetrics.height() * 2);
    QLabel* unitH = addUnitCaption("Lbunith", box);
    lbhNote_ = new QLabel(box);
    lbhNote_->setObjectName(QStringLiteral("lbhOutOfDate"));
    lbhNote_->setWordWrap(true);
    lbhNote_->hide();
    // What the engineer must know beside the thickness (below 4 in, beyond 30 in ...).
    notes_ = new QLabel(box);
    notes_->setObjectName(QStringLiteral("lbDesignNotes"));
    notes_->setWordWrap(true);
    notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = notes_->font();
    bold.setBold(true);
    notes_->setFont(bold);
    notes_->hide();
    auto* row = new QHBoxLayout;
    row->addWidget(lbh_);
    row->addWidget(unitH);
    row->addStretch(1);
    column->addWidget(thickness);
    column->addLayout(row);
    column->addWidget(lbhNote_);
    column->addWidget(notes_);

    evaluation_ = new EvaluationBox(state_, box);
    connect(evaluation_, &EvaluationBox::evaluateRequested, this, &DesignPanel::evaluateRequested);
    column->addWidget(evaluation_);
    column->addStretch(1);
    slabGroup_.insert(slabGroup_.end(), { this, thickness, lbh_, evaluation_ });
    slabUnitGroup_.push_back(unitH);
    return box;
}

QWidget* DesignPanel::buildClimate()
{
    // The climate of the airfield and the two buttons.
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("climateColumn"));
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* climate = new QGroupBox(tr("Airfeild Annual Mean"), box);
    climate->setObjectName(QStringLiteral("fraClimate"));
    auto* grid = new QGridLayout(climate);
    const struct
    {
        InputField field;
        const char* label;
        const char* unit;
    } rows[] = {
        { InputField::Precipitation, QT_TR_NOOP("Precipitation"), "lbunitprec" },
        { InputField::Temperature, QT_TR_NOOP("Temperature"), "lbunittemp" },
        { InputField::WindSpeed, QT_TR_NOOP("Wind Speed"), "lbunitwind" },
    };
    int line = 0;
    for (const auto& row : rows)
        SetFieldDigitsWidth(
            addInputRow(grid, line++, 0, 1, tr(row.label), row.field, row.unit).field,
            kClimateDigits);

    // Alt+G and Alt+P: no menu title and no other control of the window uses G or P.
    auto* design = new QPushButton(tr("Desi&gn Thickness"), box);
    design->setObjectName(QStringLiteral("cmdDesign"));
    design->setAutoDefault(false);
    auto* report = new QPushButton(tr("Re&port"), box);
    report->setObjectName(QStringLiteral("cmdReport"));
    report->setAutoDefault(false);
    connect(design, &QPushButton::clicked, this, &DesignPanel::designRequested);
    connect(report, &QPushButton::clicked, this, &DesignPanel::reportRequested);
    column->addWidget(climate);
    column->addSpacing(fontMetrics().height());
    column->addWidget(design);
    column->addWidget(report);
    column->addStretch(1);
    climateGroup_ = { climate };
    buttonGroup_ = { design, report };
    return box;
}

void DesignPanel::applyLayout(const ViewLayout& layout)
{
    SetShown(slabGroup_, layout.slabGroup);
    SetShown(slabUnitGroup_, layout.slabUnitCaptions);
    SetShown(climateGroup_, layout.climate);
    SetShown(bottomGroup_, layout.bottomLayer);
    SetShown(buttonGroup_, layout.designButtons);
}

void DesignPanel::refresh()
{
    const DesignModel& design = state_.design();
    for (const InputFieldInfo& info : InputFields()) {
        QLineEdit* edit = fields_[static_cast<std::size_t>(info.field)];
        const QString text = Text(design.field(info.field));
        if (edit->text() != text)
            edit->setText(text);
        edit->setToolTip(Text(InputFieldTip(info.field, design.units)));
    }
    lbh_->setText(Text(design.lbh));
    lbh_->setToolTip(Text(DesignThicknessTip(design.units)));
    // Out of date: the number greys and the note under it says what to do.
    const std::string note = design.lbh.empty()
        ? std::string()
        : OutOfDateNote(ShownResult::Thickness, state_.designStaleness());
    lbh_->setEnabled(note.empty());
    lbhNote_->setText(Text(note));
    lbhNote_->setVisible(!note.empty());
    // The name says what it is, the description its value and whether it is current.
    lbh_->setAccessibleDescription(note.empty() ? lbh_->text() : lbh_->text() + ", " + Text(note));
    {
        const QSignalBlocker blocker(bondNo_);
        (design.bondNo ? bondNo_ : bondYes_)->setChecked(true);
    }
    QStringList notes;
    for (const std::string& line : state_.designNotes())
        notes << Text(line);
    notes_->setText(notes.join(QLatin1Char(' ')));
    notes_->setVisible(!notes_->text().isEmpty());
    for (std::size_t i = 0; i < unitCaptions_.size(); ++i)
        if (unitCaptions_[i])
            unitCaptions_[i]->setText(QString::fromUtf8(state_.unitCaption(UnitCaptions()[i])));
    evaluation_->refresh();
    pcr_->refresh();
}

} // namespace korvant::ui
