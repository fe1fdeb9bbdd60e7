// The main window over scripted services, and its children found by object name, as the
// window's test suites drive it.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <memory>
#include <set>

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

    // The texts whose mnemonic (Alt+letter) another menu, visible button or labelled field of
    // the window already uses; none when every mnemonic reaches one place.
    QStringList mnemonicClashes() const
    {
        std::set<int> keys;
        QStringList clashes;
        const auto take = [&](const QString& text) {
            const int key = QKeySequence::mnemonic(text)[0].toCombined();
            if (key != 0 && !keys.insert(key).second)
                clashes << text;
        };
        for (QAction* action : window->menuBar()->actions())
            take(action->text());
        for (QAbstractButton* button : window->centralWidget()->findChildren<QAbstractButton*>())
            if (button->isVisible())
                take(button->text());
        for (QLabel* label : window->centralWidget()->findChildren<QLabel*>())
            if (label->isVisible() && label->buddy())
                take(label->text());
        return clashes;
    }

    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<FakeFileChooser> files;
    std::unique_ptr<FakePrintDialog> printing;
    std::unique_ptr<MainWindow> window;
};

} // namespace korvant::ui::test
