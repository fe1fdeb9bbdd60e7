// The Studies window as a user drives it: its settings show and write the model's, a
// sensitivity study shows the core's rows and tornado chart, a reliability study runs to its end
// on its own thread and shows the core's quantiles, Cancel and closing either window stop a
// running study and leave the state as it was, and designs that stop show their message.
#include <QAction>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "design/aircraft_step.h"
#include "design/window_model.h"
#include "design/window_studies.h"
#include "window_fixture.h"

using namespace korvant;
using namespace korvant::ui;

namespace {

constexpr int kStudyTimeoutMs = 120000;
constexpr int kB747 = 62; // catalogue records
constexpr int kC130 = 31;
constexpr int kCitationX = 11;

std::string StopMessage(const DesignModel& session)
{
    try {
        RunSensitivityStudy(session, 10);
    } catch (const DesignStopped& stopped) {
        return stopped.what();
    }
    return "";
}

} // namespace

class StudyWindowTest : public QObject, test::WindowFixture
{
    Q_OBJECT

private:
    WindowModel& state() { return window->state(); }
    QString cell(const char* table, int row, int column)
    {
        return find<QTableWidget>(table)->item(row, column)->text();
    }
    void compareTable(const char* name, const TraceTable& expected)
    {
        auto* table = find<QTableWidget>(name);
        QCOMPARE(table->rowCount(), static_cast<int>(expected.rows.size()));
        QCOMPARE(table->columnCount(), static_cast<int>(expected.headings.size()));
        for (int c = 0; c < table->columnCount(); ++c)
            QCOMPARE(table->horizontalHeaderItem(c)->text().toStdString(),
                expected.headings[static_cast<std::size_t>(c)]);
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c)
                QCOMPARE(cell(name, r, c).toStdString(),
                    expected.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
    }
    void runReliability(int samples)
    {
        trigger("mnuReliability");
        find<QSpinBox>("spnSamples")->setValue(samples);
        click("cmdRunReliability");
    }
    bool reliabilityRunning() { return !find<QPushButton>("cmdRunReliability")->isEnabled(); }
    void waitForReliability() { QTRY_VERIFY_WITH_TIMEOUT(!reliabilityRunning(), kStudyTimeoutMs); }
    void runSensitivity()
    {
        trigger("mnuSensitivity");
        click("cmdRunSensitivity");
    }

    std::unique_ptr<QTemporaryDir> temp;
    WindowModel loaded;

private slots:
    void initTestCase()
    {
        std::string note;
        DesignModel session;
        const std::filesystem::path catalogue
            = LoadStartCatalogue(session, { KORVANT_CATALOGUE }, note);
        session.mix.add(kB747);
        session.mix.add(kC130);
        loaded = WindowModel(session, catalogue);
    }

    void init()
    {
        temp = std::make_unique<QTemporaryDir>();
        openWindow(loaded);
    }

    void cleanup() { window.reset(); }

    void settingsShowAndWriteTheModel()
    {
        trigger("mnuReliability");
        auto* studies = find<QDialog>("frmStudies");
        QVERIFY(studies->isVisible() && !studies->isModal());
        QVERIFY(find<QTabWidget>("tabStudies")
                    ->currentWidget()
                    ->isAncestorOf(find<QWidget>("tabReliability")));
        QCOMPARE(find<QDoubleSpinBox>("spnSensitivityPercent")->value(), 10.0);
        QCOMPARE(find<QComboBox>("cboSpreadSc")->currentText(), QStringLiteral("Normal"));
        QCOMPARE(find<QComboBox>("cboSpreadk")->currentText(), QStringLiteral("Log-normal"));
        QCOMPARE(find<QDoubleSpinBox>("spnVariationk")->value(), 25.0);
        QCOMPARE(find<QDoubleSpinBox>("spnVariationDepartures")->value(), 15.0);
        QCOMPARE(find<QSpinBox>("spnSamples")->value(), 10000);
        QCOMPARE(find<QSpinBox>("spnSeed")->value(), 1);

        find<QComboBox>("cboSpreadE")->setCurrentIndex(2);
        find<QDoubleSpinBox>("spnVariationE")->setValue(12.5);
        find<QSpinBox>("spnSeed")->setValue(77);
        find<QDoubleSpinBox>("spnSensitivityPercent")->setValue(25);
        const ReliabilitySettings& settings = state().reliabilitySettings();
        QVERIFY(settings.E == (InputSpread { Spread::Uniform, 0.125 }));
        QVERIFY(settings.Sc == ReliabilitySettings().Sc);
        QCOMPARE(settings.seed, std::uint64_t(77));
        QCOMPARE(state().sensitivityPercent(), 25.0);
    }

