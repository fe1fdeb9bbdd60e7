// The platform services that the main window reaches through small interfaces, so that tests
// can answer them with scripted fakes: message boxes (the core's Prompter), file dialogs and the
// print dialog, and the settings the window keeps. Also the busy mouse pointer, restored however
// the guarded work ends.
#pragma once

#include <QString>

#include "design/prompter.h"

class QPrinter;
class QSettings;
class QWidget;

namespace korvant::ui {

class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // The chosen path, or an empty text when the user cancelled. The open dialog starts in
    // `folder` (or at a file there), the save dialog with `proposedPath` chosen.
    virtual QString openFileName(
        QWidget* parent, const QString& caption, const QString& filter, const QString& folder)
        = 0;
    virtual QString saveFileName(
        QWidget* parent, const QString& caption, const QString& filter, const QString& proposedPath)
        = 0;
};

class PrintDialog
{
public:
    virtual ~PrintDialog() = default;
    // Lets the user set up `printer` (device, number of copies); false when cancelled.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
};

// The services one window uses; none is owned.
struct Services
{
    Prompter* prompter = nullptr;
    FileChooser* files = nullptr;
    PrintDialog* printing = nullptr;
    // Where the window keeps its geometry, last folder, recent files and start units; without
    // settings nothing is kept from one start to the next.
    QSettings* settings = nullptr;
};

// Shows the busy pointer for its lifetime.
class BusyPointer
{
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace korvant::ui
