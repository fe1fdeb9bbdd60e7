// The main window: builds the controls and menus, places them in twips at the screen's logical
// resolution, switches the views from the core's view table and passes every action to the
// core before showing the model again. In the design views the panel sits at the top of the
// picture area and the damage charts take the space below it.
#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QShortcutEvent>
#include <QTableWidget>

#include <exception>

#include "basics/program_info.h"
#include "design/damage_chart.h"
#include "design/design_trace.h"
#include "design/input_check.h"
#include "design/report.h"
#include "design/session_file.h"
#include "design/unit_switch.h"
#include "ui/about_box.h"
#include "ui/change_data_dialog.h"
#include "ui/damage_charts.h"
#include "ui/file_export.h"
#include "ui/logo.h"
#include "ui/report_printing.h"
#include "ui/study_window.h"
#include "ui/trace_view.h"
#include "ui/twips.h"

namespace korvant::ui {
namespace {

// The design controls sit on a panel of this size in the middle of the picture area.
constexpr int kPanelWidthTwips = 12360;
constexpr int kPanelHeightTwips = 6000;
constexpr int kPanelMarginTwips = 120; // above the panel and around the charts
constexpr int kRowTwips = 400; // height of a field row
constexpr int kControlGapTwips = 100; // Add and Remove buttons below the list and the grid
constexpr int kMarginTwips = 240; // around the aircraft controls
constexpr int kListWidthTwips = 3900; // widest aircraft list
constexpr int kButtonHeightTwips = 460;

// Columns of the design panel.
constexpr int kBandX = 240, kBandWidth = 1260;
constexpr int kLabelX = 1740, kFieldX = 2400, kFieldWidth = 1500, kUnitX = 4000;
constexpr int kRightX = 5000; // thickness result, bottom-layer thickness
constexpr int kClimateX = 8700, kClimateWidth = 3420;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

void SetShown(const std::vector<QWidget*>& group, std::optional<bool> shown)
{
    if (!shown)
        return;
    for (QWidget* widget : group)
        widget->setVisible(*shown);
}

} // namespace

MainWindow::MainWindow(WindowModel state, const Services& services, QWidget* parent)
    : QMainWindow(parent)
    , state_(std::move(state))
    , services_(services)
{
    setObjectName(QStringLiteral("frmAircraft"));
    setWindowTitle(QString::fromUtf8(kProgramName));
    setWindowIcon(QIcon(ProgramLogo(64, 2.0)));

    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central_);
    central_->installEventFilter(this);

    picture_ = new QFrame(central_);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setAutoFillBackground(true);
    QPalette pictureColours = picture_->palette();
    pictureColours.setColor(QPalette::Window, QColor(0xf3, 0xf2, 0xee));
    picture_->setPalette(pictureColours);

    title1_ = new QLabel(QString::fromUtf8(kProgramName), picture_);
    title1_->setObjectName(QStringLiteral("LbTitle1"));
    QFont titleFont = font();
    titleFont.setPointSize(44);
    titleFont.setBold(true);
    titleFont.setLetterSpacing(QFont::PercentageSpacing, 112);
    title1_->setFont(titleFont);
    title1_->setAlignment(Qt::AlignCenter);
    title1_->setStyleSheet(QStringLiteral("color: #2b3a4a;"));
    title2_ = new QLabel(QString::fromUtf8(kDescriptiveTitle), picture_);
    title2_->setObjectName(QStringLiteral("LbTitle2"));
    QFont subtitleFont = font();
    subtitleFont.setPointSize(18);
    title2_->setFont(subtitleFont);
    title2_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title2_->setWordWrap(true);
    title2_->setStyleSheet(QStringLiteral("color: #4d5966;"));
    titleGroup_ = { title1_, title2_ };

    buildDesignPanel();
    buildAircraftControls();

    txtReports_ = new QPlainTextEdit(central_);
    txtReports_->setObjectName(QStringLiteral("txtReports"));
    txtReports_->setAccessibleName(tr("design report"));
    txtReports_->setReadOnly(true);
    txtReports_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtReports_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    traceView_ = new TraceView(central_);
    traceView_->hide();
    connect(traceView_, &TraceView::saveCsvClicked, this, &MainWindow::saveTraceCsvAs);

    charts_ = new DamageCharts(picture_);
    charts_->hide();
    chartsHint_ = new QLabel(
        tr("After Design Thickness the damage charts of the design appear here."), picture_);
    chartsHint_->setObjectName(QStringLiteral("lbChartsHint"));
    chartsHint_->setAlignment(Qt::AlignCenter);
    chartsHint_->setStyleSheet(QStringLiteral("color: #8a8f96;"));
    chartsHint_->hide();

    buildMenus();
    menuBar()->installEventFilter(this);
    resize(1180, 800);

    fillAircraftList();
    setGridHeader();
    applyLayout(state_.enterView(View::Title));
    refresh();
}

MainWindow::~MainWindow() = default;

int MainWindow::pixelsX(int twips) const
{
    return TwipsToPixels(twips, logicalDpiX());
}

