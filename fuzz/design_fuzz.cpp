// Fuzz target of the whole design: any texts in the ten input fields, any aircraft values and
// any structure (written as a design case, see design_case.h) through RunDesign and the report.
// A design ends with a thickness in (0, 30] and a report without NaN or infinity in it, or stops
// with a message and leaves the session exactly as it was.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "design/report.h"
#include "design/thickness_design.h"
#include "design_case.h"
#include "fuzz_check.h"

namespace korvant {
namespace {

std::string Lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Whether the report shows "nan" or "inf" that none of the session's own texts brought in (an
// aircraft name or departures text is printed as it is).
bool ReportInventsNonNumbers(const DesignModel& model, const std::string& report)
{
    const std::string shown = Lower(report);
    for (const char* word : { "nan", "inf" }) {
        if (shown.find(word) == std::string::npos)
            continue;
        bool brought = false;
        for (const std::string& field : model.fields)
            brought = brought || Lower(field).find(word) != std::string::npos;
        for (int row = 1; row <= AircraftDatabase::kMaxRecords; ++row)
            for (int field = 1; field <= 9; ++field)
                brought = brought
                    || Lower(model.database.record(row).field(static_cast<AircraftField>(field)))
                            .find(word)
                        != std::string::npos;
        if (!brought)
            return true;
    }
    return false;
}

} // namespace
} // namespace korvant

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    using namespace korvant;
    static const DesignModel english = [] {
        DesignModel model;
        ReadAircraftData(KORVANT_CATALOGUE, model.database);
        return model;
    }();
    static const DesignModel metric = [] {
        DesignModel model = english;
        SwitchToMetric(model);
        return model;
    }();
    if (size > 4096)
        return 0; // ten fields and a mix need no more; longer inputs only slow the search
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);

    // A Metric case starts from a session already switched, which saves converting the catalogue.
    const bool inMetric = text.substr(0, text.find('\n')).find('M') != std::string_view::npos;
    DesignModel model = DesignCaseSession(text, inMetric ? metric : english);
    const DesignModel before = model;
    try {
        RunDesign(model);
    } catch (const DesignStopped& stopped) {
        FuzzCheck(model == before, "a stopped design changed the session", stopped.what());
        FuzzCheck(std::string_view(stopped.what()).size() > 10, "a stop says why");
        FuzzCheck(!ReportInventsNonNumbers(model, ReportText(model)),
            "the report of a stopped design holds no NaN or infinity", ReportText(model));
        return 0;
    }
    const float thickness = model.result.thickness;
    FuzzCheck(std::isfinite(thickness) && thickness > 0 && thickness <= 30,
        "the thickness lies in (0, 30]", std::to_string(thickness));
    FuzzCheck(!model.lbh.empty(), "the thickness is shown");
    const std::string report = ReportText(model);
    FuzzCheck(
        !ReportInventsNonNumbers(model, report), "the report holds no NaN or infinity", report);
    return 0;
}
