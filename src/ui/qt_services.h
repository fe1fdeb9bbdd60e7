// The Qt answers to the window's services: QMessageBox for the core's messages and questions,
// QFileDialog for paths and QPrintDialog for the printer and its number of copies.
#pragma once

#include <QPointer>
#include <QSettings>
#include <QWidget>

#include "ui/services.h"

namespace korvant::ui {

class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget* parent = nullptr)
        : parent_(parent)
    {
    }
    void setParent(QWidget* parent) { parent_ = parent; }
    Answer ask(const Message& message) override;

private:
    QPointer<QWidget> parent_;
};

class QtFileChooser : public FileChooser
{
public:
    QString openFileName(QWidget* parent, const QString& caption, const QString& filter,
        const QString& folder) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& filter,
        const QString& proposedPath) override;
};

class QtPrintDialog : public PrintDialog
{
public:
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
};

// The Qt services together, for the program; the settings in the user's configuration folder
// under the organisation and application names that main() sets.
struct QtServices
{
    QtPrompter prompter;
    QtFileChooser files;
    QtPrintDialog printing;
    QSettings settings;
    Services services() { return { &prompter, &files, &printing, &settings }; }
};

} // namespace korvant::ui
