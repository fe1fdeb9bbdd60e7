// Writing a file of the window (an input data file, a report PDF, a chart image, a CSV table)
// whole or not at all, asking before a write-protected file is replaced, with a failure told to
// the user.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "design/prompter.h"
#include "io/atomic_file.h"

namespace korvant {

// The question before a write-protected file is replaced: "<shown>: <protection>. Replace it all
// the same? ...", Yes / No, warning icon.
Message ReplaceReadOnlyQuestion(const std::string& shown, const ReadOnlyFileError& error);

// Runs `write`, a save through WriteFileAtomically with the options it is handed. When it refuses
// a write-protected file, asks ReplaceReadOnlyQuestion and on Yes runs it again with
// replaceReadOnly. Returns false when the user answered No (nothing was written); any other
// failure is thrown as `write` throws it.
bool WriteAskingToReplaceReadOnly(const std::function<void(const SaveOptions&)>& write,
    const std::string& shown, Prompter& prompter);

// Writes `content` to `path` as above. A failure is shown as "Cannot write the <what> to <shown>:
// <reason>" (running out of memory included) and leaves an existing file as it was. Returns
// whether the file was written.
bool SaveExport(const std::filesystem::path& path, const std::string& shown,
    std::string_view content, const std::string& what, Prompter& prompter);

} // namespace korvant
