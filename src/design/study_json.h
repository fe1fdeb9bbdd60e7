// The studies' JSON documents (korvant-cli --format json): the sensitivity study's rows and the
// reliability study's thicknesses at each level, with the base design and the settings.
#pragma once

#include <string>

#include "design/json_document.h"
#include "design/reliability_study.h"
#include "design/sensitivity_study.h"

namespace korvant {

// The document "sensitivity": the percentage, the base design and a member per input, largest
// effect first: its name and unit, the lowered and raised values, the design with each and the
// effect (null where a design stopped or lies beyond the search).
std::string SensitivityJson(const SensitivityResult& result, const DocumentStatus& status);

// The document "reliability": the count of samples, the seed, each input's distribution, the
// base design, the thickness at each level, and the counts of designs that stopped or lie beyond
// the search.
std::string ReliabilityJson(const ReliabilityResult& result, const DocumentStatus& status);

} // namespace korvant
