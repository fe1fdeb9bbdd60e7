// The main window's menu bar: File with the unit options, files, recent files, report outputs and
// Exit, then Aircraft Data, Design Structure, ACR Table, Calculation Trace, Studies and Help, each
// entry
// named as the window's tests and the user's shortcuts find it, the usual ones with the desktop's
// standard keys beside their mnemonics.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "ui/main_window.h"

namespace korvant::ui {

void MainWindow::buildMenus()
{
    buildFileMenu();
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

    // Alt+B: the letters of "ACR" are taken by the menus and the buttons beside it.
    acrMenu_ = menuBar()->addAction(tr("ACR Ta&ble"));
    acrMenu_->setObjectName(QStringLiteral("mnuAcr"));
    connect(acrMenu_, &QAction::triggered, this, [this] { showView(View::Acr); });

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
    QAction* manual = help->addAction(tr("&Manual"), this, &MainWindow::showManual);
    manual->setObjectName(QStringLiteral("mnuManual"));
    manual->setShortcut(QKeySequence::HelpContents);
    help->addAction(tr("&About"), this, &MainWindow::showAbout)
        ->setObjectName(QStringLiteral("mnuAbout"));
}

void MainWindow::buildFileMenu()
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
    options->addSeparator();
    // The unit system a new session starts in, from the next start on.
    startMetric_ = options->addAction(tr("&Start in Metric System"));
    startMetric_->setObjectName(QStringLiteral("StartMetricOption"));
    startMetric_->setCheckable(true);
    startMetric_->setStatusTip(tr("KORVANT starts in Metric units from its next start"));
    connect(startMetric_, &QAction::toggled, this, [this] { writeSettings(false); });
    file->addSeparator();
    const auto add = [this, file](const QString& text, auto slot, const char* name,
                         QKeySequence::StandardKey key) {
        QAction* action = file->addAction(text, this, slot);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        return action;
    };
    add(tr("&Read Data From File..."), &MainWindow::readInputData, "FileLoad", QKeySequence::Open);
    recentMenu_ = file->addMenu(tr("Recen&t Files"));
    recentMenu_->setObjectName(QStringLiteral("mnuRecent"));
    recentMenu_->menuAction()->setObjectName(QStringLiteral("mnuRecent"));
    add(tr("&Save Input Data"), &MainWindow::saveInputData, "FileSave", QKeySequence::Save);
    add(tr("Save Input Data &As..."), &MainWindow::saveInputDataAs, "FileSaveAs",
        QKeySequence::SaveAs);
    file->addSeparator();
    add(tr("&Print Report..."), &MainWindow::printReport, "mnuPrintReport", QKeySequence::Print);
    file->addAction(tr("Save Report as PD&F..."), this, &MainWindow::saveReportPdfAs)
        ->setObjectName(QStringLiteral("mnuSaveReportPdf"));
    saveTraceCsv_ = file->addAction(tr("Save Trace as &CSV..."), this, &MainWindow::saveTraceCsvAs);
    saveTraceCsv_->setObjectName(QStringLiteral("mnuSaveTraceCsv"));
    saveChartsPng_
        = file->addAction(tr("Save Charts as PN&G..."), this, &MainWindow::saveChartsPngAs);
    saveChartsPng_->setObjectName(QStringLiteral("mnuSaveChartsPng"));
    file->addSeparator();
    add(tr("E&xit"), &QWidget::close, "FileExit", QKeySequence::Quit);
}

} // namespace korvant::ui
