// The main window as a user drives it: views, the traffic grid and the Change Data dialog, the
// Design Thickness sequence and the About box. Message boxes and dialogs are answered by the
// scripted fakes.
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
#include <QScrollArea>
#include <QScrollBar>
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

class MainWindowTest : public QObject, test::MainWindowFixture
{
    Q_OBJECT

    bool insideCentral(QWidget* widget)
    {
        const QWidget* central = window->centralWidget();
        return central->rect().contains(
            QRect(widget->mapTo(central, QPoint(0, 0)), widget->size()));
    }

    // No two visible controls of the design panel's columns cover each other.
    void checkNoOverlap()
    {
        for (const char* column : { "layerColumn", "resultColumn", "climateColumn", "fraPcr" }) {
            auto* box = find<QWidget>(column);
            QList<QWidget*> shown;
            for (QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (child->isVisible())
                    shown.append(child);
            for (int i = 0; i < shown.size(); ++i)
                for (int j = i + 1; j < shown.size(); ++j)
                    QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
                        qPrintable(shown[i]->objectName() + " / " + shown[j]->objectName()));
        }
        const QRect layers = find<QWidget>("layerColumn")->geometry();
        QVERIFY(!layers.intersects(find<QWidget>("resultColumn")->geometry()));
        QVERIFY(!layers.intersects(find<QWidget>("climateColumn")->geometry()));
        QVERIFY(!layers.intersects(find<QWidget>("fraPcr")->geometry()));
        QVERIFY(!find<QWidget>("resultColumn")
                     ->geometry()
                     .intersects(find<QWidget>("fraPcr")->geometry()));
    }

    // Every title, unit and value of the grid shows whole: each column and row holds its texts.
    void checkGridShowsItsTexts()
    {
        const QFontMetrics metrics(grid()->font());
        for (int r = 0; r < gridRows(); ++r)
            for (int c = 0; c < kGridColumns; ++c) {
                const QString text = cell(r, c);
                QVERIFY2(
                    grid()->columnWidth(c) > metrics.horizontalAdvance(text), qPrintable(text));
                QVERIFY(grid()->rowHeight(r) >= metrics.height());
            }
    }

private slots:
    void initTestCase() { loadCatalogue(); }
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void startsOnTheTitleScreen()
    {
        QCOMPARE(window->objectName(), QStringLiteral("frmAircraft"));
        QCOMPARE(window->windowTitle(), QStringLiteral("KORVANT[*]"));
        QVERIFY(!window->isWindowModified());
        QVERIFY(find<QAction>("EnglishOption")->isChecked());
        QVERIFY(!find<QAction>("EnglishOption")->isEnabled());
        QVERIFY(find<QAction>("MetricOption")->isEnabled());
        QVERIFY(!find<QAction>("MetricOption")->isChecked());
        QCOMPARE(find<QLabel>("LbTitle1")->text(), QStringLiteral("KORVANT"));
        QVERIFY(shown("LbTitle1") && shown("LbTitle2"));
        for (QWidget* child : find<QWidget>("Picture1")->findChildren<QWidget*>())
            if (child->isVisible())
                QVERIFY2(child->objectName().startsWith("LbTitle")
                        || child->objectName() == QStringLiteral("titlePage"),
                    qPrintable(child->objectName()));
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

    // The icon installed at every hicolor size, as the build rendered it from the one SVG.
    void windowIconIsTheInstalledOne()
    {
        const QList<QSize> sizes = window->windowIcon().availableSizes();
        QCOMPARE(sizes.size(), 9);
        for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256, 512 })
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
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

    // The two-layer view puts the bottom layer between the slab and the subgrade; every row
    // keeps its label, field and unit side by side and no control covers another.
    void twoLayerViewPutsTheBottomLayerAboveTheSubgrade()
    {
        trigger("mnuOneLayer");
        const int slabY = find<QWidget>("TxtE")->y();
        QVERIFY(find<QWidget>("Txtk")->y() > find<QWidget>("TxtSc")->y());
        checkNoOverlap();
        trigger("mnuAircraft");
        trigger("mnuTwoLayer");
        QCOMPARE(find<QWidget>("TxtE")->y(), slabY);
        const int bottomLayer = find<QWidget>("txth2")->geometry().bottom();
        QVERIFY(find<QWidget>("TxtE2")->y() > find<QWidget>("TxtSc")->geometry().bottom());
        for (const char* name : { "Txtk", "Lbunitk", "txtL", "txtW", "lbunitW", "bandSubgrade" })
            QVERIFY2(find<QWidget>(name)->y() > bottomLayer, name);
        QCOMPARE(find<QWidget>("Lbunitk")->y(), find<QWidget>("Txtk")->y());
        checkNoOverlap();
        QVERIFY(find<QRadioButton>("bondno")->isChecked());
    }

    // At any window size and scale the window stays within the screen and every control can be
    // reached: whole inside the picture, which scrolls when the window is smaller than it.
    void layoutFitsEveryWindowSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("640 x 480") << QSize(640, 480);
        QTest::newRow("900 x 650") << QSize(900, 650);
        QTest::newRow("1400 x 900") << QSize(1400, 900);
    }
    void layoutFitsEveryWindowSize()
    {
        QFETCH(QSize, size);
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY(window->width() <= screen.width() && window->height() <= screen.height());
        window->resize(size);
        QTRY_COMPARE(window->size(), size);
        trigger("mnuAircraft");
        for (const char* name : { "ListAircraft", "Grid1", "cmdAdd", "cmdDel", "cmddelall" })
            QVERIFY2(insideCentral(find<QWidget>(name)), name);
        trigger("mnuTwoLayer");
        auto* picture = find<QWidget>("Picture1");
        auto* scroll = find<QScrollArea>("pictureScroll");
        QTRY_VERIFY(picture->width() >= scroll->viewport()->width());
        for (QWidget* child : picture->findChildren<QWidget*>()) {
            if (!child->isVisible() || qobject_cast<QChartView*>(child->parentWidget()))
                continue;
            const QRect area(child->mapTo(picture, QPoint(0, 0)), child->size());
            QVERIFY2(picture->rect().contains(area), qPrintable(child->objectName()));
        }
        // What does not fit scrolls into view.
        QTRY_COMPARE(scroll->verticalScrollBar()->maximum(),
            qMax(0, picture->height() - scroll->viewport()->height()));
        QTRY_COMPARE(scroll->horizontalScrollBar()->maximum(),
            qMax(0, picture->width() - scroll->viewport()->width()));
        // The panel puts its columns below one another rather than reach beyond the window.
        QVERIFY(find<QWidget>("DesignPanel")->width() <= scroll->viewport()->width());
        checkNoOverlap();
    }

    void trafficMixAddAndRemove()
    {
        trigger("mnuAircraft");
        const auto& db = window->state().design().database;
        QCOMPARE(gridRows(), 2);
        QCOMPARE(cell(0, 1), QString::fromStdString(db.titles[2]));
        QCOMPARE(cell(1, 1), QStringLiteral("lb"));
        checkGridShowsItsTexts();

        click("cmdAdd"); // nothing selected
        addFromList(0);
        auto* list = find<QListWidget>("ListAircraft");
        test::DoubleClick(list, list->visualItemRect(list->item(1)).center());
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
        checkGridShowsItsTexts();

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
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
