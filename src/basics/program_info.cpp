// The program's name with its version as the window and the report show it.
#include "basics/program_info.h"

namespace korvant {

std::string ProgramVersionLine()
{
    const std::string version = kVersion;
    const std::size_t minorEnd = version.find('.', version.find('.') + 1);
    return std::string(kProgramName) + " " + version.substr(0, minorEnd);
}

} // namespace korvant
