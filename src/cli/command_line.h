// korvant-cli: a whole design from the command line, over the same core as the window.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace korvant {

// Runs the tool with the arguments after the program name. Exit codes: 0 designed, 2 bad usage
// or an invalid number, 3 a design stopped outside a model's domain (or an unreadable file).
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace korvant
