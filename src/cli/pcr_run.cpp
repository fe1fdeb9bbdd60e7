// The PCR of korvant-cli: the slab and its basis from the design or from a given thickness, the
// PCR with its notes on standard error, and its tables on standard output.
#include "cli/pcr_run.h"

#include "cli/design_run.h"
#include "cli/exit_status.h"
#include "design/acr_table.h"
#include "design/aircraft_step.h"
#include "design/input_check.h"
#include "design/pcr_table.h"
#include "design/slab_evaluation.h"
#include "design/thickness_design.h"

namespace korvant {

int RunPcr(DesignModel& model, const std::optional<std::string>& thickness,
    std::optional<SubgradeCategory> category, Prompter& prompter, OutputFormat format,
    std::ostream& out, std::ostream& err)
{
    float slab = 0;
    DesignBasis basis;
    if (thickness) {
        try {
            slab = SlabThicknessOfText(*thickness, model.units);
        } catch (const EvaluationRefused& refused) {
            err << "korvant-cli: --pcr: " << refused.what() << '\n';
            return kExitUsage;
        }
        if (!CheckDesignFields(model, prompter))
            return kExitUsage;
        try {
            basis = ReadDesignBasis(model);
        } catch (const DesignStopped& stopped) {
            err << "korvant-cli: " << stopped.what() << '\n';
            return kExitStopped;
        }
    } else {
        const int designed = DesignWithNotes(model, prompter, err);
        if (designed == kExitBeyondSearch)
            err << "korvant-cli: no PCR: the design found no thickness to rate.\n";
        if (designed != kExitDesigned)
            return designed;
        slab = model.result.thickness;
        basis = model.result.trace.basis;
    }

    PcrResult result;
    try {
        result = ComputePcr(basis, slab, model.units, category);
    } catch (const PcrRefused& refused) {
        err << "korvant-cli: no PCR for the slab of " << ThicknessText(slab, model.units) << ": "
            << refused.what() << '\n';
        return kExitStopped;
    }
    err << "korvant-cli: note: the PCR of a slab of " << ThicknessText(slab, model.units) << "; "
        << PcrCategoryNote(result, basis, model.units) << "; " << kAcrSourceNote << ".\n";
    for (const PcrAircraft& aircraft : result.aircraft)
        if (!aircraft.acr)
            err << "korvant-cli: " << basis.mix[aircraft.aircraft].label
                << ": below the smallest ratings on this subgrade; no ACR.\n";
    if (format == OutputFormat::Json)
        out << PcrJson(result, basis, model.units, StatusOf(kExitDesigned));
    else
        out << PcrCsv(result, basis, model.units);
    return kExitDesigned;
}

} // namespace korvant
