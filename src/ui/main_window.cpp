// The main window: builds the menus and the views, switches the views from the core's view
// table and passes every menu command to the core before showing the model again. The views
// share one place in the window; the report and the trace cover the view they are shown over.
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcutEvent>
#include <QStatusBar>
#include <QVBoxLayout>

#include "basics/program_info.h"
#include "design/design_trace.h"
#include "design/window_texts.h"
#include "traffic/aircraft_database.h"
#include "ui/about_box.h"
#include "ui/acr_view.h"
#include "ui/damage_charts.h"
#include "ui/design_panel.h"
#include "ui/file_export.h"
#include "ui/logo.h"
#include "ui/manual_window.h"
#include "ui/pcr_panel.h"
#include "ui/picture_area.h"
#include "ui/stale_banner.h"
#include "ui/trace_view.h"
#include "ui/traffic_panel.h"

namespace korvant::ui {
namespace {

// The size the window opens with on a screen that has room for it.
constexpr QSize kPreferredSize(1180, 800);

} // namespace

MainWindow::MainWindow(WindowModel state, const Services& services, QWidget* parent)
    : QMainWindow(parent)
    , state_(std::move(state))
    , services_(services)
{
    setObjectName(QStringLiteral("frmAircraft"));
    setWindowTitle(QString::fromUtf8(kProgramName));
    setWindowIcon(ProgramIcon());
    // Numbers are shown and typed as the report writes them, whatever the desktop's language.
    setLocale(QLocale::c());

    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central_);

    picture_ = new PictureArea(state_, services_, central_);
    pictureScroll_ = new QScrollArea(central_);
    pictureScroll_->setObjectName(QStringLiteral("pictureScroll"));
    pictureScroll_->setWidgetResizable(true);
    pictureScroll_->setFrameShape(QFrame::NoFrame);
    pictureScroll_->setWidget(picture_);
    pictureScroll_->viewport()->installEventFilter(this);
    DesignPanel* panel = picture_->designPanel();
    connect(panel, &DesignPanel::designRequested, this, &MainWindow::designThickness);
    connect(panel, &DesignPanel::reportRequested, this, &MainWindow::showReport);
    connect(panel, &DesignPanel::evaluateRequested, this, &MainWindow::evaluateSlab);
    connect(panel, &DesignPanel::inputsEdited, this, &MainWindow::refreshMarks);
    connect(panel, &DesignPanel::pcrRequested, this, &MainWindow::computePcr);
    connect(panel->pcrPanel(), &PcrPanel::changed, this, &MainWindow::refreshMarks);
    // A control the keyboard reaches by its mnemonic scrolls into view, as one reached by Tab.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && picture_->isAncestorOf(now))
            pictureScroll_->ensureWidgetVisible(now);
    });

    traffic_ = new TrafficPanel(state_, services_, central_);
    traffic_->addButton()->installEventFilter(this);
    connect(traffic_, &TrafficPanel::mixChanged, this, &MainWindow::refreshMarks);

    acrView_ = new AcrView(state_, services_, central_);
    connect(acrView_, &AcrView::commandDone, this, &MainWindow::refreshMarks);

    reportPane_ = buildReportPane();
    traceView_ = new TraceView(central_);
    traceView_->hide();
    connect(traceView_, &TraceView::saveCsvClicked, this, &MainWindow::saveTraceCsvAs);

    auto* views = new QGridLayout(central_);
    views->setContentsMargins(0, 0, 0, 0);
    for (QWidget* view : { static_cast<QWidget*>(pictureScroll_), static_cast<QWidget*>(traffic_),
             static_cast<QWidget*>(acrView_), reportPane_, static_cast<QWidget*>(traceView_) })
        views->addWidget(view, 0, 0);

    buildMenus();
    menuBar()->installEventFilter(this);
    setAcceptDrops(true);
    // The status line is a label of its own, so that a menu's hints do not wipe it out.
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lbStatus"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(status_, 1);
    // Never larger than the screen's room for windows, whatever its size and scale.
    resize(kPreferredSize.boundedTo(screen()->availableGeometry().size()));
    readSettings();

    applyLayout(state_.enterView(View::Title));
    refresh();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildReportPane()
{
    auto* pane = new QWidget(central_);
    pane->setObjectName(QStringLiteral("reportPane"));
    reportBanner_ = new StaleBanner(QStringLiteral("lbReportOutOfDate"), pane);
    txtReports_ = new QPlainTextEdit(pane);
    txtReports_->setObjectName(QStringLiteral("txtReports"));
    txtReports_->setAccessibleName(tr("design report"));
    txtReports_->setReadOnly(true);
    txtReports_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtReports_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(reportBanner_);
    column->addWidget(txtReports_, 1);
    pane->hide();
    return pane;
}

