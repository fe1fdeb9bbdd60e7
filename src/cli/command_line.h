// korvant-cli: a whole design from the command line, over the same core as the window.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace korvant {

// Runs the tool with the arguments after the program name; `in` is read by --inp -. Returns the
// exit status (cli/exit_status.h).
int RunCommandLine(
    const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace korvant
