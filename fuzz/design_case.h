// A design session written as a short text, as the design fuzz target reads its input and as
// the design cases of the bad-input corpus are kept. Lines end in LF; a CR stays in its text.
//   line 1       options: 'M' Metric units, 'B' two-layer bonded, 'U' two-layer unbonded
//   lines 2..11  the ten input field texts in the order of InputField, in the session's units
//   then         per aircraft a line whose number picks the record (1..65, wrapping around),
//                followed by up to eight lines for its fields 2..9; "=" keeps the value
// A last line end ends the last line. A line that is missing keeps the starting text or the
// catalogue's value. Catalogue values are in the session's units (converted as a switch to Metric
// converts them).
#pragma once

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "design/design_model.h"
#include "design/unit_switch.h"
#include "io/number_text.h"

namespace korvant {

inline std::vector<std::string_view> DesignCaseLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        const std::size_t end = std::min(text.find('\n', begin), text.size());
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    if (lines.size() > 1 && lines.back().empty())
        lines.pop_back(); // the line end of the last line
    return lines;
}

inline int DesignCaseRecord(std::string_view line)
{
    const double number = std::fabs(NumberOfText(line));
    if (!std::isfinite(number))
        return 1;
    return static_cast<int>(std::fmod(number, AircraftDatabase::kMaxRecords)) + 1;
}

// `start` is a session with its catalogue read, in English units or, for a Metric case, already
// switched to Metric.
inline DesignModel DesignCaseSession(std::string_view text, DesignModel start)
{
    const std::vector<std::string_view> lines = DesignCaseLines(text);
    const std::string_view options = lines[0];
    if (options.find('M') != std::string_view::npos)
        SwitchToMetric(start);
    if (options.find('B') != std::string_view::npos) {
        start.layerMode = kTwoLayerBonded;
        start.bondNo = false;
    } else if (options.find('U') != std::string_view::npos) {
        start.layerMode = kTwoLayerUnbonded;
    }
    std::size_t n = 1;
    for (int f = 0; f < kInputFieldCount && n < lines.size(); ++f, ++n)
        start.fields[static_cast<std::size_t>(f)] = lines[n];
    while (n < lines.size()) {
        const int record = DesignCaseRecord(lines[n++]);
        start.mix.add(record);
        AircraftRecord& values = start.database.record(record);
        for (int field = 2; field <= 9 && n < lines.size(); ++field, ++n)
            if (lines[n] != "=")
                values.field(static_cast<AircraftField>(field)) = lines[n];
    }
    return start;
}

} // namespace korvant