    void sensitivityShowsTheCoreRowsAndChart()
    {
        trigger("mnuSensitivity");
        find<QDoubleSpinBox>("spnSensitivityPercent")->setValue(20);
        click("cmdRunSensitivity");
        const SensitivityResult expected = RunSensitivityStudy(state().design(), 20);
        compareTable("tblSensitivity", SensitivityTable(expected));
        QCOMPARE(find<QLabel>("lbSensitivitySummary")->text().toStdString(),
            SensitivitySummary(expected));

        // The largest effect on top (the bars run from the bottom up), as a change from the base.
        const auto* bars = static_cast<QHorizontalBarSeries*>(
            find<QChartView>("chartTornado")->chart()->series().at(0));
        QCOMPARE(bars->barSets().size(), 2);
        QBarSet* lowered = bars->barSets().at(0);
        QCOMPARE(lowered->count(), static_cast<int>(expected.rows.size()));
        const auto change = [&](const StudyOutcome& outcome) {
            return static_cast<double>(outcome.thickness)
                - static_cast<double>(expected.base.thickness);
        };
        QCOMPARE(lowered->at(lowered->count() - 1), change(expected.rows.front().lowOutcome));
        QCOMPARE(bars->barSets().at(1)->at(0), change(expected.rows.back().highOutcome));

        files->path = temp->filePath(QStringLiteral("sensitivity.csv"));
        click("cmdSaveSensitivityCsv");
        QFile saved(files->path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().toStdString(), SensitivityCsv(expected));
        files->path = temp->filePath(QStringLiteral("no/such/dir/s.csv"));
        click("cmdSaveSensitivityCsv");
        QCOMPARE(prompter->shown.size(), std::size_t(1));
        QVERIFY(prompter->shown[0].text.starts_with("Cannot write the sensitivity study to "));
    }

    void reliabilityRunsToItsEnd()
    {
        trigger("mnuReliability");
        find<QSpinBox>("spnSeed")->setValue(5);
        runReliability(60);
        waitForReliability();
        const ReliabilityResult expected
            = *RunReliabilityStudy(state().design(), state().reliabilitySettings());
        compareTable("tblQuantiles", QuantileTable(expected));
        QCOMPARE(cell("tblQuantiles", 3, 0), QStringLiteral("95"));
        QCOMPARE(cell("tblQuantiles", 3, 1).toStdString(),
            ThicknessCaption(*expected.quantiles[3], UnitSystem::English));
        QCOMPARE(find<QLabel>("lbReliabilitySummary")->text().toStdString(),
            ReliabilitySummary(expected));
        auto* progress = find<QProgressBar>("pbReliability");
        QCOMPARE(progress->maximum(), 60);
        QCOMPARE(progress->value(), 60);
        QCOMPARE(find<QChartView>("chartHistogram")->chart()->series().size(), 2);

        files->path = temp->filePath(QStringLiteral("samples.csv"));
        click("cmdSaveSamplesCsv");
        QFile saved(files->path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().toStdString(), ReliabilitySamplesCsv(expected));
        QVERIFY(prompter->shown.empty());
    }

