// Writing an export of the window (a report PDF, a chart image, a CSV table) whole or not at
// all, with the failure told to the user.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "design/prompter.h"

namespace korvant {

// Writes `content` to `path` through a temporary file that replaces it only when all of it was
// written. A failure is shown as "Cannot write the <what> to <shown>: <reason>" and leaves an
// existing file as it was. Returns whether the file was written.
bool SaveExport(const std::filesystem::path& path, const std::string& shown,
    std::string_view content, const std::string& what, Prompter& prompter);

} // namespace korvant
