// Exports: the content is made in memory (PDF pages, a PNG image, CSV text), then handed to the
// core's writer, so that every export is written the same way as the input data files. Running
// out of memory while the content is made is reported as a failed export.
#include "ui/file_export.h"

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QPixmap>
#include <QWidget>

#include <new>

#include "basics/program_info.h"
#include "design/export_file.h"
#include "design/window_texts.h"

namespace korvant::ui {
namespace {

bool SaveContent(
    const QString& path, const std::string& content, const std::string& what, Prompter& prompter)
{
    bool saved = false;
    {
        BusyPointer busy;
        saved = SaveExport(LocalPath(path), path.toStdString(), content, what, prompter);
    }
    return saved;
}

std::string Bytes(const QByteArray& data)
{
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

bool GuardMemory(const QString& path, const std::string& what, Prompter& prompter,
    const std::function<bool()>& save)
{
    try {
        return save();
    } catch (const std::bad_alloc&) {
        prompter.ask(ExportFailureMessage(what, path.toStdString(), "out of memory"));
    }
    return false;
}

bool SavePdf(const QString& path, const ReportPages& report, Prompter& prompter)
{
    QByteArray pdf;
    {
        BusyPointer busy;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(QObject::tr("KORVANT design report"));
        writer.setCreator(QString::fromStdString(ProgramVersionLine()));
        if (!PaintReportPages(writer, report, 1))
            pdf.clear();
    }
    if (pdf.isEmpty()) {
        prompter.ask(
            ExportFailureMessage("report", path.toStdString(), "the pages could not be drawn"));
        return false;
    }
    return SaveContent(path, Bytes(pdf), "report", prompter);
}

bool SavePng(QWidget& widget, const QString& path, const std::string& what, Prompter& prompter)
{
    QByteArray png;
    {
        BusyPointer busy;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!widget.grab().save(&buffer, "PNG"))
            png.clear();
    }
    if (png.isEmpty()) {
        prompter.ask(
            ExportFailureMessage(what, path.toStdString(), "the image could not be drawn"));
        return false;
    }
    return SaveContent(path, Bytes(png), what, prompter);
}

} // namespace

std::filesystem::path LocalPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString ShownPath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

QString ProposedExportPath(const WindowModel& state, const char* name)
{
    return ShownPath(state.proposedPath(name, false));
}

bool SaveTextFile(
    const QString& path, const std::string& text, const std::string& what, Prompter& prompter)
{
    return SaveContent(path, text, what, prompter);
}

bool SaveCsv(WindowModel& state, const QString& path, const std::string& what, Prompter& prompter,
    const std::function<std::string()>& csv)
{
    const bool saved = GuardMemory(path, what, prompter, [&] {
        std::string text;
        {
            BusyPointer busy;
            text = csv();
        }
        return SaveTextFile(path, text, what, prompter);
    });
    state.noteExport(what, path.toStdString(), saved);
    return saved;
}

QString AskCsvPath(const Services& services, const WindowModel& state, QWidget* parent,
    const QString& caption, const char* name)
{
    return services.files->saveFileName(
        parent, caption, QObject::tr("CSV files (*.csv)"), ProposedExportPath(state, name));
}

bool SaveCsvAs(const Services& services, WindowModel& state, QWidget* parent,
    const QString& caption, const char* name, const std::string& what,
    const std::function<std::string()>& csv)
{
    const QString path = AskCsvPath(services, state, parent, caption, name);
    if (path.isEmpty())
        return false;
    return SaveCsv(state, path, what, *services.prompter, csv);
}

bool SaveReportPdf(const QString& path, const ReportPages& report, Prompter& prompter)
{
    return GuardMemory(path, "report", prompter, [&] { return SavePdf(path, report, prompter); });
}

bool SaveWidgetPng(
    QWidget& widget, const QString& path, const std::string& what, Prompter& prompter)
{
    return GuardMemory(path, what, prompter, [&] { return SavePng(widget, path, what, prompter); });
}

} // namespace korvant::ui
