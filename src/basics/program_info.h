// The program's names and titles, shared by the window, the report, the input data files and
// the command-line tool.
#pragma once

#include <string>

#include "version.h"

namespace korvant {

inline constexpr const char* kProgramName = "KORVANT";
// The title of message boxes that name no title of their own.
inline constexpr const char* kMessageTitle = "korvant13";
inline constexpr const char* kDescriptiveTitle = "Rigid Airfield Pavement Thickness Design";
// The descriptive title split over the two title lines of the report banner.
inline constexpr const char* kBannerTitleLine1 = "Rigid Airfield Pavement";
inline constexpr const char* kBannerTitleLine2 = "Thickness Design";

// "KORVANT 1.3": the program name with the major and minor version.
std::string ProgramVersionLine();

} // namespace korvant
