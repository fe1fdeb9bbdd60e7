#include "ui/file_export.h"

#include <QFile>

#include "design/window_model.h"
#include "io/atomic_file.h"

namespace korvant::ui {

std::filesystem::path LocalPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

bool SaveTextFile(
    const QString& path, const std::string& text, const std::string& what, Prompter& prompter)
{
    std::string failure;
    {
        BusyPointer busy;
        try {
            WriteFileAtomically(LocalPath(path), text);
            return true;
        } catch (const FileError& error) {
            failure = error.what();
        }
    }
    prompter.ask(ExportFailureMessage(what, path.toStdString(), failure));
    return false;
}

bool SaveCsvAs(const Services& services, QWidget* parent, const QString& caption,
    const QString& suggestedName, const std::string& what, const std::function<std::string()>& csv)
{
    const QString path = services.files->saveFileName(
        parent, caption, QObject::tr("CSV files (*.csv)"), suggestedName);
    if (path.isEmpty())
        return false;
    std::string text;
    {
        BusyPointer busy;
        text = csv();
    }
    return SaveTextFile(path, text, what, *services.prompter);
}

} // namespace korvant::ui
