// The PCR panel's slab, category choices and texts.
#include "design/pcr_panel_state.h"

#include <cmath>

#include "basics/unit_factors.h"
#include "design/aircraft_step.h"
#include "design/pcr_table.h"
#include "design/slab_evaluation.h"
#include "design/thickness_design.h"
#include "design/window_status.h"
#include "io/number_text.h"

namespace korvant {

float PcrSlabThickness(const PcrSettings& settings, const DesignResult& design, UnitSystem units)
{
    if (settings.typedSlab) {
        if (settings.thicknessText.empty())
            throw PcrRefused("Type the thickness of the slab to rate, or choose the design "
                             "thickness.");
        try {
            return SlabThicknessOfText(settings.thicknessText, units);
        } catch (const EvaluationRefused& refused) {
            throw PcrRefused(refused.what());
        }
    }
    if (design.trace.end == DesignEnd::BeyondSearch)
        throw PcrRefused("The design found no thickness to rate: the traffic needs more than the "
            + SearchLimitText(units) + " searched.");
    return design.thickness;
}

std::vector<std::string> PcrCategoryChoices(const DesignModel& session)
{
    std::string fromK = "From k";
    const std::string& k = session.field(InputField::k);
    if (IsNumberText(k)) {
        double pci = NumberOfText(k);
        if (session.units == UnitSystem::Metric)
            pci /= kKilopascalPerMmPerPci;
        if (pci > 0 && std::isfinite(pci))
            fromK += std::string(" (") + CategoryLetter(SubgradeCategoryOfK(pci)) + ")";
    }
    return { fromK, "A", "B", "C", "D" };
}

PcrTexts PcrTextsOf(const PcrShown& shown, UnitSystem units)
{
    PcrTexts texts { "PCR", "No PCR", shown.refusal };
    if (shown.thickness > 0) {
        const std::string slab = ThicknessText(shown.thickness, units);
        texts.slab = shown.settings.typedSlab ? "PCR of the given " + slab + " slab"
                                              : "PCR of the " + slab + " slab of the design";
    }
    if (shown.result) {
        texts.code = PcrCode(*shown.result);
        texts.note = PcrCategoryNote(*shown.result, shown.basis, units);
    }
    return texts;
}

std::string PcrNotComputedText()
{
    return "No PCR yet: it follows the design once Design Thickness has run.";
}

std::string PcrStatus(const PcrShown& shown, UnitSystem units)
{
    if (!shown.result)
        return "No PCR: " + FirstLine(shown.refusal);
    return PcrCode(*shown.result) + PcrTextsOf(shown, units).slab.substr(3) + ".";
}

std::optional<std::string> PcrPanelCsv(const PcrShown& shown, UnitSystem units)
{
    if (!shown.result)
        return std::nullopt;
    return PcrCsv(*shown.result, shown.basis, units);
}

} // namespace korvant
