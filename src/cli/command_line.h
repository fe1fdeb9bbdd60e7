// korvant-cli: a whole design from the command line, over the same core as the window.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace korvant {

// Runs the tool with the arguments after the program name, reading `in` for --inp - and writing
// to `out` and `err`. Returns the exit status of cli/exit_status.h; 3 also when `out` failed,
// which its owner reports with the reason.
int RunCommandLine(
    const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace korvant
