// The ACR view and the PCR panel as a user drives them: the catalogue rated off the window's
// thread with its progress, the cells equal to the core's, a what-if weight or a changed
// aircraft rating its row only, the mix's aircraft alone; the PCR following the design and a
// given slab, its mark of an aircraft above it, its out-of-date banner; the CSV exports and the
// mnemonics of the view.
#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPdfWriter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "design/acr_table.h"
#include "design/pcr_table.h"
#include "design/ratings_report.h"
#include "design/window_texts.h"
#include "main_window_fixture.h"
#include "ui/acr_view.h"
#include "ui/pcr_panel.h"
#include "ui/report_printing.h"

using namespace korvant;
using namespace korvant::ui;

namespace {

constexpr int kTimeoutMs = 120000;
constexpr int kDc932 = 24; // catalogue records
constexpr int kB737 = 34;
constexpr int kB747 = 62;

QString Heading(const std::string& heading)
{
    QStringList lines;
    for (const std::string& line : HeadingLines(heading, 0))
        lines << QString::fromStdString(line);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class RatingsWindowTest : public QObject, test::MainWindowFixture
{
    Q_OBJECT

    const DesignModel& design() { return window->state().design(); }
    AcrView* acrView() { return find<AcrView>("acrView"); }
    PcrPanel* pcrPanel() { return find<PcrPanel>("fraPcr"); }
    void waitForAcr() { QTRY_VERIFY_WITH_TIMEOUT(!acrView()->running(), kTimeoutMs); }
    void waitForPcr() { QTRY_VERIFY_WITH_TIMEOUT(!pcrPanel()->running(), kTimeoutMs); }

    // The table shows exactly these headings and rows.
    void compareTable(const char* name, const TraceTable& expected)
    {
        auto* table = find<QTableWidget>(name);
        QCOMPARE(table->rowCount(), static_cast<int>(expected.rows.size()));
        QCOMPARE(table->columnCount(), static_cast<int>(expected.headings.size()));
        for (int c = 0; c < table->columnCount(); ++c)
            QCOMPARE(table->horizontalHeaderItem(c)->text(),
                Heading(expected.headings[static_cast<std::size_t>(c)]));
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c)
                QCOMPARE(table->item(r, c)->text().toStdString(),
                    expected.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
    }

    void designMix(std::initializer_list<int> records)
    {
        trigger("mnuAircraft");
        for (const int record : records)
            addFromList(record - 1);
        trigger("mnuOneLayer");
        click("cmdDesign");
        waitForPcr();
    }

    void pick(const char* radio) { QTest::mouseClick(find<QRadioButton>(radio), Qt::LeftButton); }

    void choose(const char* row)
    {
        auto* table = find<QTableWidget>("tblAcr");
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 1)->text() == QLatin1String(row))
                table->setCurrentCell(r, 0);
    }

private slots:
    void initTestCase() { loadCatalogue(); }
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void acrViewRatesTheCatalogueOffTheWindowsThread()
    {
        QVERIFY(find<QAction>("mnuAcr")->isEnabled());
        trigger("mnuAcr");
        QVERIFY(shown("acrView") && !shown("pictureScroll"));
        QVERIFY(!find<QAction>("mnuAcr")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), find<QWidget>("tblAcr"));
        QVERIFY(find<QLabel>("lbAcrSource")->text().contains("ICAO's reference structure"));
        // The whole catalogue is rated while the window goes on; its progress counts aircraft.
        QVERIFY(acrView()->running());
        auto* progress = find<QProgressBar>("pbAcr");
        QVERIFY(progress->isVisible());
        QCOMPARE(progress->maximum(), design().database.recordCount);
        QVERIFY(!find<QPushButton>("cmdSaveAcrCsv")->isEnabled());
        waitForAcr();
        QVERIFY(!progress->isVisible());
        std::vector<int> all;
        for (int record = 1; record <= design().database.recordCount; ++record)
            all.push_back(record);
        const std::vector<AcrResult> expected
            = ComputeRecordsAcr(design().database, all, design().units);
        compareTable("tblAcr", AcrTable(expected, design().database, design().units));
        QCOMPARE(find<QLabel>("lbStatus")->text(),
            QStringLiteral("Computed the ACRs of %1 aircraft.").arg(all.size()));
        // A row without a rating says why.
        choose("Cessna 172");
        QCOMPARE(find<QLabel>("lbAcrNote")->text().toStdString(),
            AcrBelowReferenceNote(expected[0], design().units));

