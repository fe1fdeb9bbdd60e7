// The main window's suites share this: the bundled catalogue read once, a window over fresh fakes
// for each case with a temporary folder that must stay empty, and the steps a user takes on the
// traffic grid, the aircraft list and the input fields.
#pragma once

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>
#include <string>

#include "design/window_model.h"
#include "window_fixture.h"

namespace korvant::ui::test {

// A view takes a double click only on the cell that the same gesture pressed first.
inline void DoubleClick(QAbstractItemView* view, QPoint at)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

// The pages of a PDF the window wrote.
inline int PdfPages(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

class MainWindowFixture : public WindowFixture
{
protected:
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

    void loadCatalogue()
    {
        std::string note;
        DesignModel session;
        const std::filesystem::path catalogue
            = LoadStartCatalogue(session, { KORVANT_CATALOGUE }, note);
        QVERIFY(session.database.recordCount >= 3);
        loaded = WindowModel(session, catalogue);
    }

    void startCase()
    {
        temp = std::make_unique<QTemporaryDir>();
        QVERIFY(temp->isValid());
        // Anything the window wrote to the temporary directory would land here.
        QVERIFY(QDir().mkpath(temp->filePath(QStringLiteral("tmp"))));
        qputenv("TMPDIR", temp->filePath(QStringLiteral("tmp")).toLocal8Bit());
        openWindow(loaded);
    }

    void endCase()
    {
        window.reset();
        QVERIFY(QDir(temp->filePath(QStringLiteral("tmp"))).isEmpty());
        QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + "/tmp.tmp"));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        qunsetenv("TMPDIR");
    }

    std::unique_ptr<QTemporaryDir> temp;
    WindowModel loaded;
};

} // namespace korvant::ui::test
