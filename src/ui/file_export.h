// The window's exports in one place: the save dialog through the FileChooser service, the
// content made as text, PDF or PNG, and every file written whole or not at all by the core's
// save-then-rename writer, with a failure reported through the Prompter.
#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "design/window_model.h"
#include "ui/report_printing.h"
#include "ui/services.h"

class QWidget;

namespace korvant::ui {

// A file name from a dialog as the file system spells it, and back.
std::filesystem::path LocalPath(const QString& path);
QString ShownPath(const std::filesystem::path& path);

// Where a save dialog starts for an export named `name`: in the last folder used.
QString ProposedExportPath(const WindowModel& state, const char* name);

// Writes the text to `path`; a write-protected file is replaced only when the user answers Yes,
// and a failure (running out of memory included) is reported as "Cannot write the <what> to
// <path>: <reason>". Returns whether the file was written. The exports below do the same.
bool SaveTextFile(
    const QString& path, const std::string& text, const std::string& what, Prompter& prompter);

// Saves the text made by `csv` to `path`, running out of memory while it is made reported as a
// failed export; the state notes the export for the status line and the next dialog. Returns
// whether the file was written.
bool SaveCsv(WindowModel& state, const QString& path, const std::string& what, Prompter& prompter,
    const std::function<std::string()>& csv);

// Asks for a CSV file's path, starting at `name` in the last folder used (empty when cancelled).
QString AskCsvPath(const Services& services, const WindowModel& state, QWidget* parent,
    const QString& caption, const char* name);

// AskCsvPath, then SaveCsv, the text made only once a path was chosen. Returns whether the file
// was written; false also when the dialog was cancelled.
bool SaveCsvAs(const Services& services, WindowModel& state, QWidget* parent,
    const QString& caption, const char* name, const std::string& what,
    const std::function<std::string()>& csv);

// The report as PDF pages, in the printed report's font, with its header on each page.
bool SaveReportPdf(const QString& path, const ReportPages& report, Prompter& prompter);

// The widget as it is shown, as a PNG image.
bool SaveWidgetPng(
    QWidget& widget, const QString& path, const std::string& what, Prompter& prompter);

} // namespace korvant::ui