        files->path = temp->filePath(QStringLiteral("acr.csv"));
        click("cmdSaveAcrCsv");
        QFile saved(files->path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(
            saved.readAll().toStdString(), AcrCsv(expected, design().database, design().units));

        // The mix's aircraft alone, from the ratings already made; an empty mix says so.
        pick("rdoAcrMix");
        QVERIFY(!acrView()->running());
        QCOMPARE(find<QTableWidget>("tblAcr")->rowCount(), 0);
        QVERIFY(shown("lbAcrEmpty"));
        QVERIFY(prompter->shown.empty());
    }

    void whatIfAndChangedAircraftRateTheirRowOnly()
    {
        trigger("mnuAircraft");
        addFromList(kB737 - 1);
        addFromList(kB747 - 1);
        trigger("mnuAcr");
        waitForAcr();
        pick("rdoAcrMix");
        QVERIFY(!acrView()->running());
        const AircraftDatabase catalogue = design().database;

        choose("B747-400");
        auto* weight = find<QLineEdit>("txtAcrWhatIf");
        QCOMPARE(weight->text().toStdString(), catalogue.record(kB747).grossWeight);
        weight->selectAll();
        QTest::keyClicks(weight, QStringLiteral("700000"));
        QTest::keyClick(weight, Qt::Key_Return);
        QVERIFY(acrView()->running());
        QCOMPARE(find<QProgressBar>("pbAcr")->maximum(), 1);
        auto* table = find<QTableWidget>("tblAcr");
        const QString before = table->item(0, 3)->text();
        waitForAcr();
        AircraftDatabase whatIf = catalogue;
        whatIf.record(kB747).grossWeight = "700000";
        compareTable("tblAcr",
            AcrTable(ComputeRecordsAcr(whatIf, { kB737, kB747 }, design().units), whatIf,
                design().units));
        QCOMPARE(table->item(0, 3)->text(), before);
        QVERIFY(table->item(1, 2)->font().italic());
        QVERIFY(design().database == catalogue);

        // Not a number: the Change Data message, nothing kept.
        weight->setText(QStringLiteral("heavy"));
        click("cmdAcrWhatIf");
        QCOMPARE(prompter->texts(),
            std::vector<std::string> { "This is an invalid number; please try again!" });
        QCOMPARE(weight->text(), QStringLiteral("700000"));
        click("cmdAcrCatalogueWeight");
        waitForAcr();
        compareTable("tblAcr",
            AcrTable(ComputeRecordsAcr(catalogue, { kB737, kB747 }, design().units), catalogue,
                design().units));

        // A value changed in the traffic grid rates that aircraft again, and only it.
        trigger("mnuAircraft");
        QVERIFY(window->state().beginEdit(2, 1));
        QCOMPARE(window->state().confirmEdit("170000", *prompter).outcome, EditOutcome::Stored);
        trigger("mnuAcr");
        QVERIFY(acrView()->running());
        QCOMPARE(find<QProgressBar>("pbAcr")->maximum(), 1);
        // Its old rating stays in view, greyed, until the new one comes.
        const QColor greyed = table->palette().color(QPalette::Disabled, QPalette::Text);
        QCOMPARE(table->item(0, 3)->foreground().color(), greyed);
        QVERIFY(table->item(1, 3)->foreground().color() != greyed);
        waitForAcr();
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("170000"));
        QVERIFY(table->item(0, 3)->foreground().color() != greyed);
    }

    void pcrFollowsTheDesignAndIsMarked()
    {
        designMix({ kB737, kB747 });
        const DesignModel& session = design();
        const DesignBasis& basis = session.result.trace.basis;
        const PcrResult expected = ComputePcr(basis, session.result.thickness, session.units);
        QCOMPARE(find<QLabel>("lbPcrCode")->text().toStdString(), PcrCode(expected));
        QCOMPARE(find<QLabel>("lbPcrNote")->text().toStdString(),
            PcrCategoryNote(expected, basis, session.units));
        compareTable("tblPcrRounds", PcrRoundsTable(expected, basis, session.units));
        compareTable("tblPcrAircraft", PcrAircraftTable(expected, basis));
        QVERIFY(!shown("lbPcrOutOfDate"));

        files->path = temp->filePath(QStringLiteral("pcr.csv"));
        click("cmdSavePcrCsv");
        QFile saved(files->path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().toStdString(), PcrCsv(expected, basis, session.units));

        // An input changed: the banner, and no PCR until the next design.
        type("Txtk", QStringLiteral("150"));
        auto* banner = find<QLabel>("lbPcrOutOfDate");
        QVERIFY(banner->isVisible());
        QCOMPARE(banner->text().toStdString(),
            OutOfDateNote(ShownResult::Pcr, Staleness::InputsChanged));
        QVERIFY(!pcrPanel()->running());
        click("cmdPcr");
        waitForPcr();
        QVERIFY(!banner->isVisible());
        QCOMPARE(window->state().pcr()->result->category, SubgradeCategoryOfK(150));

        // A thinner given slab than the design: an aircraft above the PCR carries the mark.
        pick("rdoPcrGiven");
        type("txtPcrThickness", QStringLiteral("12"));
        QVERIFY(banner->isVisible());
        QTest::keyClick(find<QLineEdit>("txtPcrThickness"), Qt::Key_Return);
        waitForPcr();
        const PcrResult given = ComputePcr(design().result.trace.basis, 12.0f, design().units);
        QCOMPARE(find<QLabel>("lbPcrCode")->text().toStdString(), PcrCode(given));
        const TraceTable aircraft = PcrAircraftTable(given, design().result.trace.basis);
        compareTable("tblPcrAircraft", aircraft);
        auto* table = find<QTableWidget>("tblPcrAircraft");
        int marked = 0;
        for (int r = 0; r < table->rowCount(); ++r) {
            const bool exceeds = aircraft.rows[static_cast<std::size_t>(r)][4] == "exceeds";
            QCOMPARE(!table->item(r, 1)->icon().isNull(), exceeds);
            QCOMPARE(table->item(r, 1)->font().bold(), exceeds);
            marked += exceeds ? 1 : 0;
        }
        QVERIFY(marked > 0);
        QVERIFY(prompter->shown.empty());
    }

    // The PDF carries the report's pages as they were, then the ratings on pages of their own.
    void pdfGainsTheRatingsAfterTheReport()
    {
        designMix({ kB737, kB747 });
        files->path = temp->filePath(QStringLiteral("report.pdf"));
        trigger("mnuSaveReportPdf");
        QFile saved(files->path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QByteArray report;
        QBuffer buffer(&report);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QPdfWriter writer(&buffer);
        QVERIFY(PaintReportPages(
            writer, { window->state().reportHeader("2026-01-01"), ReportLines(design()), {} }, 1));
        buffer.close();
        QCOMPARE(test::PdfPages(saved.readAll()), test::PdfPages(report) + 1);
        QVERIFY(prompter->shown.empty());
    }

    void pcrWithoutASlabSaysWhy()
    {
        designMix({ kDc932 });
        pick("rdoPcrGiven");
        QTRY_VERIFY(!pcrPanel()->running());
        QCOMPARE(find<QLabel>("lbPcrCode")->text(), QStringLiteral("No PCR"));
        QCOMPARE(find<QLabel>("lbPcrNote")->text(),
            QStringLiteral(
                "Type the thickness of the slab to rate, or choose the design thickness."));
        QVERIFY(!find<QPushButton>("cmdSavePcrCsv")->isEnabled());
        type("txtPcrThickness", QStringLiteral("abc"));
        click("cmdPcr");
        QCOMPARE(prompter->texts(),
            std::vector<std::string> { "The slab thickness \"abc\" is not a number." });
    }

    void acrViewMnemonicsClashWithNothing()
    {
        trigger("mnuAcr");
        waitForAcr();
        const QStringList clashes = mnemonicClashes();
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral(", "))));
        QTest::keyClick(window.get(), Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(find<QRadioButton>("rdoAcrMix")->isChecked());
    }
};

QTEST_MAIN(RatingsWindowTest)
#include "ratings_window_test.moc"
