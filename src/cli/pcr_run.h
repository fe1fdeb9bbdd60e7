// korvant-cli --pcr: the PCR of the designed slab, or of a slab of a given thickness, with the
// rounds that reached it and each aircraft of the mix against it.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/options.h"
#include "design/acr.h"
#include "design/design_model.h"
#include "design/prompter.h"

namespace korvant {

// Runs the checks of Design Thickness, then the design (without `thickness`) or the slab of
// `thickness` in the session's units, and prints the PCR: as CSV the code alone on the first
// line, an empty line, the CSV of the rounds, an empty line, the CSV of the aircraft; or one JSON
// document. Its notes go to `err`. A PCR that cannot be given prints its reason to `err` and
// nothing to `out`. Returns the exit status.
int RunPcr(DesignModel& model, const std::optional<std::string>& thickness,
    std::optional<SubgradeCategory> category, Prompter& prompter, OutputFormat format,
    std::ostream& out, std::ostream& err);

} // namespace korvant
