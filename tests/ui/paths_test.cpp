// The window's file operations in a folder whose path holds blanks and characters beyond ASCII:
// the start catalogue read from there and the report saved there as a PDF.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "design/thickness_design.h"
#include "design/window_model.h"
#include "fakes.h"
#include "ui/main_window.h"

using namespace korvant;
using namespace korvant::ui;

class PathsTest : public QObject
{
    Q_OBJECT

private slots:
    void catalogueAndPdfInAFolderWithBlanksAndNonAsciiCharacters()
    {
        QTemporaryDir temp;
        QVERIFY(temp.isValid());
        const QString folder = temp.filePath(QStringLiteral("Entwürfe mit Leerzeichen/Ünï ✈ 設計"));
        QVERIFY(QDir().mkpath(folder));
        const QString catalogue = folder + QStringLiteral("/fly.dll");
        QVERIFY(QFile::copy(QStringLiteral(KORVANT_CATALOGUE), catalogue));

        DesignModel session;
        std::string note;
        const std::filesystem::path local(QFile::encodeName(catalogue).toStdString());
        QCOMPARE(LoadStartCatalogue(session, { local }, note), local);
        QVERIFY(session.database.recordCount > 30);
        session.mix.add(30);
        RunDesign(session);
        const WindowModel state(session, local);

        test::ScriptedPrompter prompter;
        test::FakeFileChooser files;
        test::FakePrintDialog printing;
        MainWindow window(state, Services { &prompter, &files, &printing });
        const QString pdf = folder + QStringLiteral("/Bericht é.pdf");
        QVERIFY(window.saveReportPdf(pdf));
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith("%PDF"));
        QVERIFY(prompter.shown.empty());
    }
};

QTEST_MAIN(PathsTest)
#include "paths_test.moc"
