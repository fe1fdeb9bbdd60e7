// korvant-cli: a whole design from the command line, over the same core as the window.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace korvant {

// Runs the tool with the arguments after the program name. Exit codes: 0 designed; 2 bad usage,
// an invalid number, or a field without a number where units must be converted; 3 a design
// stopped outside a model's domain, a catalogue or input data file that cannot be read or is
// damaged, a --save file that cannot be written, or with --acr an aircraft whose gear or values
// the ACR cannot rate.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace korvant
