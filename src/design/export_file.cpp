// Exports go through the same save-then-rename writer as the input data files.
#include "design/export_file.h"

#include "design/window_texts.h"
#include "io/atomic_file.h"

namespace korvant {

bool SaveExport(const std::filesystem::path& path, const std::string& shown,
    std::string_view content, const std::string& what, Prompter& prompter)
{
    try {
        WriteFileAtomically(path, content);
        return true;
    } catch (const FileError& error) {
        prompter.ask(ExportFailureMessage(what, shown, error.what()));
    }
    return false;
}

} // namespace korvant
