// Scripted stand-ins for the window's services: they answer from a script and record what was
// asked, so tests can check every message box, file dialog and print dialog.
#pragma once

#include <QPrinter>
#include <QString>

#include <vector>

#include "scripted_prompter.h"
#include "ui/services.h"

namespace korvant::ui::test {

using korvant::testing::ScriptedPrompter;

class FakeFileChooser : public FileChooser
{
public:
    QString path; // the answer; empty for Cancel
    int asked = 0;
    QString caption; // of the last dialog
    QString proposed; // the folder or path the last dialog started at

    QString openFileName(
        QWidget*, const QString& title, const QString&, const QString& folder) override
    {
        ++asked;
        caption = title;
        proposed = folder;
        return path;
    }
    QString saveFileName(
        QWidget*, const QString& title, const QString&, const QString& proposedPath) override
    {
        ++asked;
        caption = title;
        proposed = proposedPath;
        return path;
    }
};

// Answers the print dialog with a PDF printer writing to `pdfPath`, or with Cancel.
class FakePrintDialog : public PrintDialog
{
public:
    bool accept = true;
    QString pdfPath;
    int copies = 1;
    int asked = 0;

    bool choosePrinter(QPrinter& printer, QWidget*) override
    {
        ++asked;
        if (!accept)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        printer.setCopyCount(copies);
        return true;
    }
};

} // namespace korvant::ui::test
