// The main window on any desktop: colours from a dark palette, numbers written without the
// locale under a German one, Change Data by keyboard, the focus after views and message boxes,
// mnemonics, tooltips, the out-of-date marks of every result, the status line and the refused
// report outputs before a design. The suite runs under LC_ALL=de_DE.UTF-8 (see CMakeLists.txt).
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <clocale>
#include <cstdio>

#include "design/design_trace.h"
#include "design/input_help.h"
#include "design/report.h"
#include "main_window_fixture.h"
#include "ui/qt_services.h"

using namespace korvant;
using namespace korvant::ui;

namespace {

QPalette DarkPalette()
{
    QPalette dark;
    const QColor window(35, 38, 41), base(27, 30, 32), text(239, 240, 241);
    for (const auto role : { QPalette::Window, QPalette::Button, QPalette::ToolTipBase })
        dark.setColor(role, window);
    for (const auto role : { QPalette::Base, QPalette::AlternateBase })
        dark.setColor(role, base);
    for (const auto role :
        { QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText })
        dark.setColor(role, text);
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(110, 115, 120));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 115, 120));
    return dark;
}

const std::string kDesignFirst = "Plesae click \"Design Thickness\" button, First !  ";

} // namespace

class WindowScreensTest : public QObject, test::MainWindowFixture
{
    Q_OBJECT

    // The one-layer view with two aircraft, designed.
    void designOneLayer()
    {
        trigger("mnuAircraft");
        addFromList(30);
        addFromList(40);
        trigger("mnuOneLayer");
        click("cmdDesign");
        QVERIFY(!window->state().design().lbh.empty());
    }

    QString status() { return find<QLabel>("lbStatus")->text(); }

    // Every text the window and its Studies window show, cell by cell.
    QStringList shownTexts()
    {
        QStringList texts;
        for (QLabel* label : window->findChildren<QLabel*>())
            texts << label->text();
        for (QLineEdit* edit : window->findChildren<QLineEdit*>())
            texts << edit->text();
        for (QAbstractSpinBox* spin : window->findChildren<QAbstractSpinBox*>())
            texts << spin->text();
        for (QProgressBar* bar : window->findChildren<QProgressBar*>())
            texts << bar->text();
        for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
            const QAbstractItemModel* model = view->model();
            for (int r = 0; model && r < model->rowCount(); ++r)
                for (int c = 0; c < model->columnCount(); ++c)
                    texts << model->index(r, c).data().toString();
        }
        return texts;
    }

