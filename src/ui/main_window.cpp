// The main window: builds the menus and the views, switches the views from the core's view
// table and passes every menu command to the core before showing the model again.
#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcutEvent>

#include "basics/program_info.h"
#include "design/design_trace.h"
#include "design/window_texts.h"
#include "ui/about_box.h"
#include "ui/damage_charts.h"
#include "ui/design_panel.h"
#include "ui/file_export.h"
#include "ui/logo.h"
#include "ui/picture_area.h"
#include "ui/report_printing.h"
#include "ui/trace_view.h"
#include "ui/traffic_panel.h"

namespace korvant::ui {

MainWindow::MainWindow(WindowModel state, const Services& services, QWidget* parent)
    : QMainWindow(parent)
    , state_(std::move(state))
    , services_(services)
{
    setObjectName(QStringLiteral("frmAircraft"));
    setWindowTitle(QString::fromUtf8(kProgramName));
    setWindowIcon(ProgramIcon());

    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central_);
    central_->installEventFilter(this);

    picture_ = new PictureArea(state_, central_);
    DesignPanel* panel = picture_->designPanel();
    connect(panel, &DesignPanel::designRequested, this, &MainWindow::designThickness);
    connect(panel, &DesignPanel::reportRequested, this, &MainWindow::showReport);
    connect(panel, &DesignPanel::evaluateRequested, this, &MainWindow::evaluateSlab);

    traffic_ = new TrafficPanel(state_, services_, central_);
    traffic_->addButton()->installEventFilter(this);

    txtReports_ = new QPlainTextEdit(central_);
    txtReports_->setObjectName(QStringLiteral("txtReports"));
    txtReports_->setAccessibleName(tr("design report"));
    txtReports_->setReadOnly(true);
    txtReports_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtReports_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    traceView_ = new TraceView(central_);
    traceView_->hide();
    connect(traceView_, &TraceView::saveCsvClicked, this, &MainWindow::saveTraceCsvAs);

    buildMenus();
    menuBar()->installEventFilter(this);
    resize(1180, 800);

    applyLayout(state_.enterView(View::Title));
    refresh();
}

MainWindow::~MainWindow() = default;

void MainWindow::applyLayout(const ViewLayout& layout)
{
    picture_->applyLayout(layout);
    if (layout.aircraftControls)
        traffic_->setVisible(*layout.aircraftControls);
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
}

void MainWindow::showView(View view)
{
    applyLayout(state_.enterView(view));
    refresh();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == central_ && event->type() == QEvent::Resize && traffic_ != nullptr)
        layoutWindow();
    const bool mnemonicTarget
        = watched == menuBar() || (traffic_ != nullptr && watched == traffic_->addButton());
    if (mnemonicTarget && takeSharedMnemonic(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::takeSharedMnemonic(QEvent* event)
{
    // "&Aircraft Data" and "&Add" share Alt+A. The menu bar keeps the mnemonic of a disabled
    // entry, which makes the key ambiguous and the button only take the focus; in the aircraft
    // view, where the entry is disabled, the key belongs to Add.
    QPushButton* add = traffic_->addButton();
    if (event->type() != QEvent::Shortcut || aircraftMenu_->isEnabled() || !add->isVisible())
        return false;
    if (static_cast<QShortcutEvent*>(event)->key() != QKeySequence::mnemonic(add->text()))
        return false;
    add->click();
    return true;
}

void MainWindow::layoutWindow()
{
    const int width = central_->width();
    const int height = central_->height();
    picture_->placeIn(QRect(0, 0, qRound(width * 0.999), qRound(height * 0.999)));
    traffic_->placeIn(QRect(0, 0, width, height));
    txtReports_->setGeometry(0, 0, qRound(width * 0.99), qRound(height * 0.99));
    traceView_->setGeometry(0, 0, qRound(width * 0.99), qRound(height * 0.99));
}

void MainWindow::refresh()
{
    picture_->designPanel()->refresh();
    const bool english = state_.design().units == UnitSystem::English;
    englishOption_->setChecked(english);
    englishOption_->setEnabled(!english);
    metricOption_->setChecked(!english);
    metricOption_->setEnabled(english);
    traffic_->refresh();
    refreshInsight();
}

void MainWindow::refreshInsight()
{
    picture_->refreshCharts();
    traceMenu_->setEnabled(state_.traceAvailable());
    saveTraceCsv_->setEnabled(state_.traceAvailable());
    saveChartsPng_->setEnabled(state_.chartsShown());
    const DesignModel& design = state_.design();
    if (traceView_->isVisible())
        traceView_->showTrace(TraceSummary(design.result.trace, design.units),
            AircraftTraceSheet(design.result.trace), TrialTraceTable(design.result.trace));
}

void MainWindow::chooseUnits(UnitSystem units)
{
    state_.chooseUnits(units, *services_.prompter);
    refresh();
    picture_->replotCharts();
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
        traffic_->closeChangeData();
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
    return state_.saveInputData(LocalPath(path), *services_.prompter).has_value();
}

void MainWindow::designThickness()
{
    state_.designThickness(*services_.prompter);
    refresh();
    picture_->replotCharts();
}

void MainWindow::evaluateSlab()
{
    state_.evaluateSlab(*services_.prompter);
    refresh();
    picture_->replotCharts();
}

void MainWindow::showTrace()
{
    if (!state_.traceAvailable())
        return;
    applyLayout(TraceShownLayout());
    refreshInsight();
}

void MainWindow::showReport()
{
    const auto report = state_.reportForView(*services_.prompter);
    if (!report)
        return;
    applyLayout(ReportShownLayout());
    BusyPointer busy;
    txtReports_->setPlainText(QString::fromStdString(*report));
}

void MainWindow::printReport()
{
    PrintReport(*services_.printing, this, ReportLines(state_.design()));
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
    return SaveReportPdf(path, ReportLines(state_.design()), *services_.prompter);
}

void MainWindow::saveTraceCsvAs()
{
    SaveCsvAs(services_, this, tr("Save Calculation Trace"), QStringLiteral("trace.csv"),
        "calculation trace", [this] { return TraceCsv(state_.design().result.trace); });
}

bool MainWindow::saveTraceCsv(const QString& path)
{
    return SaveTextFile(
        path, TraceCsv(state_.design().result.trace), "calculation trace", *services_.prompter);
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
    return SaveWidgetPng(*picture_->charts(), path, "damage charts", *services_.prompter);
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
    if (!state_.confirmClose(*services_.prompter, [this] { return saveInputData(); })) {
        event->ignore();
        return;
    }
    // Closing the main window ends the program with all its windows.
    traffic_->closeChangeData();
    if (about_)
        about_->close();
    if (studies_)
        studies_->close(); // cancels a running study
    event->accept();
}

} // namespace korvant::ui
