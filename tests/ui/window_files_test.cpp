// The main window's input data files as documents: saving and reading back, failures that
// change nothing, the modified flag in the title, Save against Save As, the questions before
// closing and before reading another file, a file given to the program or dropped on the window,
// the recent files, the settings kept in a temporary settings file, the standard shortcuts and
// the manual on F1. Message boxes and dialogs are answered by the scripted fakes.
#include <QAction>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTextBrowser>
#include <QUrl>

#include "main_window_fixture.h"
#include "ui/file_export.h"

using namespace korvant;
using namespace korvant::ui;

namespace {

const std::string kClosing = "Save Input Data before closi ng?";
const std::string kReading = "Save Input Data before reading another file?";

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class WindowFilesTest : public QObject, test::MainWindowFixture
{
    Q_OBJECT

    // A one-layer design session with two aircraft, saved as `name` in the temporary folder.
    QString savedSession(const char* name)
    {
        trigger("mnuAircraft");
        addFromList(2);
        addFromList(0);
        trigger("mnuOneLayer");
        files->path = temp->filePath(QString::fromLatin1(name));
        trigger("FileSaveAs");
        return window->state().currentFile().empty() ? QString()
                                                     : ShownPath(window->state().currentFile());
    }

    // Drops the URLs on the window as a file manager does; returns whether it took them.
    bool drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = window->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &dropped);
        return true;
    }

    QStringList recentEntries()
    {
        QStringList entries;
        for (QAction* action : find<QMenu>("mnuRecent")->actions())
            entries << action->text();
        return entries;
    }

