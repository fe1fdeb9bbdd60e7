// The command line's design: the button's checks and design, then its notes.
#include "cli/design_run.h"

#include "cli/exit_status.h"
#include "design/input_check.h"
#include "design/thickness_design.h"

namespace korvant {

int DesignWithNotes(DesignModel& model, Prompter& prompter, std::ostream& err)
{
    switch (DesignThickness(model, prompter)) {
    case DesignOutcome::InvalidInput:
        return kExitUsage;
    case DesignOutcome::Stopped:
        return kExitStopped;
    case DesignOutcome::Designed:
        break;
    }
    // A thickness the engineer must not take as it stands is said on the error stream; one that
    // is only the search's limit is not a design.
    const bool beyondSearch = model.result.trace.end == DesignEnd::BeyondSearch;
    for (const std::string& note : DesignNotes(model.result, model.units))
        err << "korvant-cli: " << (beyondSearch ? "" : "warning: ") << note << '\n';
    return beyondSearch ? kExitBeyondSearch : kExitDesigned;
}

} // namespace korvant