void MainWindow::applyLayout(const ViewLayout& layout)
{
    picture_->applyLayout(layout);
    if (layout.picture)
        pictureScroll_->setVisible(*layout.picture);
    if (layout.aircraftControls)
        traffic_->setVisible(*layout.aircraftControls);
    if (layout.report)
        reportPane_->setVisible(*layout.report);
    if (layout.trace)
        traceView_->setVisible(*layout.trace);
    if (layout.acrTable)
        acrView_->setVisible(*layout.acrTable);
    // The report and the trace cover the view below them, which leaves the keyboard's reach
    // until a view is chosen again.
    if (reportPane_->isVisibleTo(central_) || traceView_->isVisibleTo(central_)) {
        pictureScroll_->hide();
        traffic_->hide();
        acrView_->hide();
    }
    if (layout.aircraftMenu)
        aircraftMenu_->setEnabled(*layout.aircraftMenu);
    if (layout.structureMenu)
        structureMenu_->menuAction()->setEnabled(*layout.structureMenu);
    if (layout.acrMenu)
        acrMenu_->setEnabled(*layout.acrMenu);
    // The shown groups are laid out now, before the focus moves and the view is drawn.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (layout.focus) {
        if (auto* first = central_->findChild<QWidget*>(QString::fromLatin1(layout.focus)))
            first->setFocus(Qt::OtherFocusReason);
    } else if (layout.picture) {
        central_->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::showView(View view)
{
    showLayout(state_.enterView(view));
}

void MainWindow::showLayout(const ViewLayout& layout)
{
    refresh();
    applyLayout(layout);
    pictureScroll_->verticalScrollBar()->setValue(0);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pictureScroll_->viewport() && event->type() == QEvent::Resize)
        picture_->fitWidth(pictureScroll_->viewport()->width());
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

void MainWindow::refresh()
{
    const bool english = state_.design().units == UnitSystem::English;
    englishOption_->setChecked(english);
    englishOption_->setEnabled(!english);
    metricOption_->setChecked(!english);
    metricOption_->setEnabled(english);
    traffic_->refresh();
    if (acrView_->isVisible())
        acrView_->refresh();
    refreshInsight();
}

void MainWindow::refreshInsight()
{
    traceMenu_->setEnabled(state_.traceAvailable());
    saveTraceCsv_->setEnabled(state_.traceAvailable());
    saveChartsPng_->setEnabled(state_.chartsShown());
    const DesignModel& design = state_.design();
    if (traceView_->isVisible())
        traceView_->showTrace(TraceSummary(design.result.trace, design.units),
            AircraftTraceSheet(design.result.trace), TrialTraceTable(design.result.trace));
    refreshMarks();
}

void MainWindow::refreshMarks()
{
    // The PCR follows the design whenever the state says it is due. The design panel, with the
    // PCR panel, and the charts are shown here only, once per command.
    picture_->designPanel()->pcrPanel()->follow();
    picture_->designPanel()->refresh();
    picture_->refreshCharts();
    const Staleness design = state_.designStaleness();
    traceView_->showNote(OutOfDateNote(ShownResult::Trace, design));
    reportBanner_->showNote(OutOfDateNote(ShownResult::Report, design));
    if (studies_)
        studies_->refreshMarks();
    status_->setText(QString::fromStdString(state_.statusText()));
    setWindowTitle(QString::fromStdString(state_.windowTitle()));
    setWindowModified(state_.modified());
}

void MainWindow::chooseUnits(UnitSystem units)
{
    state_.chooseUnits(units, *services_.prompter);
    refresh();
    picture_->replotCharts();
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

void MainWindow::computePcr()
{
    state_.computePcr(*services_.prompter);
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
    refreshMarks();
    if (!report)
        return;
    {
        BusyPointer busy;
        txtReports_->setPlainText(QString::fromStdString(*report));
    }
    applyLayout(ReportShownLayout());
}

std::optional<ReportPages> MainWindow::reportPages()
{
    const bool ready = state_.reportReady(*services_.prompter);
    refreshMarks();
    if (!ready)
        return std::nullopt;
    const QDate today = QDate::currentDate();
    const std::chrono::year_month_day date { std::chrono::year(today.year()),
        std::chrono::month(static_cast<unsigned>(today.month())),
        std::chrono::day(static_cast<unsigned>(today.day())) };
    // The pages after the report show the PCR as it is when they are made.
    picture_->designPanel()->pcrPanel()->finishNow();
    BusyPointer busy;
    return state_.reportPages(DateText(date), *services_.prompter);
}

void MainWindow::printReport()
{
    if (const auto pages = reportPages())
        PrintReport(*services_.printing, this, *pages);
}

void MainWindow::saveReportPdfAs()
{
    // Before a design there is no report: the Report button's message, and no file dialog.
    const bool ready = state_.reportReady(*services_.prompter);
    refreshMarks();
    if (!ready)
        return;
    const QString path = services_.files->saveFileName(this, tr("Save Report as PDF"),
        tr("PDF files (*.pdf)"), ProposedExportPath(state_, "report.pdf"));
    if (!path.isEmpty())
        saveReportPdf(path);
}

bool MainWindow::saveReportPdf(const QString& path)
{
    const auto pages = reportPages();
    if (!pages)
        return false;
    const bool saved = SaveReportPdf(path, *pages, *services_.prompter);
    state_.noteExport("report", path.toStdString(), saved);
    refreshMarks();
    return saved;
}

void MainWindow::saveTraceCsvAs()
{
    const QString path
        = AskCsvPath(services_, state_, this, tr("Save Calculation Trace"), "trace.csv");
    if (!path.isEmpty())
        saveTraceCsv(path);
}

bool MainWindow::saveTraceCsv(const QString& path)
{
    const bool saved = SaveCsv(state_, path, "calculation trace", *services_.prompter,
        [this] { return TraceCsv(state_.design().result.trace); });
    refreshMarks();
    return saved;
}

void MainWindow::saveChartsPngAs()
{
    const QString path = services_.files->saveFileName(this, tr("Save Charts as PNG"),
        tr("PNG images (*.png)"), ProposedExportPath(state_, "damage-charts.png"));
    if (!path.isEmpty())
        saveChartsPng(path);
}

bool MainWindow::saveChartsPng(const QString& path)
{
    const bool saved
        = SaveWidgetPng(*picture_->charts(), path, "damage charts", *services_.prompter);
    state_.noteExport("damage charts", path.toStdString(), saved);
    refreshMarks();
    return saved;
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

void MainWindow::showManual()
{
    const std::filesystem::path index
        = FindCatalogue(DataFileCandidates(ExecutableDir(), "manual/index.html"));
    std::error_code error;
    if (!std::filesystem::is_regular_file(index, error)) {
        services_.prompter->ask(ManualMissingMessage(index.string()));
        return;
    }
    if (!manual_)
        manual_ = new ManualWindow(this);
    manual_->showManual(ShownPath(index));
}

void MainWindow::showStudies(StudyWindow::Tab tab)
{
    if (!studies_) {
        studies_ = new StudyWindow(state_, services_, this);
        connect(studies_, &StudyWindow::commandDone, this, &MainWindow::refreshMarks);
    }
    studies_->showTab(tab);
}

} // namespace korvant::ui
