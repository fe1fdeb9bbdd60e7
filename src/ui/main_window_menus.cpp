// The main window's menu bar: File with the unit options, files, report outputs and Exit, then
// Aircraft Data, Design Structure, Calculation Trace, Studies and Help, each entry named as the
// window's tests and the user's shortcuts find it.
#include <QAction>
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
    file->addSeparator();
    file->addAction(tr("&Read Data From File..."), this, &MainWindow::readInputData)
        ->setObjectName(QStringLiteral("FileLoad"));
    file->addAction(tr("&Save Input Data..."), this, &MainWindow::saveInputData)
        ->setObjectName(QStringLiteral("FileSave"));
    file->addSeparator();
    file->addAction(tr("&Print Report..."), this, &MainWindow::printReport)
        ->setObjectName(QStringLiteral("mnuPrintReport"));
    file->addAction(tr("Save Report as PD&F..."), this, &MainWindow::saveReportPdfAs)
        ->setObjectName(QStringLiteral("mnuSaveReportPdf"));
    saveTraceCsv_ = file->addAction(tr("Save Trace as &CSV..."), this, &MainWindow::saveTraceCsvAs);
    saveTraceCsv_->setObjectName(QStringLiteral("mnuSaveTraceCsv"));
    saveChartsPng_
        = file->addAction(tr("Save Charts as PN&G..."), this, &MainWindow::saveChartsPngAs);
    saveChartsPng_->setObjectName(QStringLiteral("mnuSaveChartsPng"));
    file->addSeparator();
    file->addAction(tr("E&xit"), this, &QWidget::close)->setObjectName(QStringLiteral("FileExit"));
}

} // namespace korvant::ui