int MainWindow::pixelsY(int twips) const
{
    return TwipsToPixels(twips, logicalDpiY());
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File"));
    file->menuAction()->setObjectName(QStringLiteral("File"));
    QMenu* options = file->addMenu(tr("&Default Options"));
    options->setObjectName(QStringLiteral("mnuDefaultOptions"));
    options->menuAction()->setObjectName(QStringLiteral("mnuDefaultOptions"));
    metricOption_ = options->addAction(tr("&Metric System"));
    metricOption_->setObjectName(QStringLiteral("MetricOption"));
    metricOption_->setCheckable(true);
    englishOption_ = options->addAction(tr("&English System"));
    englishOption_->setObjectName(QStringLiteral("EnglishOption"));
    englishOption_->setCheckable(true);
    connect(metricOption_, &QAction::triggered, this, [this] { chooseUnits(UnitSystem::Metric); });
    connect(
        englishOption_, &QAction::triggered, this, [this] { chooseUnits(UnitSystem::English); });
    file->addSeparator();
    file->addAction(tr("&Read Data From File..."), this, &MainWindow::readInputData)
        ->setObjectName(QStringLiteral("FileLoad"));
    file->addAction(tr("&Save Input Data..."), this, &MainWindow::saveInputData)
        ->setObjectName(QStringLiteral("FileSave"));
    file->addSeparator();
    QAction* print = file->addAction(tr("&Print Report..."), this, &MainWindow::printReport);
    print->setObjectName(QStringLiteral("mnuPrintReport"));
    QAction* pdf
        = file->addAction(tr("Save Report as PD&F..."), this, &MainWindow::saveReportPdfAs);
    pdf->setObjectName(QStringLiteral("mnuSaveReportPdf"));
    saveTraceCsv_ = file->addAction(tr("Save Trace as &CSV..."), this, &MainWindow::saveTraceCsvAs);
    saveTraceCsv_->setObjectName(QStringLiteral("mnuSaveTraceCsv"));
    saveChartsPng_
        = file->addAction(tr("Save Charts as PN&G..."), this, &MainWindow::saveChartsPngAs);
    saveChartsPng_->setObjectName(QStringLiteral("mnuSaveChartsPng"));
    file->addSeparator();
    QAction* exit = file->addAction(tr("E&xit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("FileExit"));

    aircraftMenu_ = menuBar()->addAction(tr("&Aircraft Data"));
    aircraftMenu_->setObjectName(QStringLiteral("mnuAircraft"));
    connect(aircraftMenu_, &QAction::triggered, this, [this] { showView(View::Aircraft); });

    structureMenu_ = menuBar()->addMenu(tr("&Design Structure"));
    structureMenu_->setObjectName(QStringLiteral("mnuPvmtStru"));
    structureMenu_->menuAction()->setObjectName(QStringLiteral("mnuPvmtStru"));
    structureMenu_->addAction(tr("&One Layer System"), this, [this] { showView(View::OneLayer); })
        ->setObjectName(QStringLiteral("mnuOneLayer"));
    structureMenu_->addAction(tr("&Two Layer System"), this, [this] { showView(View::TwoLayer); })
        ->setObjectName(QStringLiteral("mnuTwoLayer"));

    traceMenu_ = menuBar()->addAction(tr("Calculation &Trace"));
    traceMenu_->setObjectName(QStringLiteral("mnuTrace"));
    connect(traceMenu_, &QAction::triggered, this, &MainWindow::showTrace);

    QMenu* studies = menuBar()->addMenu(tr("&Studies"));
    studies->setObjectName(QStringLiteral("mnuStudies"));
    studies->menuAction()->setObjectName(QStringLiteral("mnuStudies"));
    studies
        ->addAction(tr("&Sensitivity Study..."), this,
            [this] { showStudies(StudyWindow::Tab::Sensitivity); })
        ->setObjectName(QStringLiteral("mnuSensitivity"));
    studies
        ->addAction(tr("&Reliability Study..."), this,
            [this] { showStudies(StudyWindow::Tab::Reliability); })
        ->setObjectName(QStringLiteral("mnuReliability"));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(tr("&About"), this, &MainWindow::showAbout)
        ->setObjectName(QStringLiteral("mnuAbout"));
}

void MainWindow::place(QWidget* widget, QRect twips, bool followsRows)
{
    placed_.push_back({ widget, twips, followsRows });
}

QLineEdit* MainWindow::addField(InputField field, QWidget* parent)
{
    const InputFieldInfo& info = InputFieldInfoOf(field);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromUtf8(info.objectName));
    edit->setAccessibleName(QString::fromUtf8(info.meaning));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(edit, &QLineEdit::textEdited, this,
        [this, field](const QString& text) { state_.design.field(field) = text.toStdString(); });
    fields_[static_cast<std::size_t>(field)] = edit;
    return edit;
}

QLabel* MainWindow::addUnitCaption(const char* objectName, QWidget* parent)
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

QLabel* MainWindow::addLabel(const QString& text, QWidget* parent, bool heading)
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

QLabel* MainWindow::addBand(
    const QColor& colour, const QString& objectName, const QString& pictured, QWidget* parent)
{
    auto* band = new QLabel(parent);
    band->setObjectName(objectName);
    band->setAccessibleName(tr("picture of the %1").arg(pictured));
    band->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid %2;")
                            .arg(colour.name(), colour.darker(125).name()));
    return band;
}

