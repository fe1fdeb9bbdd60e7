// The main window as a user drives it: views, the traffic grid and the Change Data dialog, the
// Design Thickness sequence, the report view, printing and the PDF, the damage charts, the
// evaluation of a given slab, the calculation trace and its exports, and the About box. Message
// boxes and dialogs are answered by the scripted fakes.
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
#include <QRegularExpression>
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
#include "window_fixture.h"

using namespace korvant;
using namespace korvant::ui;

namespace {

int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

// A view takes a double click only on the cell that the same gesture pressed first.
void DoubleClick(QAbstractItemView* view, QPoint at)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

QString Normalised(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class MainWindowTest : public QObject, test::WindowFixture
{
    Q_OBJECT

private:
    bool shown(const char* name) { return find<QWidget>(name)->isVisible(); }
    QTableView* grid() { return find<QTableView>("Grid1"); }
    int gridRows() { return grid()->model()->rowCount(); }
    QString cell(int row, int column)
    {
        return grid()->model()->index(row, column).data().toString();
    }
    void clickCell(int row, int column, bool twice = false)
    {
        QTableView* g = grid();
        const QPoint centre = g->visualRect(g->model()->index(row, column)).center();
        if (twice)
            DoubleClick(g, centre);
        else
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centre);
    }
    void addFromList(int position)
    {
        auto* list = find<QListWidget>("ListAircraft");
        list->setCurrentRow(position);
        click("cmdAdd");
    }
    void type(const char* field, const QString& text)
    {
        auto* edit = find<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QDialog* changeData() { return window->findChild<QDialog*>(QStringLiteral("frmChangedata")); }

    std::unique_ptr<QTemporaryDir> temp;
    WindowModel loaded;

private slots:
    void initTestCase()
    {
        std::string note;
        DesignModel session;
        const std::filesystem::path catalogue
            = LoadStartCatalogue(session, { KORVANT_CATALOGUE }, note);
        QVERIFY(session.database.recordCount >= 3);
        loaded = WindowModel(session, catalogue);
    }

    void init()
    {
        temp = std::make_unique<QTemporaryDir>();
        QVERIFY(temp->isValid());
        // Anything the window wrote to the temporary directory would land here.
        QVERIFY(QDir().mkpath(temp->filePath(QStringLiteral("tmp"))));
        qputenv("TMPDIR", temp->filePath(QStringLiteral("tmp")).toLocal8Bit());
        openWindow(loaded);
    }

    void cleanup()
    {
        window.reset();
        QVERIFY(QDir(temp->filePath(QStringLiteral("tmp"))).isEmpty());
        QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + "/tmp.tmp"));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        qunsetenv("TMPDIR");
    }

    void startsOnTheTitleScreen()
    {
        QCOMPARE(window->objectName(), QStringLiteral("frmAircraft"));
        QCOMPARE(window->windowTitle(), QStringLiteral("KORVANT"));
        QVERIFY(find<QAction>("EnglishOption")->isChecked());
        QVERIFY(!find<QAction>("EnglishOption")->isEnabled());
        QVERIFY(find<QAction>("MetricOption")->isEnabled());
        QVERIFY(!find<QAction>("MetricOption")->isChecked());
        QCOMPARE(find<QLabel>("LbTitle1")->text(), QStringLiteral("KORVANT"));
        QVERIFY(shown("LbTitle1") && shown("LbTitle2"));
        for (QWidget* child : find<QWidget>("Picture1")->findChildren<QWidget*>())
            if (child->isVisible())
                QVERIFY2(
                    child->objectName().startsWith("LbTitle"), qPrintable(child->objectName()));
        QCOMPARE(find<QLineEdit>("TxtE")->text(), QStringLiteral("4000000"));
        QCOMPARE(find<QLineEdit>("TxtE")->accessibleName(),
            QStringLiteral("elastic modulus of concrete"));
        QCOMPARE(find<QLabel>("lbh")->accessibleName(), QStringLiteral("design thickness"));
        QCOMPARE(grid()->accessibleName(), QStringLiteral("traffic mix"));
        QCOMPARE(find<QWidget>("ListAircraft")->accessibleName(), QStringLiteral("aircraft list"));
        QCOMPARE(find<QWidget>("txtReports")->accessibleName(), QStringLiteral("design report"));
        QCOMPARE(find<QLabel>("LbunitE")->text(), QStringLiteral("psi"));
        QCOMPARE(find<QLabel>("lbunittemp")->text(), QStringLiteral("'F"));
        QVERIFY(find<QRadioButton>("bondno")->isChecked());
        QCOMPARE(find<QPushButton>("cmddelall")->text(), QStringLiteral("Remove A&LL"));
    }

