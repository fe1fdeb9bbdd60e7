// The JSON documents of a design: the result (korvant-cli --format json) and the calculation
// trace (--trace json), both through the one JSON writer with the common head.
#pragma once

#include <string>

#include "design/design_model.h"
#include "design/json_document.h"
#include "design/slab_evaluation.h"

namespace korvant {

// The document "design" of the session's last design: its thickness (in, exact) and caption (in
// the session's units, as the window shows it), whether it converged, how it ended and its notes;
// with an evaluation, the slab, its total damage, the years and each aircraft's damage ratio.
std::string DesignJson(
    const DesignModel& model, const SlabEvaluation* evaluation, const DocumentStatus& status);

// The document "trace": the head, the units of the values, the inputs as typed and as the design
// read them, the mix, the design with its trials, the per-aircraft values and, when given, the
// evaluation of a slab. Values are in the units the design works in (in, lb, psi, pci, 'F, mph).
std::string TraceJson(
    const DesignModel& model, const SlabEvaluation* evaluation, const DocumentStatus& status);

} // namespace korvant