void MainWindow::buildDesignPanel()
{
    designPanel_ = new QFrame(picture_);
    designPanel_->setObjectName(QStringLiteral("DesignPanel"));
    designPanel_->setStyleSheet(QStringLiteral("#DesignPanel { background-color: #fdfdfc; border: "
                                               "1px solid #cfcbc2; border-radius: 6px; }"));
    QWidget* p = designPanel_;

    // Slab: the PCC rows E and Sc, and the thickness found by the design.
    QLabel* slabBand = addBand(kSlabColour, QStringLiteral("bandSlab"), tr("concrete slab"), p);
    QLabel* pcc = addLabel(tr("PCC"), p, true);
    QLabel* thickness = addLabel(tr("Thickness"), p, true);
    QLabel* labelE = addLabel(tr("E"), p);
    QLabel* labelSc = addLabel(tr("Sc"), p);
    QLineEdit* txtE = addField(InputField::E, p);
    QLineEdit* txtSc = addField(InputField::Sc, p);
    labelE->setBuddy(txtE);
    labelSc->setBuddy(txtSc);
    QLabel* unitE = addUnitCaption("LbunitE", p);
    QLabel* unitSc = addUnitCaption("LbunitSc", p);
    lbh_ = new QLabel(p);
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
    QLabel* unitH = addUnitCaption("Lbunith", p);
    place(slabBand, { kBandX, 240, kBandWidth, 1500 });
    place(pcc, { kLabelX, 300, 2400, 360 });
    place(labelE, { kLabelX, 780, 600, kRowTwips });
    place(txtE, { kFieldX, 780, kFieldWidth, kRowTwips });
    place(unitE, { kUnitX, 780, 900, kRowTwips });
    place(labelSc, { kLabelX, 1260, 600, kRowTwips });
    place(txtSc, { kFieldX, 1260, kFieldWidth, kRowTwips });
    place(unitSc, { kUnitX, 1260, 900, kRowTwips });
    place(thickness, { kRightX, 300, 2400, 360 });
    place(lbh_, { kRightX, 780, 1300, 520 });
    place(unitH, { kRightX + 1400, 780, 700, 520 });

    // Bottom layer, in the space that the two-layer view frees below the slab.
    QLabel* bottomBand
        = addBand(kBottomLayerColour, QStringLiteral("bandBottomLayer"), tr("bottom layer"), p);
    QLabel* bottomHeading = addLabel(tr("Bottom Layer Information"), p, true);
    QLabel* labelE2 = addLabel(tr("E"), p);
    QLabel* labelH2 = addLabel(tr("h"), p);
    QLineEdit* txtE2 = addField(InputField::E2, p);
    QLineEdit* txtH2 = addField(InputField::h2, p);
    labelE2->setBuddy(txtE2);
    labelH2->setBuddy(txtH2);
    QLabel* unitE2 = addUnitCaption("lbUnitE2", p);
    QLabel* unitH2 = addUnitCaption("lbunith2", p);
    auto* bonded = new QGroupBox(tr("Bonded"), p);
    bonded->setObjectName(QStringLiteral("fraBonded"));
    bondYes_ = new QRadioButton(tr("Yes"), bonded);
    bondYes_->setObjectName(QStringLiteral("bondyes"));
    bondNo_ = new QRadioButton(tr("No"), bonded);
    bondNo_->setObjectName(QStringLiteral("bondno"));
    connect(bondNo_, &QRadioButton::toggled, this,
        [this](bool checked) { state_.design.bondNo = checked; });
    place(bottomBand, { kBandX, 1740, kBandWidth, 1000 });
    place(bottomHeading, { kLabelX, 1800, 3300, 360 });
    place(labelE2, { kLabelX, 2220, 600, kRowTwips });
    place(txtE2, { kFieldX, 2220, kFieldWidth, kRowTwips });
    place(unitE2, { kUnitX, 2220, 900, kRowTwips });
    place(labelH2, { kRightX, 2220, 300, kRowTwips });
    place(txtH2, { kRightX + 400, 2220, 900, kRowTwips });
    place(unitH2, { kRightX + 1400, 2220, 700, kRowTwips });
    place(bonded, { 7260, 1740, 1140, 1000 });
    place(bondYes_, { 150, 320, 900, 300 });
    place(bondNo_, { 150, 640, 900, 300 });

    // Subgrade and slab size: directly below the slab, or 1000 twips lower in the two-layer view.
    QLabel* subgradeBand
        = addBand(kSubgradeColour, QStringLiteral("bandSubgrade"), tr("subgrade"), p);
    QLabel* subgrade = addLabel(tr("Subgrade"), p, true);
    QLabel* labelK = addLabel(tr("k"), p);
    QLineEdit* txtK = addField(InputField::k, p);
    labelK->setBuddy(txtK);
    QLabel* unitK = addUnitCaption("Lbunitk", p);
    QLabel* labelL = addLabel(tr("Slab Length"), p);
    QLabel* labelW = addLabel(tr("Slab Width"), p);
    QLineEdit* txtL = addField(InputField::SlabLength, p);
    QLineEdit* txtW = addField(InputField::SlabWidth, p);
    labelL->setBuddy(txtL);
    labelW->setBuddy(txtW);
    QLabel* unitL = addUnitCaption("LbunitL", p);
    QLabel* unitW = addUnitCaption("lbunitW", p);
    place(subgradeBand, { kBandX, 1740, kBandWidth, 1000 }, true);
    place(subgrade, { kLabelX, 1800, 2400, 360 }, true);
    place(labelK, { kLabelX, 2220, 600, kRowTwips }, true);
    place(txtK, { kFieldX, 2220, kFieldWidth, kRowTwips }, true);
    place(unitK, { kUnitX, 2220, 900, kRowTwips }, true);
    place(labelL, { kBandX, 3000, 2000, kRowTwips }, true);
    place(txtL, { kFieldX, 3000, kFieldWidth, kRowTwips }, true);
    place(unitL, { kUnitX, 3000, 900, kRowTwips }, true);
    place(labelW, { kBandX, 3480, 2000, kRowTwips }, true);
    place(txtW, { kFieldX, 3480, kFieldWidth, kRowTwips }, true);
    place(unitW, { kUnitX, 3480, 900, kRowTwips }, true);

    // The climate of the airfield and the two buttons, in the right-hand column.
    auto* climate = new QGroupBox(tr("Airfeild Annual Mean"), p);
    climate->setObjectName(QStringLiteral("fraClimate"));
    const struct
    {
        InputField field;
        const char* label;
        const char* unit;
    } climateRows[] = {
        { InputField::Precipitation, "Precipitation", "lbunitprec" },
        { InputField::Temperature, "Temperature", "lbunittemp" },
        { InputField::WindSpeed, "Wind Speed", "lbunitwind" },
    };
    int rowY = 420;
    for (const auto& row : climateRows) {
        QLabel* label = addLabel(tr(row.label), climate);
        QLineEdit* edit = addField(row.field, climate);
        label->setBuddy(edit);
        place(label, { 200, rowY, 1500, kRowTwips });
        place(edit, { 1700, rowY, 1000, kRowTwips });
        place(addUnitCaption(row.unit, climate), { 2800, rowY, 600, kRowTwips });
        rowY += 500;
    }
    place(climate, { kClimateX, 240, kClimateWidth, 2000 });

    cmdDesign_ = new QPushButton(tr("Design Thickness"), p);
    cmdDesign_->setObjectName(QStringLiteral("cmdDesign"));
    cmdReport_ = new QPushButton(tr("Report"), p);
    cmdReport_->setObjectName(QStringLiteral("cmdReport"));
    place(cmdDesign_, { kClimateX, 2520, kClimateWidth, kButtonHeightTwips });
    place(cmdReport_, { kClimateX, 3120, kClimateWidth, kButtonHeightTwips });
    connect(cmdDesign_, &QPushButton::clicked, this, &MainWindow::designThickness);
    connect(cmdReport_, &QPushButton::clicked, this, &MainWindow::showReport);

    buildEvaluation(p);

    slabGroup_ = { designPanel_, slabBand, pcc, thickness, labelE, labelSc, txtE, txtSc, lbh_,
        subgradeBand, subgrade, labelK, txtK, labelL, labelW, txtL, txtW, unitL, unitW,
        evaluationGroup_ };
    slabUnitGroup_ = { unitE, unitSc, unitK, unitH };
    bottomGroup_
        = { bottomBand, bottomHeading, labelE2, labelH2, txtE2, txtH2, unitE2, unitH2, bonded };
    climateGroup_ = { climate };
    buttonGroup_ = { cmdDesign_, cmdReport_ };
}