    void unitMenuSwitchesCaptionsAndMarks()
    {
        trigger("mnuAircraft");
        addFromList(0);
        trigger("MetricOption");
        QCOMPARE(prompter->texts(), std::vector<std::string> { "Metric System Selected" });
        QVERIFY(find<QAction>("MetricOption")->isChecked());
        QVERIFY(!find<QAction>("MetricOption")->isEnabled());
        QVERIFY(find<QAction>("EnglishOption")->isEnabled());
        QVERIFY(!find<QAction>("EnglishOption")->isChecked());
        QCOMPARE(find<QLabel>("Lbunitk")->text(), QStringLiteral("kPa/mm"));
        QCOMPARE(find<QLineEdit>("TxtE")->text(), QStringLiteral("27560000"));
        QCOMPARE(cell(1, 1), QStringLiteral("kN"));
    }

    void viewTable_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<QStringList>("hidden");
        QTest::addColumn<bool>("aircraftMenu");
        QTest::addColumn<bool>("structureMenu");
        QTest::addColumn<int>("layerMode");
        QTest::newRow("aircraft") << "mnuAircraft"
                                  << QStringList { "ListAircraft", "Grid1", "cmdAdd", "cmdDel",
                                         "cmddelall" }
                                  << QStringList { "Picture1", "TxtE", "cmdDesign", "txtReports" }
                                  << false << true << int(kTwoLayerUnbonded);
        QTest::newRow("one layer")
            << "mnuOneLayer"
            << QStringList { "TxtE", "LbunitE", "Txtk", "txtW", "TxtWind", "cmdDesign",
                   "cmdReport" }
            << QStringList { "LbTitle1", "TxtE2", "bondno", "Grid1", "txtReports" } << true << false
            << int(kOneLayer);
        QTest::newRow("two layer")
            << "mnuTwoLayer"
            << QStringList { "TxtE", "TxtE2", "txth2", "bondno", "lbUnitE2", "cmdReport" }
            << QStringList { "LbTitle2", "ListAircraft", "txtReports" } << true << false
            << int(kTwoLayerBonded);
    }

    void viewTable()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, visible);
        QFETCH(QStringList, hidden);
        DesignModel designed = window->state().design();
        designed.lbh = "13.1";
        designed.layerMode = kTwoLayerUnbonded;
        window->state().replaceSession(designed);
        trigger(qPrintable(menu));
        for (const QString& name : visible)
            QVERIFY2(shown(qPrintable(name)), qPrintable(name));
        for (const QString& name : hidden)
            QVERIFY2(!shown(qPrintable(name)), qPrintable(name));
        QTEST(find<QAction>("mnuAircraft")->isEnabled(), "aircraftMenu");
        QTEST(find<QAction>("mnuPvmtStru")->isEnabled(), "structureMenu");
        QTEST(int(window->state().design().layerMode), "layerMode");
        QCOMPARE(find<QLabel>("lbh")->text().isEmpty(), menu != "mnuAircraft");
    }

    void twoLayerViewLowersSubgradeAndSlabSize()
    {
        const char* moved[]
            = { "Txtk", "Lbunitk", "txtL", "LbunitL", "txtW", "lbunitW", "bandSubgrade" };
        trigger("mnuOneLayer");
        QMap<QString, QPoint> before;
        for (const char* name : moved)
            before[name] = find<QWidget>(name)->pos();
        const int slabY = find<QWidget>("TxtE")->y();
        trigger("mnuAircraft");
        trigger("mnuTwoLayer");
        const int shift = qRound(1000 * window->logicalDpiY() / 1440.0);
        for (const char* name : moved)
            QCOMPARE(find<QWidget>(name)->pos(), before[name] + QPoint(0, shift));
        QCOMPARE(find<QWidget>("TxtE")->y(), slabY);
        QVERIFY(find<QRadioButton>("bondno")->isChecked());
    }

    void layoutFollowsTheWindowSize()
    {
        trigger("mnuAircraft");
        for (const QSize size : { QSize(900, 650), QSize(1400, 900) }) {
            window->resize(size);
            QTRY_COMPARE(window->size(), size);
            const QWidget* inner = window->centralWidget();
            auto* title = find<QLabel>("LbTitle1");
            auto* picture = find<QWidget>("Picture1");
            QVERIFY(qAbs(title->geometry().center().x() - picture->width() / 2) <= 1);
            QCOMPARE(grid()->width(), qRound(inner->width() * 0.6));
            QCOMPARE(grid()->height(), qRound(inner->height() * 0.7));
            const int gap = qRound(100 * window->logicalDpiY() / 1440.0);
            QCOMPARE(find<QWidget>("cmdDel")->y(), grid()->geometry().bottom() + 1 + gap);
            QCOMPARE(find<QWidget>("cmdAdd")->y(),
                find<QWidget>("ListAircraft")->geometry().bottom() + 1 + gap);
        }
    }

    void trafficMixAddAndRemove()
    {
        trigger("mnuAircraft");
        const auto& db = window->state().design().database;
        QCOMPARE(gridRows(), 2);
        QCOMPARE(cell(0, 1), QString::fromStdString(db.titles[2]));
        QCOMPARE(cell(1, 1), QStringLiteral("lb"));
        QCOMPARE(grid()->columnWidth(0), qRound(1300 * window->logicalDpiX() / 1440.0));
        QCOMPARE(grid()->columnWidth(8), qRound(1200 * window->logicalDpiX() / 1440.0));
        QCOMPARE(grid()->rowHeight(0), qRound(500 * window->logicalDpiY() / 1440.0));

        click("cmdAdd"); // nothing selected
        addFromList(0);
        auto* list = find<QListWidget>("ListAircraft");
        DoubleClick(list, list->visualItemRect(list->item(1)).center());
        addFromList(2);
        addFromList(0); // already in the mix
        QCOMPARE(gridRows(), 5);
        QCOMPARE(cell(2, 0), QString::fromStdString(db.record(1).name));
        QCOMPARE(cell(3, 0), QString::fromStdString(db.record(2).name));
        QVERIFY(prompter->shown.empty());

        clickCell(1, 2); // the unit row is no aircraft
        click("cmdDel");
        QCOMPARE(prompter->texts(),
            std::vector<std::string> { "Please Select the aircarft that you want to delete!" });
        QCOMPARE(prompter->shown.back().title, std::string("KORVANT"));
        clickCell(3, 1);
        click("cmdDel");
        QCOMPARE(gridRows(), 4);
        QCOMPARE(cell(2, 0), QString::fromStdString(db.record(1).name));
        QCOMPARE(cell(3, 0), QString::fromStdString(db.record(3).name));
        QCOMPARE(int(window->state().design().mix.entries[3]), 0);

        clickCell(3, 0);
        click("cmddelall");
        QCOMPARE(gridRows(), 2);
        click("cmdDel"); // empty: silent
        QCOMPARE(prompter->shown.size(), std::size_t(1));
    }

    void mnemonicsReachTheAircraftButtons()
    {
        // "&Aircraft Data" and "&Add" share Alt+A; the menu entry is disabled in this view.
        trigger("mnuAircraft");
        auto* list = find<QListWidget>("ListAircraft");
        list->setCurrentRow(4);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(window->state().design().mix.count(), 1);
        QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(window->state().design().mix.count(), 0); // a mnemonic clicks after a moment
    }

    void changeDataDialog()
    {
        trigger("mnuAircraft");
        addFromList(0);
        addFromList(1);
        for (const QPoint cellAt : { QPoint(1, 0), QPoint(1, 1), QPoint(2, 0) }) {
            clickCell(cellAt.x(), cellAt.y(), true);
            QVERIFY(!changeData() || !changeData()->isVisible());
        }
        const std::string stored = window->state().design().database.record(1).grossWeight;
        clickCell(2, 1, true);
        QDialog* dialog = changeData();
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Change Data"));
        const QPoint screenCentre = dialog->screen()->geometry().center();
        QVERIFY((dialog->frameGeometry().center() - screenCentre).manhattanLength() <= 40);
        auto* text1 = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QCOMPARE(text1->text(), QString::fromStdString(stored));
        QCOMPARE(
            dialog->findChild<QLabel*>(QStringLiteral("LbUnit"))->text(), QStringLiteral("lb"));

        // A text that is no number: the check's message, the old value again, nothing stored.
        text1->setText(QStringLiteral("heavy"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
        QCOMPARE(prompter->texts(),
            std::vector<std::string> { "This is an invalid number; please try again!" });
        QCOMPARE(text1->text(), QString::fromStdString(stored));
        QVERIFY(dialog->isVisible());

        // A double click on another cell re-targets the open dialog.
        clickCell(3, 2, true);
        const auto& second = window->state().design().database.record(2);
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
            QString::fromStdString("Please input the new "
                + window->state().design().database.titles[3] + " data of " + second.name));
        text1->setText(QStringLiteral("2500"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(second.annualDepartures, std::string("2500"));
        QCOMPARE(cell(3, 2), QStringLiteral("2500"));

        // Closing by the close box stores nothing.
        clickCell(3, 2, true);
        text1->setText(QStringLiteral("7"));
        dialog->close();
        QCOMPARE(second.annualDepartures, std::string("2500"));
    }

    void designThickness_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("fieldAfter");
        QTest::newRow("Yes") << true << "500000";
        QTest::newRow("No") << false << "100";
    }

    void designThickness()
    {
        QFETCH(bool, accept);
        trigger("mnuAircraft");
        addFromList(10);
        trigger("mnuOneLayer");
        type("TxtE", QStringLiteral("100"));
        QCOMPARE(window->state().design().field(InputField::E), std::string("100"));
        prompter->answers = { accept ? Answer::Yes : Answer::No };
        click("cmdDesign");
        QTEST(find<QLineEdit>("TxtE")->text(), "fieldAfter");
        const auto texts = prompter->texts();
        QCOMPARE(texts.front(),
            std::string("E is not within the typical data range( 500000,  8000000). "
                        "Accept the suggested minimum value?"));
        auto* lbh = find<QLabel>("lbh");
        if (accept) {
            QCOMPARE(texts.size(), std::size_t(1));
            QVERIFY(!lbh->text().isEmpty());
            QCOMPARE(lbh->text(), QString::fromStdString(window->state().design().lbh));
        } else {
            // The design ran with 100 psi, which takes it outside the fatigue law's range: the
            // stop is reported in its own box and the thickness stays as it was.
            QCOMPARE(texts.size(), std::size_t(3));
            QCOMPARE(texts[1], std::string("Keep the E input value anyway!"));
            QCOMPARE(prompter->shown[1].title, std::string("korvant13"));
            QCOMPARE(prompter->shown[2].title, std::string("KORVANT"));
            QVERIFY(lbh->text().isEmpty());
        }
    }

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

    void aboutBox()
    {
        trigger("mnuAbout");
        auto* about = window->findChild<QDialog*>(QStringLiteral("frmAbout"));
        QVERIFY(about && about->isVisible() && !about->isModal());
        QCOMPARE(about->windowTitle(), QStringLiteral("About KORVANT Program"));
        auto* text = about->findChild<QTextEdit*>();
        QVERIFY(text->toPlainText().startsWith(
            QStringLiteral("KORVANT 1.3\nRigid Airfield Pavement Thickness Design\n\n")));
        QVERIFY(text->font().bold());
        QTest::mouseClick(
            about->findChild<QPushButton*>(QStringLiteral("cmdMoreInfo")), Qt::LeftButton);
        QVERIFY(text->toPlainText().contains(QStringLiteral("Westergaard")));
        QVERIFY(!text->font().bold());
        QCOMPARE(text->font().pointSize(), 12);
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QTRY_VERIFY(!window->findChild<QDialog*>(QStringLiteral("frmAbout")));
    }

    // Save, change everything, read back: the window returns to the title screen with the file's
    // units, inputs and mix, and the same file is written again byte for byte.
    void inputDataRoundTrip_data()
    {
        QTest::addColumn<bool>("metric");
        QTest::newRow("English") << false;
        QTest::newRow("Metric") << true;
    }
    void inputDataRoundTrip()
    {
        QFETCH(bool, metric);
        trigger("mnuAircraft");
        addFromList(2);
        addFromList(0);
        if (metric)
            trigger("MetricOption");
        trigger("mnuOneLayer");
        type("TxtSc", QStringLiteral("700"));
        const QString path = temp->filePath(QStringLiteral("my design"));
        files->path = path;
        trigger("FileSave");
        const QString saved = path + QStringLiteral(".inp");
        QVERIFY(QFile::exists(saved));
        const DesignModel before = window->state().design();

        trigger("mnuAircraft");
        click("cmddelall");
        trigger(metric ? "EnglishOption" : "MetricOption");
        files->path = saved;
        prompter->shown.clear();
        trigger("FileLoad");
        QCOMPARE(prompter->texts().back(), saved.toStdString() + "  Loaded!");
        // The file's project section names the structure, whose view opens with its inputs.
        QVERIFY(shown("TxtE") && !shown("LbTitle1") && !shown("TxtE2"));
        const DesignModel& after = window->state().design();
        QCOMPARE(after.units, before.units);
        QCOMPARE(after.mix, before.mix);
        QCOMPARE(after.field(InputField::Sc), std::string("700"));
        QCOMPARE(find<QAction>("MetricOption")->isChecked(), metric);

        files->path = temp->filePath(QStringLiteral("again.inp"));
        trigger("FileSave");
        QFile first(saved), second(files->path);
        QVERIFY(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
        QCOMPARE(second.readAll(), first.readAll());
    }

    // Cancelling the open dialog, a damaged file and a failed save change nothing.
    void inputDataFailuresChangeNothing()
    {
        trigger("mnuAircraft");
        addFromList(1);
        const DesignModel before = window->state().design();
        files->path.clear();
        trigger("FileLoad");
        QVERIFY(window->state().design() == before);
        QVERIFY(shown("Grid1"));

        QFile damaged(temp->filePath(QStringLiteral("damaged.inp")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("KORVANT-x\r\n****ENG****\r\n\r\n1\r\n2\r\n3\r\n\r\n***aircraft\r\n 0 \r\n");
        damaged.close();
        files->path = damaged.fileName();
        trigger("FileLoad");
        QCOMPARE(prompter->texts().back(), std::string("Incorrect Input File!"));
        QVERIFY(window->state().design() == before);

        // A target whose folder is a plain file cannot be written; that file stays as it was.
        files->path = damaged.fileName() + QStringLiteral("/design.inp");
        prompter->shown.clear();
        trigger("FileSave");
        QCOMPARE(prompter->shown.size(), size_t(1));
        QVERIFY(QFileInfo(damaged.fileName()).isFile());
        QVERIFY(window->state().design() == before);
    }

    void closePrompt_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("savePath");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Yes, save cancelled") << int(Answer::Yes) << QString() << false;
        QTest::newRow("Yes, saved") << int(Answer::Yes) << QStringLiteral("closing.inp") << true;
        QTest::newRow("No") << int(Answer::No) << QString() << true;
        QTest::newRow("Cancel") << int(Answer::Cancel) << QString() << false;
    }
    void closePrompt()
    {
        QFETCH(int, answer);
        QFETCH(QString, savePath);
        QFETCH(bool, closes);
        prompter->answers = { static_cast<Answer>(answer) };
        files->path = savePath.isEmpty() ? QString() : temp->filePath(savePath);
        QCOMPARE(window->close(), closes);
        QCOMPARE(prompter->shown.at(0).text, std::string("Save Input Data before closi ng?"));
        QCOMPARE(prompter->shown.at(0).title, std::string("Save Dialog"));
        if (!savePath.isEmpty())
            QVERIFY(QFile::exists(temp->filePath(savePath)));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
