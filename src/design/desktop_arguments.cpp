// The desktop program's arguments and its --help text.
#include "design/desktop_arguments.h"

#include <algorithm>

namespace korvant {

DesktopArguments ParseDesktopArguments(const std::vector<std::string>& arguments)
{
    DesktopArguments parsed;
    bool options = true;
    for (const std::string& argument : arguments) {
        if (options && argument == "--") {
            options = false;
        } else if (options && (argument == "--help" || argument == "-h")) {
            parsed.help = true;
        } else if (options && argument == "--version") {
            parsed.version = true;
        } else if (options && argument == "--quit-after-start") {
            parsed.quitAfterStart = true;
        } else if (options && argument.size() > 1 && argument.front() == '-') {
            parsed.error = "unknown option " + argument;
        } else if (parsed.file) {
            parsed.error = "only one input data file can be opened, not " + *parsed.file + " and "
                + argument;
        } else {
            parsed.file = argument;
        }
        if (!parsed.error.empty())
            break;
    }
    return parsed;
}

bool AnswersWithoutWindow(const std::vector<std::string>& arguments)
{
    const auto end = std::find(arguments.begin(), arguments.end(), "--");
    return std::any_of(arguments.begin(), end, [](const std::string& argument) {
        return argument == "--help" || argument == "-h" || argument == "--version";
    });
}

std::string DesktopUsage()
{
    return "Usage: korvant [OPTION] [FILE.inp]\n"
           "Opens KORVANT's window for the thickness design of rigid airfield pavements; a\n"
           "FILE.inp given is read as File > Read Data From File reads it.\n"
           "\n"
           "  -h, --help     print this help and end\n"
           "      --version  print the version and end\n"
           "\n"
           "Qt's own options (-style, -platform and others) are passed on to Qt. The manual is\n"
           "under Help > Manual (F1). korvant-cli runs the same design without a window\n"
           "(korvant-cli --help).\n";
}

} // namespace korvant
