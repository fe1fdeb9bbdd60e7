// The design of korvant-cli: the checks and the design of the Design Thickness button, with what
// the engineer must know beside the thickness on the error stream.
#pragma once

#include <ostream>

#include "design/design_model.h"
#include "design/prompter.h"

namespace korvant {

// Runs the design and writes its notes to `err` (as warnings, or as the reason when the traffic
// needs more than the 30 in searched). Returns the exit status it ends with: 0 designed, 2 an
// input that is not a valid number, 3 stopped, 4 beyond the search (the model then holds the
// design whose caption is the search's limit).
int DesignWithNotes(DesignModel& model, Prompter& prompter, std::ostream& err);

} // namespace korvant