private slots:
    void initTestCase() { loadCatalogue(); }
    void init() { startCase(); }
    void cleanup() { endCase(); }

    // Save, change everything, read back: the file's units, inputs and mix return, and the same
    // file is written again byte for byte.
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
        files->path = temp->filePath(QStringLiteral("my design"));
        trigger("FileSave"); // no file yet: Save asks as Save As does
        const QString saved = files->path + QStringLiteral(".inp");
        QVERIFY(QFile::exists(saved));
        const DesignModel before = window->state().design();

        trigger("mnuAircraft");
        click("cmddelall");
        trigger(metric ? "EnglishOption" : "MetricOption");
        prompter->shown.clear();
        prompter->answers = { Answer::No }; // do not save the changes first
        files->path = saved;
        trigger("FileLoad");
        QCOMPARE(prompter->texts().front(), kReading);
        QCOMPARE(prompter->texts().back(), saved.toStdString() + "  Loaded!");
        // The file's project section names the structure, whose view opens with its inputs.
        QVERIFY(shown("TxtE") && !shown("LbTitle1") && !shown("TxtE2"));
        const DesignModel& after = window->state().design();
        QCOMPARE(after.units, before.units);
        QCOMPARE(after.mix, before.mix);
        QCOMPARE(after.field(InputField::Sc), std::string("700"));
        QCOMPARE(find<QAction>("MetricOption")->isChecked(), metric);
        QVERIFY(!window->isWindowModified());

        files->path = temp->filePath(QStringLiteral("again.inp"));
        trigger("FileSaveAs");
        QCOMPARE(Contents(files->path), Contents(saved));
    }

    // Cancelling the open dialog, a damaged file and a failed save change nothing.
    void inputDataFailuresChangeNothing()
    {
        trigger("mnuAircraft");
        addFromList(1);
        const DesignModel before = window->state().design();
        files->path.clear();
        prompter->answers = { Answer::No, Answer::No };
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
        QVERIFY(window->state().currentFile().empty());

        // A target whose folder is a plain file cannot be written; that file stays as it was.
        files->path = damaged.fileName() + QStringLiteral("/design.inp");
        prompter->shown.clear();
        trigger("FileSave");
        QCOMPARE(prompter->shown.size(), size_t(1));
        QVERIFY(QFileInfo(damaged.fileName()).isFile());
        QVERIFY(window->state().design() == before);
        QVERIFY(window->isWindowModified());
    }

    // The title names the file, with "*" while saving would write another text than it holds.
    void modifiedFlagFollowsTheFileText()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("KORVANT[*]"));
        QVERIFY(!window->isWindowModified());
        trigger("mnuOneLayer");
        type("TxtSc", QStringLiteral("651"));
        QVERIFY(window->isWindowModified());
        type("TxtSc", QStringLiteral("650")); // the start state's text again
        QVERIFY(!window->isWindowModified());

        const QString path = savedSession("apron");
        QCOMPARE(window->windowTitle(), QStringLiteral("apron.inp[*] \u2014 KORVANT"));
        QVERIFY(!window->isWindowModified());
        trigger("mnuAircraft");
        clickCell(2, 1, true); // Change Data on a value of the mix
        changeData()
            ->findChild<QLineEdit*>(QStringLiteral("Text1"))
            ->setText(QStringLiteral("9999"));
        QTest::mouseClick(
            changeData()->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
        QVERIFY(window->isWindowModified());

        // Save writes the current file without a dialog.
        const int asked = files->asked;
        trigger("FileSave");
        QCOMPARE(files->asked, asked);
        QVERIFY(!window->isWindowModified());
        QVERIFY(Contents(path).contains("9999"));
        trigger("MetricOption"); // another unit system is another file text
        QVERIFY(window->isWindowModified());
    }

    // Save As always asks, starting at the current file; exports start in the last folder.
    void saveAsAndWhereDialogsStart()
    {
        const QString first = savedSession("first");
        QCOMPARE(files->caption, QStringLiteral("Save Input Data As"));
        files->path = temp->filePath(QStringLiteral("second.inp"));
        trigger("FileSaveAs");
        QCOMPARE(files->proposed, first);
        QCOMPARE(ShownPath(window->state().currentFile()), files->path);
        QCOMPARE(Contents(files->path), Contents(first));
        click("cmdDesign");
        files->path.clear();
        trigger("mnuSaveReportPdf");
        QCOMPARE(files->proposed, temp->filePath(QStringLiteral("report.pdf")));
        trigger("FileLoad");
        QCOMPARE(files->proposed, temp->filePath(QStringLiteral("second.inp")));
    }

    void questionBeforeLeavingTheWork_data()
    {
        QTest::addColumn<bool>("closing");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("savePath");
        QTest::addColumn<bool>("leaves");
        for (const bool closing : { true, false }) {
            const char* what = closing ? "close, " : "read, ";
            QTest::addRow("%sYes, save cancelled", what)
                << closing << int(Answer::Yes) << QString() << false;
            QTest::addRow("%sYes, saved", what)
                << closing << int(Answer::Yes) << QStringLiteral("kept.inp") << true;
            QTest::addRow("%sNo", what) << closing << int(Answer::No) << QString() << true;
            QTest::addRow("%sCancel", what) << closing << int(Answer::Cancel) << QString() << false;
        }
    }
    void questionBeforeLeavingTheWork()
    {
        QFETCH(bool, closing);
        QFETCH(int, answer);
        QFETCH(QString, savePath);
        QFETCH(bool, leaves);
        const QString other = savedSession("other");
        openWindow(loaded); // a session without a file, with unsaved changes
        trigger("mnuOneLayer");
        type("TxtE", QStringLiteral("4100000"));
        files->path = savePath.isEmpty() ? QString() : temp->filePath(savePath);
        prompter->answers = { static_cast<Answer>(answer) };
        const bool left = closing ? window->close() : window->openFile(other);
        QCOMPARE(left, leaves);
        QCOMPARE(prompter->shown.at(0).text, closing ? kClosing : kReading);
        QCOMPARE(prompter->shown.at(0).title, std::string("Save Dialog"));
        QCOMPARE(prompter->shown.at(0).buttons, Buttons::YesNoCancel);
        if (!savePath.isEmpty())
            QVERIFY(Contents(temp->filePath(savePath)).contains("4100000"));
        if (!closing)
            QCOMPARE(window->state().currentFile().empty(), !leaves);
    }

    // A file given to the program, a recent file and a dropped file are read as the menu reads.
    void fileArgumentDropAndRecentFiles()
    {
        const QString a = savedSession("a");
        files->path = temp->filePath(QStringLiteral("b.inp"));
        trigger("FileSaveAs");
        const QString b = files->path;
        openWindow(loaded);
        QVERIFY(window->openFile(a)); // as korvant a.inp
        QCOMPARE(window->windowTitle(), QStringLiteral("a.inp[*] \u2014 KORVANT"));
        QCOMPARE(prompter->texts().back(), LocalPath(a).string() + "  Loaded!");
        QVERIFY(!drop({ QUrl::fromLocalFile(temp->filePath(QStringLiteral("notes.txt"))) }));
        QVERIFY(!drop({ QUrl::fromLocalFile(a), QUrl::fromLocalFile(b) }));
        QVERIFY(drop({ QUrl::fromLocalFile(b) }));
        QCOMPARE(ShownPath(window->state().currentFile()), b);
        QCOMPARE(recentEntries(), (QStringList { "&1 b.inp", "&2 a.inp" }));
        find<QAction>("mnuRecent2")->trigger();
        QCOMPARE(ShownPath(window->state().currentFile()), a);
        QCOMPARE(recentEntries(), (QStringList { "&1 a.inp", "&2 b.inp" }));

        // A recent file that is gone is reported and leaves the list.
        QVERIFY(QFile::remove(b));
        prompter->shown.clear();
        find<QAction>("mnuRecent2")->trigger();
        QCOMPARE(prompter->shown.size(), std::size_t(1));
        QCOMPARE(recentEntries(), QStringList { "&1 a.inp" });
        QCOMPARE(ShownPath(window->state().currentFile()), a);
    }

    // Geometry, last folder, recent files and the start units come back at the next start.
    void settingsRoundTrip()
    {
        QSettings settings(temp->filePath(QStringLiteral("korvant.conf")), QSettings::IniFormat);
        openWindow(loaded, &settings);
        QVERIFY(!find<QAction>("StartMetricOption")->isChecked());
        QCOMPARE(find<QLineEdit>("TxtE")->text(), QStringLiteral("4000000"));
        window->resize(700, 520);
        QTRY_COMPARE(window->size(), QSize(700, 520));
        const QString path = savedSession("kept");
        find<QAction>("StartMetricOption")->trigger();
        QVERIFY(window->close());

        openWindow(loaded, &settings);
        QCOMPARE(window->size(), QSize(700, 520));
        QVERIFY(find<QAction>("StartMetricOption")->isChecked());
        QVERIFY(find<QAction>("MetricOption")->isChecked());
        DesignModel metric = loaded.design();
        SwitchToMetric(metric);
        QVERIFY(window->state().design() == metric); // as a switch to Metric shows them
        QVERIFY(!window->isWindowModified());
        QCOMPARE(recentEntries(), QStringList { "&1 kept.inp" });
        files->path.clear();
        trigger("FileLoad");
        QCOMPARE(files->proposed, temp->path() + QStringLiteral("/"));
        QCOMPARE(
            settings.value(QStringLiteral("files/recent")).toStringList(), QStringList { path });
        window.reset();
    }

    void standardShortcutsAndTheManual()
    {
        const std::pair<const char*, QKeySequence::StandardKey> keys[] = {
            { "FileLoad", QKeySequence::Open },
            { "FileSave", QKeySequence::Save },
            { "FileSaveAs", QKeySequence::SaveAs },
            { "mnuPrintReport", QKeySequence::Print },
            { "FileExit", QKeySequence::Quit },
            { "mnuManual", QKeySequence::HelpContents },
        };
        for (const auto& [action, key] : keys)
            QCOMPARE(find<QAction>(action)->shortcut(), QKeySequence(key));
        QTest::keyClick(window.get(), Qt::Key_F1);
        auto* manual = window->findChild<QDialog*>(QStringLiteral("frmManual"));
        QVERIFY(manual && manual->isVisible() && !manual->isModal());
        auto* browser = manual->findChild<QTextBrowser*>(QStringLiteral("txtManual"));
        QVERIFY(browser->source().toLocalFile().endsWith(QStringLiteral("manual/index.html")));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("korvant-cli")));
        QVERIFY(prompter->shown.empty());
    }
};

QTEST_MAIN(WindowFilesTest)
#include "window_files_test.moc"
