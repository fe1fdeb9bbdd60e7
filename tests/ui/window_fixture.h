// The main window over scripted services, and its children found by object name, as the
// window's test suites drive it.
#pragma once

#include <QAction>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "design/window_model.h"
#include "fakes.h"
#include "ui/main_window.h"

namespace korvant::ui::test {

class WindowFixture
{
protected:
    // A new window over fresh fakes, shown on screen; it keeps its settings in `settings` when
    // one is given.
    void openWindow(const WindowModel& state, QSettings* settings = nullptr)
    {
        prompter = std::make_unique<ScriptedPrompter>();
        files = std::make_unique<FakeFileChooser>();
        printing = std::make_unique<FakePrintDialog>();
        window = std::make_unique<MainWindow>(
            state, Services { prompter.get(), files.get(), printing.get(), settings });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    // Ends the run when the window has no such child: every later step would be meaningless.
    template <class T> T* find(const char* name)
    {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }
    void trigger(const char* action) { find<QAction>(action)->trigger(); }
    void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }

    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<FakeFileChooser> files;
    std::unique_ptr<FakePrintDialog> printing;
    std::unique_ptr<MainWindow> window;
};

} // namespace korvant::ui::test
