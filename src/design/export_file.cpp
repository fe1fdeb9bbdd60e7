// Exports go through the same save-then-rename writer as the input data files, and a
// write-protected file is replaced only when the user says so.
#include "design/export_file.h"

#include <new>

#include "basics/program_info.h"
#include "design/window_texts.h"

namespace korvant {

Message ReplaceReadOnlyQuestion(const std::string& shown, const ReadOnlyFileError& error)
{
    return { shown + ": " + error.protection()
            + ".\n\nReplace it all the same? The new file keeps its permissions.",
        kProgramName, Buttons::YesNo, Icon::Warning };
}

bool WriteAskingToReplaceReadOnly(const std::function<void(const SaveOptions&)>& write,
    const std::string& shown, Prompter& prompter)
{
    try {
        write(SaveOptions {});
        return true;
    } catch (const ReadOnlyFileError& error) {
        if (prompter.ask(ReplaceReadOnlyQuestion(shown, error)) != Answer::Yes)
            return false;
    }
    SaveOptions replace;
    replace.replaceReadOnly = true;
    write(replace);
    return true;
}

bool SaveExport(const std::filesystem::path& path, const std::string& shown,
    std::string_view content, const std::string& what, Prompter& prompter)
{
    try {
        return WriteAskingToReplaceReadOnly(
            [&](const SaveOptions& options) { WriteFileAtomically(path, content, options); }, shown,
            prompter);
    } catch (const FileError& error) {
        prompter.ask(ExportFailureMessage(what, shown, error.reason()));
    } catch (const std::bad_alloc&) {
        prompter.ask(ExportFailureMessage(what, shown, "out of memory"));
    }
    return false;
}

} // namespace korvant