void MainWindow::buildEvaluation(QWidget* panel)
{
    // A given slab, evaluated with the design's inputs, in the column of the thickness result.
    auto* group = new QGroupBox(tr("Evaluate a Given Slab"), panel);
    group->setObjectName(QStringLiteral("fraEvaluate"));
    QLabel* label = addLabel(tr("h"), group);
    txtEvaluate_ = new QLineEdit(group);
    txtEvaluate_->setObjectName(QStringLiteral("txtEvaluate"));
    txtEvaluate_->setAccessibleName(tr("thickness of the slab to evaluate"));
    txtEvaluate_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(txtEvaluate_);
    connect(txtEvaluate_, &QLineEdit::textEdited, this,
        [this](const QString& text) { state_.slabText = text.toStdString(); });
    connect(txtEvaluate_, &QLineEdit::returnPressed, this, &MainWindow::evaluateSlab);
    evaluateUnit_ = new QLabel(group);
    evaluateUnit_->setObjectName(QStringLiteral("lbunitEvaluate"));
    auto* evaluate = new QPushButton(tr("E&valuate"), group);
    evaluate->setObjectName(QStringLiteral("cmdEvaluate"));
    connect(evaluate, &QPushButton::clicked, this, &MainWindow::evaluateSlab);

    evaluationTable_ = new QTableWidget(0, 2, group);
    evaluationTable_->setObjectName(QStringLiteral("tblEvaluation"));
    evaluationTable_->setAccessibleName(tr("damage ratio of each aircraft at the given slab"));
    evaluationTable_->setHorizontalHeaderLabels({ tr("Aircraft"), tr("Damage %") });
    evaluationTable_->verticalHeader()->hide();
    evaluationTable_->verticalHeader()->setDefaultSectionSize(
        evaluationTable_->fontMetrics().height() + 6);
    evaluationTable_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    evaluationTable_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    evaluationTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    evaluationTable_->setSelectionMode(QAbstractItemView::NoSelection);
    evaluationSummary_ = new QLabel(group);
    evaluationSummary_->setObjectName(QStringLiteral("lbEvaluation"));
    evaluationSummary_->setWordWrap(true);
    QFont bold = evaluationSummary_->font();
    bold.setBold(true);
    evaluationSummary_->setFont(bold);

    place(group, { kRightX, 2860, 3460, 3000 });
    place(label, { 160, 360, 260, kRowTwips });
    place(txtEvaluate_, { 440, 360, 900, kRowTwips });
    place(evaluateUnit_, { 1400, 360, 460, kRowTwips });
    place(evaluate, { 1900, 330, 1400, kButtonHeightTwips });
    place(evaluationTable_, { 160, 900, 3140, 1440 });
    place(evaluationSummary_, { 160, 2380, 3140, 560 });
    evaluationGroup_ = group;
}

