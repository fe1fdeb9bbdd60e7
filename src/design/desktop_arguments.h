// The desktop program's command line: `korvant [FILE.inp]`, --help and --version, which answer
// on standard output without a display, and --quit-after-start, which checks that the window
// starts. Qt's own options are taken out by Qt before these are read.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvant {

struct DesktopArguments
{
    bool help = false;
    bool version = false;
    bool quitAfterStart = false;
    std::optional<std::string> file; // the input data file to open
    std::string error; // why the arguments are not usable ("" when they are)
};

// Reads the arguments after the program's name. "--" ends the options, so that a file whose
// name begins with "-" can be given.
DesktopArguments ParseDesktopArguments(const std::vector<std::string>& arguments);

// Whether the arguments ask only for the help or the version, which are answered before Qt
// starts (and so without a display).
bool AnswersWithoutWindow(const std::vector<std::string>& arguments);

// The text of --help, ending in a line break.
std::string DesktopUsage();

} // namespace korvant
