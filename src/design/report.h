// The design report: a fixed-layout text with the inputs as typed, the design thickness and the
// fatigue table of the traffic mix, in the units of the current system. Lines end in CR LF.
#pragma once

#include <filesystem>
#include <string>

#include "design/design_model.h"

namespace korvant {

std::string ReportText(const DesignModel& model);

// Writes the report text to `path`, replacing an existing file only when all of it was written.
// Throws FileError naming the path and the reason.
void PrintToFile(const DesignModel& model, const std::filesystem::path& path);

} // namespace korvant