void MainWindow::buildAircraftControls()
{
    listHeading_ = addLabel(tr("Aircraft"), central_, true);
    listHeading_->setObjectName(QStringLiteral("lblAircraftList"));
    gridHeading_ = addLabel(tr("Traffic mix"), central_, true);
    gridHeading_->setObjectName(QStringLiteral("lblTrafficMix"));

    listAircraft_ = new QListWidget(central_);
    listAircraft_->setObjectName(QStringLiteral("ListAircraft"));
    listAircraft_->setAccessibleName(tr("aircraft list"));
    listAircraft_->setSelectionMode(QAbstractItemView::SingleSelection);
    listHeading_->setBuddy(listAircraft_);
    connect(
        listAircraft_, &QListWidget::itemDoubleClicked, this, [this] { addSelectedAircraft(); });

    grid_ = new QTableWidget(central_);
    grid_->setObjectName(QStringLiteral("Grid1"));
    grid_->setAccessibleName(tr("traffic mix"));
    grid_->setColumnCount(kGridColumns);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setWordWrap(true);
    gridHeading_->setBuddy(grid_);
    connect(grid_, &QTableWidget::cellClicked, this,
        [this](int row, int column) { state_.clickCell(row, column); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &MainWindow::editCell);

    cmdAdd_ = new QPushButton(tr("&Add"), central_);
    cmdAdd_->setObjectName(QStringLiteral("cmdAdd"));
    cmdDel_ = new QPushButton(tr("&Remove"), central_);
    cmdDel_->setObjectName(QStringLiteral("cmdDel"));
    cmdDelAll_ = new QPushButton(tr("Remove A&LL"), central_);
    cmdDelAll_->setObjectName(QStringLiteral("cmddelall"));
    connect(cmdAdd_, &QPushButton::clicked, this, &MainWindow::addSelectedAircraft);
    cmdAdd_->installEventFilter(this);
    connect(cmdDel_, &QPushButton::clicked, this, &MainWindow::removeClickedAircraft);
    connect(cmdDelAll_, &QPushButton::clicked, this, &MainWindow::removeAllAircraft);

    aircraftGroup_
        = { listHeading_, gridHeading_, listAircraft_, grid_, cmdAdd_, cmdDel_, cmdDelAll_ };
}

void MainWindow::applyLayout(const ViewLayout& layout)
{
    if (layout.picture)
        picture_->setVisible(*layout.picture);
    SetShown(titleGroup_, layout.titleLines);
    SetShown(slabGroup_, layout.slabGroup);
    SetShown(slabUnitGroup_, layout.slabUnitCaptions);
    SetShown(climateGroup_, layout.climate);
    SetShown(bottomGroup_, layout.bottomLayer);
    SetShown(buttonGroup_, layout.designButtons);
    SetShown(aircraftGroup_, layout.aircraftControls);
    if (layout.report) {
        txtReports_->setVisible(*layout.report);
        if (*layout.report)
            txtReports_->raise();
    }
    if (layout.trace) {
        traceView_->setVisible(*layout.trace);
        if (*layout.trace)
            traceView_->raise();
    }
    if (layout.aircraftMenu)
        aircraftMenu_->setEnabled(*layout.aircraftMenu);
    if (layout.structureMenu)
        structureMenu_->menuAction()->setEnabled(*layout.structureMenu);
    if (layout.rowsLowered && *layout.rowsLowered != rowsLowered_) {
        rowsLowered_ = *layout.rowsLowered;
        layoutDesignPanel();
    }
}

void MainWindow::showView(View view)
{
    applyLayout(state_.enterView(view));
    refresh();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == central_ && event->type() == QEvent::Resize)
        layoutWindow();
    if ((watched == cmdAdd_ || watched == menuBar()) && takeSharedMnemonic(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::takeSharedMnemonic(QEvent* event)
{
    // "&Aircraft Data" and "&Add" share Alt+A. The menu bar keeps the mnemonic of a disabled
    // entry, which makes the key ambiguous and the button only take the focus; in the aircraft
    // view, where the entry is disabled, the key belongs to Add.
    if (event->type() != QEvent::Shortcut || aircraftMenu_->isEnabled() || !cmdAdd_->isVisible())
        return false;
    if (static_cast<QShortcutEvent*>(event)->key() != QKeySequence::mnemonic(cmdAdd_->text()))
        return false;
    cmdAdd_->click();
    return true;
}

void MainWindow::layoutWindow()
{
    const int width = central_->width();
    const int height = central_->height();
    picture_->setGeometry(0, 0, qRound(width * 0.999), qRound(height * 0.999));
    txtReports_->setGeometry(0, 0, qRound(width * 0.99), qRound(height * 0.99));
    traceView_->setGeometry(0, 0, qRound(width * 0.99), qRound(height * 0.99));

    const int pw = picture_->width();
    const int ph = picture_->height();
    const int titleWidth = qRound(pw * 0.8);
    const int titleHeight = qRound(ph * 0.4);
    title1_->setGeometry((pw - titleWidth) / 2, qRound(ph * 0.2), titleWidth, titleHeight);
    title2_->setGeometry((pw - titleWidth) / 2, qRound(ph * 0.5), titleWidth, titleHeight);
    layoutDesignPanel();

    // The aircraft list, the grid at 60 % of the width, both at 70 % of the height.
    const int margin = pixelsX(kMarginTwips);
    const int gridWidth = qRound(width * 0.6);
    const int listHeight = qRound(height * 0.7);
    const int listWidth
        = qMax(pixelsX(1200), qMin(pixelsX(kListWidthTwips), width - gridWidth - 3 * margin));
    const int left = qMax(margin, (width - listWidth - margin - gridWidth) / 2);
    const int headingHeight = pixelsY(kRowTwips);
    const int top = pixelsY(kMarginTwips) + headingHeight;
    listHeading_->setGeometry(left, top - headingHeight, listWidth, headingHeight);
    listAircraft_->setGeometry(left, top, listWidth, listHeight);
    const int gridLeft = left + listWidth + margin;
    gridHeading_->setGeometry(gridLeft, top - headingHeight, gridWidth, headingHeight);
    grid_->setGeometry(gridLeft, top, gridWidth, listHeight);
    const int buttonTop = top + listHeight + pixelsY(kControlGapTwips);
    const int buttonHeight = pixelsY(kButtonHeightTwips);
    const int buttonWidth = pixelsX(1500);
    cmdAdd_->setGeometry(left, buttonTop, qMin(buttonWidth, listWidth), buttonHeight);
    cmdDel_->setGeometry(gridLeft, buttonTop, buttonWidth, buttonHeight);
    cmdDelAll_->setGeometry(gridLeft + buttonWidth + pixelsX(kControlGapTwips * 2), buttonTop,
        buttonWidth, buttonHeight);
}

void MainWindow::layoutDesignPanel()
{
    const int shift = rowsLowered_ ? pixelsY(kRowShiftTwips) : 0;
    for (const Placed& item : placed_) {
        const QRect& r = item.twips;
        item.widget->setGeometry(pixelsX(r.x()), pixelsY(r.y()) + (item.followsRows ? shift : 0),
            pixelsX(r.width()), pixelsY(r.height()));
    }
    const int panelWidth = pixelsX(kPanelWidthTwips);
    const int panelHeight = pixelsY(kPanelHeightTwips);
    const int margin = pixelsY(kPanelMarginTwips);
    designPanel_->setGeometry(
        qMax(0, (picture_->width() - panelWidth) / 2), margin, panelWidth, panelHeight);
    const int chartsTop = designPanel_->geometry().bottom() + 1 + margin;
    const QRect charts(margin, chartsTop, qMax(0, picture_->width() - 2 * margin),
        qMax(0, picture_->height() - chartsTop - margin));
    charts_->setGeometry(charts);
    chartsHint_->setGeometry(charts);
}

void MainWindow::refresh()
{
    const DesignModel& design = state_.design;
    for (const InputFieldInfo& info : InputFields()) {
        QLineEdit* edit = fields_[static_cast<std::size_t>(info.field)];
        const QString text = Text(design.field(info.field));
        if (edit->text() != text)
            edit->setText(text);
    }
    lbh_->setText(Text(design.lbh));
    lbh_->setAccessibleDescription(lbh_->text()); // the name says what it is, this its value
    (design.bondNo ? bondNo_ : bondYes_)->setChecked(true);
    for (std::size_t i = 0; i < unitCaptions_.size(); ++i)
        if (unitCaptions_[i])
            unitCaptions_[i]->setText(
                QString::fromUtf8(CaptionText(UnitCaptions()[i], design.units)));
    const bool english = design.units == UnitSystem::English;
    englishOption_->setChecked(english);
    englishOption_->setEnabled(!english);
    metricOption_->setChecked(!english);
    metricOption_->setEnabled(english);
    setGridHeader();
    fillTrafficGrid();
    refreshInsight();
}

void MainWindow::refreshInsight()
{
    const DesignModel& design = state_.design;
    evaluateUnit_->setText(QString::fromUtf8(SlabThicknessUnit(design.units)));
    if (txtEvaluate_->text() != Text(state_.slabText))
        txtEvaluate_->setText(Text(state_.slabText));
    const auto& evaluation = state_.evaluation();
    const std::vector<EvaluationRow> rows = evaluation
        ? EvaluationRows(design.result.trace.basis, *evaluation)
        : std::vector<EvaluationRow> {};
    evaluationTable_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const EvaluationRow& row = rows[static_cast<std::size_t>(r)];
        evaluationTable_->setItem(r, 0, new QTableWidgetItem(Text(row.aircraft)));
        auto* ratio = new QTableWidgetItem(Text(row.damageRatio));
        ratio->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        evaluationTable_->setItem(r, 1, ratio);
    }
    evaluationSummary_->setText(evaluation ? Text(EvaluationSummary(*evaluation))
                                           : tr("Type a slab thickness and press Evaluate."));

    const bool designView = state_.view() == View::OneLayer || state_.view() == View::TwoLayer;
    charts_->setVisible(state_.chartsShown());
    chartsHint_->setVisible(designView && !state_.chartsShown());
    traceMenu_->setEnabled(state_.traceAvailable());
    saveTraceCsv_->setEnabled(state_.traceAvailable());
    saveChartsPng_->setEnabled(state_.chartsShown());
    if (traceView_->isVisible())
        traceView_->showTrace(TraceSummary(design.result.trace, design.units),
            AircraftTraceSheet(design.result.trace), TrialTraceTable(design.result.trace));
}

void MainWindow::replotCharts()
{
    if (!state_.chartsShown())
        return;
    const DesignModel& design = state_.design;
    const DesignTrace& trace = design.result.trace;
    charts_->showCharts(DamageCurveOf(trace, design.units), DamageCurveTitle(trace, design.units),
        DamageSharesOf(trace), DamageSharesTitle(trace, design.units));
}

void MainWindow::chooseUnits(UnitSystem units)
{
    state_.chooseUnits(units, *services_.prompter);
    refresh();
    replotCharts();
}

void MainWindow::fillAircraftList()
{
    listAircraft_->clear();
    for (const std::string& name : state_.aircraftListNames())
        listAircraft_->addItem(Text(name));
}

void MainWindow::setGridHeader()
{
    grid_->setColumnCount(kGridColumns);
    grid_->setColumnWidth(0, pixelsX(kNameColumnTwips));
    for (int c = 1; c < kGridColumns; ++c)
        grid_->setColumnWidth(c, pixelsX(kValueColumnTwips));
}

void MainWindow::fillTrafficGrid()
{
    const auto rows = state_.gridTexts();
    grid_->setRowCount(static_cast<int>(rows.size()));
    const QBrush headerBrush = grid_->palette().button();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < kGridColumns; ++c) {
            auto* item = new QTableWidgetItem(
                Text(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
            if (r < kGridHeaderRows) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(headerBrush);
                item->setTextAlignment(Qt::AlignCenter);
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                item->setTextAlignment(
                    Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
            }
            grid_->setItem(r, c, item);
        }
    }
    grid_->setRowHeight(0, pixelsY(kTitleRowTwips));
}

void MainWindow::addSelectedAircraft()
{
    const auto selected = listAircraft_->selectionModel()->selectedRows();
    const int position = selected.isEmpty() ? -1 : selected.back().row();
    if (state_.addListAircraft(position))
        fillTrafficGrid();
}

void MainWindow::removeClickedAircraft()
{
    if (state_.removeClicked(*services_.prompter)) {
        grid_->clearSelection();
        fillTrafficGrid();
    }
}

void MainWindow::removeAllAircraft()
{
    state_.removeAll();
    fillTrafficGrid();
}

void MainWindow::editCell(int row, int column)
{
    const auto request = state_.beginEdit(row, column);
    if (!request)
        return;
    if (!changeData_) {
        changeData_ = new ChangeDataDialog(this);
        connect(changeData_, &ChangeDataDialog::okClicked, this, &MainWindow::confirmChangeData);
    }
    changeData_->showRequest(Text(request->prompt), Text(request->value), Text(request->unit));
}

void MainWindow::confirmChangeData()
{
    const EditResult result
        = state_.confirmEdit(changeData_->valueText().toStdString(), *services_.prompter);
    changeData_->setValueText(Text(result.text));
    if (result.outcome == EditOutcome::Rejected)
        return;
    changeData_->hide();
    activateWindow();
    fillTrafficGrid();
}

void MainWindow::readInputData()
{
    const QString path = services_.files->openFileName(
        this, tr("Read Data From File"), tr("Input data files (*.inp)"));
    if (path.isEmpty())
        return;
    bool read = false;
    {
        BusyPointer busy;
        read = state_.readInputData(LocalPath(path), *services_.prompter);
    }
    if (read) {
        if (changeData_)
            changeData_->hide();
        showView(state_.view());
    }
}

bool MainWindow::saveInputData()
{
    const QString path = services_.files->saveFileName(
        this, tr("Save Input Data"), tr("Input data files (*.inp)"), QStringLiteral("design.inp"));
    if (path.isEmpty())
        return false;
    BusyPointer busy;
    return SaveInputData(state_.design, LocalPath(path), *services_.prompter).has_value();
}

void MainWindow::designThickness()
{
    state_.designThickness(*services_.prompter);
    refresh();
    replotCharts();
}

void MainWindow::evaluateSlab()
{
    state_.evaluateSlab(*services_.prompter);
    refresh();
    replotCharts();
}

void MainWindow::showTrace()
{
    if (!state_.traceAvailable())
        return;
    applyLayout(TraceShownLayout());
    refreshInsight();
}

void MainWindow::saveTraceCsvAs()
{
    SaveCsvAs(services_, this, tr("Save Calculation Trace"), QStringLiteral("trace.csv"),
        "calculation trace", [this] { return TraceCsv(state_.design.result.trace); });
}

bool MainWindow::saveTraceCsv(const QString& path)
{
    return SaveTextFile(
        path, TraceCsv(state_.design.result.trace), "calculation trace", *services_.prompter);
}

void MainWindow::saveChartsPngAs()
{
    const QString path = services_.files->saveFileName(this, tr("Save Charts as PNG"),
        tr("PNG images (*.png)"), QStringLiteral("damage-charts.png"));
    if (!path.isEmpty())
        saveChartsPng(path);
}

bool MainWindow::saveChartsPng(const QString& path)
{
    QString failure;
    {
        BusyPointer busy;
        failure = charts_->savePng(path);
    }
    if (failure.isEmpty())
        return true;
    services_.prompter->ask(
        ExportFailureMessage("damage charts", path.toStdString(), failure.toStdString()));
    return false;
}

void MainWindow::showReport()
{
    const auto report = state_.reportForView(*services_.prompter);
    if (!report)
        return;
    applyLayout(ReportShownLayout());
    BusyPointer busy;
    txtReports_->setPlainText(Text(*report));
}

void MainWindow::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("KORVANT design report"));
    if (!services_.printing->choosePrinter(printer, this))
        return;
    try {
        BusyPointer busy;
        const int copies = qMax(1, printer.copyCount());
        printer.setCopyCount(1);
        PaintReportPages(printer, ReportLines(state_.design), copies);
    } catch (const std::exception&) {
        // A failed print ends the command without a message.
    }
}