private slots:
    void initTestCase()
    {
        loadCatalogue();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void coloursComeFromThePalette()
    {
        const QPalette light = QApplication::palette();
        const QPalette dark = DarkPalette();
        QApplication::setPalette(dark);
        openWindow(loaded);
        designOneLayer();
        type("TxtSc", QStringLiteral("700")); // the thickness greys, the charts get a banner
        for (QWidget* widget : window->findChildren<QWidget*>())
            QVERIFY2(widget->styleSheet().isEmpty(), qPrintable(widget->objectName()));
        auto* lbh = find<QLabel>("lbh");
        QVERIFY(!lbh->isEnabled()); // drawn in the palette's disabled colours
        QCOMPARE(lbh->palette().color(QPalette::Disabled, lbh->foregroundRole()),
            dark.color(QPalette::Disabled, QPalette::Text));
        QCOMPARE(lbh->palette().color(QPalette::Active, lbh->backgroundRole()),
            dark.color(QPalette::Active, QPalette::Base));
        for (const char* name : { "LbunitE", "lbunittemp", "lbhOutOfDate" }) {
            auto* label = find<QLabel>(name);
            QCOMPARE(
                label->palette().color(label->foregroundRole()), dark.color(QPalette::WindowText));
        }
        auto* banner = find<QLabel>("lbChartsOutOfDate");
        QVERIFY(banner->isVisible());
        QCOMPARE(
            banner->palette().color(banner->backgroundRole()), dark.color(QPalette::ToolTipBase));
        QCOMPARE(find<QChartView>("chartDamageCurve")->chart()->theme(), QChart::ChartThemeDark);
        QApplication::setPalette(light);
        click("cmdDesign");
        QCOMPARE(find<QChartView>("chartDamageCurve")->chart()->theme(), QChart::ChartThemeLight);
    }

    void numbersIgnoreTheLocale()
    {
        // The toolkit took the German locale for the C library too, which writes "1,5".
        std::array<char, 16> written {};
        std::snprintf(written.data(), written.size(), "%.1f", 1.5);
        if (QByteArray(written.data()) != "1,5")
            QSKIP("the German locale is missing; the test fixture builds it with localedef");
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));

        designOneLayer();
        type("txtEvaluate", QStringLiteral("14.5"));
        click("cmdEvaluate");
        trigger("mnuTrace");
        const DesignTrace& trace = window->state().design().result.trace;
        const TraceTable sheet = AircraftTraceSheet(trace);
        QCOMPARE(find<QTableWidget>("tblTraceAircraft")->item(15, 1)->text(),
            QString::fromStdString(sheet.rows[15][1]));
        trigger("mnuSensitivity");
        click("cmdRunSensitivity");
        trigger("mnuReliability");
        const QRegularExpression decimalComma(QStringLiteral("\\d,\\d"));
        for (const QString& text : shownTexts())
            QVERIFY2(!text.contains(decimalComma), qPrintable(text));
        QCOMPARE(find<QDoubleSpinBox>("spnSensitivityPercent")->text(), QStringLiteral("10.0 %"));
        QCOMPARE(find<QSpinBox>("spnSamples")->text(), QStringLiteral("10000"));

        // Typing keeps the decimal point; a comma is no number.
        trigger("mnuOneLayer");
        type("TxtSc", QStringLiteral("6,5"));
        prompter->shown.clear();
        click("cmdDesign");
        QCOMPARE(
            prompter->texts().at(0), std::string("Sc is an invalid number; please try again!"));
    }

    void changeDataByKeyboard()
    {
        trigger("mnuAircraft");
        addFromList(0);
        addFromList(1);
        const auto& db = window->state().design().database;
        const std::string weight = db.record(1).grossWeight;
        QTableView* g = grid();
        g->setFocus();
        g->setCurrentIndex(g->model()->index(2, 1));
        QTest::keyClick(g, Qt::Key_F2);
        QDialog* dialog = changeData();
        QVERIFY(dialog && dialog->isVisible());
        auto* text1 = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QCOMPARE(text1->text(), QString::fromStdString(weight));
        QTest::keyClicks(text1, QStringLiteral("9"));
        QTest::keyClick(text1, Qt::Key_Escape); // as the close box: nothing stored
        QVERIFY(!dialog->isVisible());
        QCOMPARE(db.record(1).grossWeight, weight);

        g->setCurrentIndex(g->model()->index(3, 2));
        QTest::keyClick(g, Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QTest::keyClicks(text1, QStringLiteral("2500"));
        QTest::keyClick(text1, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(db.record(2).annualDepartures, std::string("2500"));
        QCOMPARE(status().toStdString(),
            "Changed the " + db.titles[3] + " of " + db.record(2).name + " to 2500.");

        // Space selects the row for Remove, as a click does.
        g->setCurrentIndex(g->model()->index(2, 0));
        QTest::keyClick(g, Qt::Key_Space);
        click("cmdDel");
        QCOMPARE(window->state().design().mix.count(), 1);
        QVERIFY(prompter->shown.empty());
    }

    void focusFollowsViewsAndMessageBoxes()
    {
        // Message boxes of the Qt prompter, closed by a timer as a user would close them.
        QtPrompter boxes;
        window = std::make_unique<MainWindow>(
            loaded, Services { &boxes, files.get(), printing.get() });
        boxes.setParent(window.get());
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        for (const auto& [menu, first] : { std::pair { "mnuOneLayer", "TxtE" },
                 std::pair { "mnuAircraft", "ListAircraft" }, std::pair { "mnuTwoLayer", "TxtE" },
                 std::pair { "mnuAircraft", "ListAircraft" } }) {
            trigger(menu);
            QCOMPARE(QApplication::focusWidget(), find<QWidget>(first));
        }
        addFromList(0);
        QTableView* g = grid();
        g->setFocus();
        g->setCurrentIndex(g->model()->index(2, 1));
        QTest::keyClick(g, Qt::Key_F2);
        QDialog* dialog = changeData();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto* text1 = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
        text1->setText(QStringLiteral("heavy"));
        int closed = 0;
        // A desktop without a window manager gives the keyboard to the main window when a box
        // closes; the prompter takes it back to the window the box was asked from.
        QTimer::singleShot(0, this, [this, &closed] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++closed;
                box->close();
                window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(window.get()));
            }
        });
        QTest::keyClick(text1, Qt::Key_Return); // OK: the invalid-number box
        QCOMPARE(closed, 1);
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        QTRY_COMPARE(QApplication::focusWidget(), text1);
        QVERIFY(dialog->isVisible());
        window.reset(); // before the prompter it was given
    }

    void mnemonicsClashWithNothing()
    {
        trigger("mnuAircraft");
        addFromList(30);
        trigger("mnuOneLayer");
        QCOMPARE(find<QPushButton>("cmdDesign")->text(), QStringLiteral("Desi&gn Thickness"));
        QCOMPARE(find<QPushButton>("cmdReport")->text(), QStringLiteral("Re&port"));
        const QStringList clashes = mnemonicClashes();
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral(", "))));
        QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(!find<QLabel>("lbh")->text().isEmpty());
        QTest::keyClick(window.get(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(shown("txtReports"));
        QCOMPARE(QApplication::focusWidget(), find<QWidget>("txtReports"));
    }

    void tooltipsFollowTheUnits()
    {
        trigger("mnuTwoLayer");
        for (const InputFieldInfo& info : InputFields())
            QCOMPARE(find<QLineEdit>(info.objectName)->toolTip(),
                QString::fromStdString(InputFieldTip(info.field, UnitSystem::English)));
        QVERIFY(
            find<QLineEdit>("TxtE")->toolTip().contains(QStringLiteral("500000 to 8000000 psi")));
        trigger("MetricOption");
        QVERIFY(find<QLineEdit>("TxtE")->toolTip().contains(QStringLiteral("kPa")));
        QCOMPARE(find<QLineEdit>("txtEvaluate")->toolTip(),
            QString::fromStdString(EvaluatedThicknessTip(UnitSystem::Metric)));
        QCOMPARE(find<QLabel>("lbh")->toolTip(),
            QString::fromStdString(DesignThicknessTip(UnitSystem::Metric)));
        QCOMPARE(status(), QStringLiteral("Units: Metric."));
    }

    void resultsSayWhenTheyAreOutOfDate()
    {
        designOneLayer();
        trigger("mnuSensitivity");
        click("cmdRunSensitivity");
        QCOMPARE(status(), QStringLiteral("Sensitivity study done."));
        const auto note = [](ShownResult result, Staleness staleness) {
            return QString::fromStdString(OutOfDateNote(result, staleness));
        };
        const auto current = [this] {
            QVERIFY(find<QLabel>("lbh")->isEnabled());
            for (const char* mark :
                { "lbhOutOfDate", "lbChartsOutOfDate", "lbSensitivityOutOfDate" })
                QVERIFY2(!shown(mark), mark);
        };
        current();

        // An input typed after the design marks the thickness, its charts, the report and the
        // study at once.
        type("TxtSc", QStringLiteral("700"));
        QVERIFY(!find<QLabel>("lbh")->isEnabled());
        QCOMPARE(find<QLabel>("lbhOutOfDate")->text(),
            note(ShownResult::Thickness, Staleness::InputsChanged));
        QCOMPARE(find<QLabel>("lbChartsOutOfDate")->text(),
            note(ShownResult::Charts, Staleness::InputsChanged));
        QVERIFY(shown("lbSensitivityOutOfDate"));
        click("cmdReport");
        QVERIFY(shown("txtReports") && shown("lbReportOutOfDate"));
        QCOMPARE(find<QLabel>("lbReportOutOfDate")->text(),
            note(ShownResult::Report, Staleness::InputsChanged));
        QCOMPARE(find<QPlainTextEdit>("txtReports")->toPlainText(),
            QString::fromStdString(ReportText(window->state().design()))
                .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        trigger("mnuTrace");
        QVERIFY(shown("lbTraceOutOfDate"));

        // A new design is current again; a unit switch converts it and marks nothing.
        trigger("mnuOneLayer");
        click("cmdDesign");
        trigger("MetricOption");
        QVERIFY(find<QLabel>("lbh")->isEnabled() && !shown("lbhOutOfDate"));
        QVERIFY(!shown("lbChartsOutOfDate"));
        trigger("EnglishOption");

        // A design that stops leaves the last thickness marked with the reason.
        type("TxtE", QStringLiteral("100"));
        prompter->answers = { Answer::No };
        click("cmdDesign");
        QVERIFY(!find<QLabel>("lbh")->text().isEmpty());
        QCOMPARE(find<QLabel>("lbhOutOfDate")->text(),
            note(ShownResult::Thickness, Staleness::DesignStopped));
        QCOMPARE(find<QLabel>("lbChartsOutOfDate")->text(),
            note(ShownResult::Charts, Staleness::DesignStopped));
        QVERIFY(status().startsWith(QStringLiteral("Design stopped: ")));
    }

    void reportOutputsBeforeADesign()
    {
        trigger("mnuAircraft");
        addFromList(3);
        trigger("mnuOneLayer");
        const QString pdf = temp->filePath(QStringLiteral("report.pdf"));
        files->path = pdf;
        trigger("mnuSaveReportPdf");
        QCOMPARE(prompter->texts(), std::vector<std::string> { kDesignFirst });
        QCOMPARE(files->asked, 0);
        QVERIFY(!window->saveReportPdf(pdf));
        trigger("mnuPrintReport");
        QCOMPARE(printing->asked, 0);
        QCOMPARE(prompter->shown.size(), std::size_t(3));
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(status(), QStringLiteral("No report: press Design Thickness first."));

        click("cmdDesign");
        trigger("mnuSaveReportPdf");
        QVERIFY(QFile(pdf).size() > 0);
        QCOMPARE(status(), QStringLiteral("Saved the report to %1.").arg(pdf));
    }

    void windowsFitTheScreen()
    {
        const QSize room = window->screen()->availableGeometry().size();
        QVERIFY(window->width() <= room.width() && window->height() <= room.height());
        trigger("mnuReliability");
        auto* studies = window->findChild<QDialog*>(QStringLiteral("frmStudies"));
        QVERIFY(studies->width() <= room.width() && studies->height() <= room.height());
        QTRY_COMPARE(QApplication::focusWidget(), find<QWidget>("cboSpreadSc"));
    }
};

QTEST_MAIN(WindowScreensTest)
#include "window_screens_test.moc"
