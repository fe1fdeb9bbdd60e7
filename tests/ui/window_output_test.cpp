// What the main window gives out: the report view, printing and the PDF, the damage charts, the
// evaluation of a given slab, and the calculation trace and its exports. Message boxes and
// dialogs are answered by the scripted fakes.
#include <QAction>
#include <QBarSet>
#include <QChartView>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QScreen>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QValueAxis>

#include <memory>

#include "design/damage_chart.h"
#include "design/design_trace.h"
#include "design/report.h"
#include "design/window_model.h"
#include "main_window_fixture.h"

using namespace korvant;
using namespace korvant::ui;

namespace {

int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return test::PdfPages(file.readAll());
}

QString Normalised(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class WindowOutputTest : public QObject, test::MainWindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { loadCatalogue(); }
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void reportBeforeAndAfterADesign()
    {
        trigger("mnuAircraft");
        addFromList(5);
        trigger("mnuTwoLayer");
        click("cmdReport");
        QCOMPARE(prompter->texts(),
            std::vector<std::string> { "Plesae click \"Design Thickness\" button, First !  " });
        QCOMPARE(prompter->shown[0].buttons, Buttons::CancelTryAgainContinue);
        QVERIFY(!shown("txtReports"));

        click("cmdDesign");
        QCOMPARE(prompter->shown.size(), std::size_t(1));
        QCOMPARE(int(window->state().design().layerMode), int(kTwoLayerUnbonded));
        click("cmdReport");
        auto* report = find<QPlainTextEdit>("txtReports");
        QVERIFY(report->isVisible() && report->isReadOnly());
        const QFontMetrics metrics(report->font());
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')),
            metrics.horizontalAdvance(QLatin1Char('M')));
        QVERIFY(find<QAction>("mnuPvmtStru")->isEnabled());
        QCOMPARE(report->toPlainText().split('\n'),
            Normalised(ReportText(window->state().design())).split('\n'));
        trigger("mnuOneLayer");
        QVERIFY(!report->isVisible());
    }

    void printingAndPdf()
    {
        trigger("mnuAircraft");
        addFromList(3);
        trigger("mnuOneLayer");
        click("cmdDesign");

        const QString single = temp->filePath(QStringLiteral("single.pdf"));
        files->path = single;
        trigger("mnuSaveReportPdf");
        const int pages = PdfPageCount(single);
        QVERIFY(pages >= 1);

        printing->accept = false;
        printing->pdfPath = temp->filePath(QStringLiteral("cancelled.pdf"));
        trigger("mnuPrintReport");
        QVERIFY(!QFile::exists(printing->pdfPath));

        printing->accept = true;
        printing->copies = 2;
        printing->pdfPath = temp->filePath(QStringLiteral("printed.pdf"));
        trigger("mnuPrintReport");
        QCOMPARE(PdfPageCount(printing->pdfPath), 2 * pages);

        files->path.clear(); // Cancel in the file dialog
        trigger("mnuSaveReportPdf");
        QCOMPARE(files->asked, 2);
        QVERIFY(!window->saveReportPdf(temp->filePath(QStringLiteral("no/such/dir/x.pdf"))));
        QCOMPARE(prompter->shown.size(), std::size_t(1));
        QCOMPARE(QDir(temp->path()).entryList(QDir::Files).size(), 2);
    }

    // After a design the charts replace the hint below the panel; they draw the core's data.
    void damageChartsAfterADesign()
    {
        trigger("mnuAircraft");
        addFromList(30);
        addFromList(40);
        trigger("mnuOneLayer");
        QVERIFY(shown("lbChartsHint") && !shown("DamageCharts"));
        QVERIFY(!find<QAction>("mnuTrace")->isEnabled());
        QVERIFY(!find<QAction>("mnuSaveChartsPng")->isEnabled());
        click("cmdDesign");
        QVERIFY(shown("DamageCharts") && !shown("lbChartsHint"));
        QVERIFY(find<QAction>("mnuTrace")->isEnabled());

        const DesignModel& design = window->state().design();
        const DamageCurve curve = DamageCurveOf(design.result.trace, design.units);
        const QList<QAbstractSeries*> series
            = find<QChartView>("chartDamageCurve")->chart()->series();
        QCOMPARE(series.size(), 3);
        const auto* line = static_cast<QLineSeries*>(series[0]);
        QCOMPARE(line->count(), static_cast<int>(curve.curve.size()));
        QCOMPARE(line->at(0), QPointF(curve.curve[0].thickness, curve.curve[0].damage));
        QCOMPARE(static_cast<QScatterSeries*>(series[1])->count(),
            static_cast<int>(curve.trials.size()));
        QVERIFY(curve.design);
        QCOMPARE(static_cast<QScatterSeries*>(series[2])->at(0),
            QPointF(curve.design->thickness, curve.design->damage));

        const std::vector<DamageShare> shares = DamageSharesOf(design.result.trace);
        const auto* bars = static_cast<QHorizontalBarSeries*>(
            find<QChartView>("chartDamageShares")->chart()->series().at(0));
        QBarSet* set = bars->barSets().at(0);
        QCOMPARE(set->count(), static_cast<int>(shares.size()));
        for (int i = 0; i < set->count(); ++i) // listed from the bottom up
            QCOMPARE(
                set->at(i), shares[shares.size() - 1 - static_cast<std::size_t>(i)].shownShare);

        // Metric: the same curve over centimetres.
        trigger("MetricOption");
        const auto* axis = static_cast<QValueAxis*>(
            find<QChartView>("chartDamageCurve")->chart()->axes(Qt::Horizontal).at(0));
        QCOMPARE(axis->max(), 76.2);
        QVERIFY(axis->titleText().contains(QStringLiteral("cm")));

        // A PNG of both charts as they are shown; a folder that does not exist is reported.
        const QString png = temp->filePath(QStringLiteral("charts.png"));
        files->path = png;
        trigger("mnuSaveChartsPng");
        QCOMPARE(QImage(png).size(), find<QWidget>("DamageCharts")->size());
        prompter->shown.clear();
        QVERIFY(!window->saveChartsPng(temp->filePath(QStringLiteral("no/such/dir/x.png"))));
        QCOMPARE(prompter->shown.size(), std::size_t(1));

        // Another view clears the thickness, and its charts with it.
        trigger("mnuAircraft");
        trigger("mnuOneLayer");
        QVERIFY(!shown("DamageCharts") && shown("lbChartsHint"));
    }

    void evaluationAndTrace()
    {
        trigger("mnuAircraft");
        addFromList(1);
        addFromList(2);
        trigger("mnuTwoLayer");
        type("txtEvaluate", QStringLiteral("12"));
        QTest::keyClick(find<QLineEdit>("txtEvaluate"), Qt::Key_Return);
        QVERIFY(prompter->shown.empty());
        const DesignModel& design = window->state().design();
        QVERIFY(!design.lbh.empty()); // Evaluate designed first
        const SlabEvaluation expected = EvaluateSlab(design.result.trace.basis, 12, design.units);
        auto* table = find<QTableWidget>("tblEvaluation");
        const std::vector<EvaluationRow> rows = EvaluationRows(design.result.trace.basis, expected);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 1)->text(), QString::fromStdString(rows[1].damageRatio));
        QCOMPARE(find<QLabel>("lbEvaluation")->text(),
            QString::fromStdString(EvaluationSummary(expected)));

        // The trace view over the design view, with the core's tables; both view menus work.
        trigger("mnuTrace");
        QVERIFY(shown("TraceView"));
        QVERIFY(find<QAction>("mnuPvmtStru")->isEnabled());
        const TraceTable sheet = AircraftTraceSheet(design.result.trace);
        auto* aircraft = find<QTableWidget>("tblTraceAircraft");
        QCOMPARE(aircraft->rowCount(), static_cast<int>(TraceQuantities().size()));
        QCOMPARE(aircraft->columnCount(), 3);
        QCOMPARE(aircraft->item(5, 2)->text(), QString::fromStdString(sheet.rows[5][2]));
        QCOMPARE(find<QTableWidget>("tblTraceTrials")->rowCount(),
            static_cast<int>(design.result.trace.trials.size()));
        QCOMPARE(find<QLabel>("lbTraceSummary")->text(),
            QString::fromStdString(TraceSummary(design.result.trace, design.units)));

        const QString csv = temp->filePath(QStringLiteral("trace.csv"));
        files->path = csv;
        click("cmdSaveTraceCsv");
        QFile saved(csv);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().toStdString(), TraceCsv(design.result.trace));
        QVERIFY(!window->saveTraceCsv(temp->filePath(QStringLiteral("no/such/dir/t.csv"))));
        QCOMPARE(prompter->shown.size(), std::size_t(1));

        trigger("mnuOneLayer");
        QVERIFY(!shown("TraceView"));
        QCOMPARE(table->rowCount(), 0); // the view dropped the evaluation
    }
};

QTEST_MAIN(WindowOutputTest)
#include "window_output_test.moc"