void MainWindow::saveReportPdfAs()
{
    const QString path = services_.files->saveFileName(
        this, tr("Save Report as PDF"), tr("PDF files (*.pdf)"), QStringLiteral("report.pdf"));
    if (!path.isEmpty())
        saveReportPdf(path);
}

bool MainWindow::saveReportPdf(const QString& path)
{
    QString failure;
    {
        BusyPointer busy;
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            bool painted = false;
            {
                QPdfWriter writer(&file);
                writer.setTitle(tr("KORVANT design report"));
                writer.setCreator(QString::fromStdString(ProgramVersionLine()));
                painted = PaintReportPages(writer, ReportLines(state_.design), 1);
            }
            if (!painted)
                file.cancelWriting();
            if (file.commit())
                return true;
        }
        failure = file.errorString();
    }
    services_.prompter->ask(ReportPdfFailureMessage(path.toStdString(), failure.toStdString()));
    return false;
}

void MainWindow::showAbout()
{
    if (!about_) {
        about_ = new AboutBox(this);
        about_->setAttribute(Qt::WA_DeleteOnClose);
        connect(about_, &QDialog::finished, this, [this] { activateWindow(); });
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::showStudies(StudyWindow::Tab tab)
{
    if (!studies_)
        studies_ = new StudyWindow(state_, services_, this);
    studies_->showTab(tab);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The close prompt; a cancelled or failed save keeps the window open so no work is lost.
    if (!ConfirmClose(*services_.prompter, [this] { return saveInputData(); })) {
        event->ignore();
        return;
    }
    // Closing the main window ends the program with all its windows.
    if (changeData_)
        changeData_->hide();
    if (about_)
        about_->close();
    if (studies_)
        studies_->close(); // cancels a running study
    event->accept();
}

} // namespace korvant::ui
