// The PCR panel's state without widgets: the slab it rates (the design thickness, or one the
// engineer types in the session's units), the subgrade category (from k, or one the engineer
// chooses), and the PCR last computed with what it rests on, or why there is none; and the texts
// the panel, its CSV and the report's PDF show of it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "design/design_model.h"
#include "design/pcr.h"

namespace korvant {

struct PcrSettings
{
    bool typedSlab = false; // false: the slab of the design thickness
    std::string thicknessText; // the typed slab, in the session's units
    std::optional<SubgradeCategory> category; // none: from k
    bool operator==(const PcrSettings&) const = default;
};

// A PCR as the panel shows it: the settings and the design basis it was computed with, the
// slab rated, and the PCR or the reason there is none.
struct PcrShown
{
    PcrSettings settings;
    DesignBasis basis;
    float thickness = 0; // in; 0 when no slab could be taken
    std::optional<PcrResult> result;
    std::string refusal;
};

// The slab a PCR is to rate, in inches, from the settings and the last design: the design
// thickness, or the typed thickness. Throws PcrRefused when there is none: a design that found
// no thickness, a typed text that is not a thickness (EvaluationRefused's words).
float PcrSlabThickness(const PcrSettings& settings, const DesignResult& design, UnitSystem units);

// The choices of the category: "From k (B)" (the letter while k is a number), "A", "B", "C", "D".
std::vector<std::string> PcrCategoryChoices(const DesignModel& session);

// What the panel and the report's pages show of a PCR: the slab ("PCR of the 16.4 in slab of
// the design", "PCR of the given 18.0 in slab", or "PCR" when no slab could be taken), the code
// ("PCR 685/R/B/W/T", or "No PCR") and the category note, or the reason there is no PCR.
struct PcrTexts
{
    std::string slab;
    std::string code;
    std::string note;
};
PcrTexts PcrTextsOf(const PcrShown& shown, UnitSystem units);

// What the panel and the report's pages say before any PCR was computed.
std::string PcrNotComputedText();

// The status line after a PCR: "PCR 685/R/B/W/T of the 16.4 in slab of the design." or "No PCR:
// <the first line of the reason>".
std::string PcrStatus(const PcrShown& shown, UnitSystem units);

// The PCR's CSV for the panel's export (PcrCsv); none without a PCR.
std::optional<std::string> PcrPanelCsv(const PcrShown& shown, UnitSystem units);

} // namespace korvant