    // A large study is stopped while its progress moves; the results of earlier runs, the
    // settings and the session stay exactly as they were.
    void stoppingLeavesTheStateAsItWas_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("study window closed") << "study window";
        QTest::newRow("main window closed") << "main window";
    }
    void stoppingLeavesTheStateAsItWas()
    {
        QFETCH(QString, how);
        runSensitivity();
        runReliability(20);
        waitForReliability();
        const std::string sensitivity = SensitivityCsv(*state().sensitivity());
        const std::string reliability = ReliabilitySamplesCsv(*state().reliability());
        find<QSpinBox>("spnSamples")->setValue(1000000);
        const DesignModel design = state().design();
        const ReliabilitySettings settings = state().reliabilitySettings();

        click("cmdRunReliability");
        QVERIFY(reliabilityRunning());
        QCOMPARE(find<QProgressBar>("pbReliability")->maximum(), 1000000);
        QTRY_VERIFY_WITH_TIMEOUT(find<QProgressBar>("pbReliability")->value() > 0, kStudyTimeoutMs);
        if (how == "Cancel") {
            click("cmdCancelReliability");
            waitForReliability();
            QCOMPARE(find<QLabel>("lbReliabilityStatus")->text(), QStringLiteral("Cancelled."));
        } else if (how == "study window") {
            find<QDialog>("frmStudies")->close();
            QVERIFY(!reliabilityRunning());
        } else {
            QVERIFY(window->close()); // no unsaved changes: no question
            QVERIFY(!reliabilityRunning());
        }
        QVERIFY(state().design() == design);
        QVERIFY(state().reliabilitySettings() == settings);
        QCOMPARE(SensitivityCsv(*state().sensitivity()), sensitivity);
        QCOMPARE(ReliabilitySamplesCsv(*state().reliability()), reliability);
        QVERIFY(prompter->shown.empty());
    }

    void sessionWhoseDesignStopsShowsTheMessage_data()
    {
        QTest::addColumn<bool>("reliability");
        QTest::newRow("sensitivity") << false;
        QTest::newRow("reliability") << true;
    }
    void sessionWhoseDesignStopsShowsTheMessage()
    {
        QFETCH(bool, reliability);
        state().setField(InputField::E, "100");
        if (reliability) {
            runReliability(10);
            waitForReliability();
        } else {
            runSensitivity();
        }
        QCOMPARE(prompter->shown.size(), std::size_t(1));
        QCOMPARE(prompter->shown[0].text, StopMessage(state().design()));
        QCOMPARE(prompter->shown[0].title, std::string("KORVANT"));
        QVERIFY(!state().sensitivity() && !state().reliability());
        QCOMPARE(
            find<QTableWidget>(reliability ? "tblQuantiles" : "tblSensitivity")->rowCount(), 0);
    }

    // A light aircraft on a soft slab: the session designs, but some varied designs stop.
    void stoppedVariationsAreShown()
    {
        state().removeAll();
        state().addListAircraft(kCitationX - 1);
        state().setField(InputField::E, "40000");
        state().setField(InputField::k, "200");
        trigger("mnuSensitivity");
        find<QDoubleSpinBox>("spnSensitivityPercent")->setValue(50);
        click("cmdRunSensitivity");
        const SensitivityResult expected = RunSensitivityStudy(state().design(), 50);
        const SensitivityRow& last = expected.rows.back();
        QVERIFY(!last.hasEffect());
        const int row = static_cast<int>(expected.rows.size()) - 1;
        QCOMPARE(cell("tblSensitivity", row, 5), QStringLiteral("-"));
        const StudyOutcome& stopped = last.lowOutcome.ok() ? last.highOutcome : last.lowOutcome;
        QCOMPARE(cell("tblSensitivity", row, last.lowOutcome.ok() ? 4 : 3).toStdString(),
            stopped.stopped);

        runReliability(200);
        waitForReliability();
        QVERIFY(state().reliability()->stopped > 0);
        QVERIFY(find<QLabel>("lbReliabilitySummary")
                    ->text()
                    .contains(QStringLiteral("%1 (").arg(state().reliability()->stopped)));
        QVERIFY(prompter->shown.empty());
    }
};

QTEST_MAIN(StudyWindowTest)
#include "study_window_test.moc"
