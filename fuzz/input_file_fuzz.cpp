// Fuzz target of the input data file reader: any bytes as an .inp. A refused file gives its
// message and puts nothing into the session; an accepted one holds no NUL byte and a whole
// project section (if any), writes back to a file that reads the same, and once applied to an
// English or a Metric session the session saves what was read. The written file cut short at
// any point is refused, or reads the same (without the project section when the cut falls just
// before it, as a file of an earlier version).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "design/session_file.h"
#include "design/unit_switch.h"
#include "fuzz_check.h"

namespace korvant {
namespace {

struct Sessions
{
    AircraftDatabase catalogue;
    DesignModel english, metric;
};

const Sessions& StartSessions()
{
    static const Sessions sessions = [] {
        Sessions s;
        ReadAircraftData(KORVANT_CATALOGUE, s.catalogue);
        s.english.database = s.catalogue;
        s.english.mix.add(3);
        s.english.mix.add(9);
        s.english.lbh = "14.2";
        s.metric = s.english;
        SwitchToMetric(s.metric);
        return s;
    }();
    return sessions;
}

void Apply(const DesignModel& start, const InputFileData& data, const AircraftDatabase& catalogue)
{
    DesignModel model = start;
    try {
        ApplyInputFile(model, data, catalogue);
    } catch (const UnitSwitchRefused& refused) {
        FuzzCheck(model == start, "a refused conversion changed the session", refused.what());
        return;
    }
    FuzzCheck(SavesWhatWasRead(InputFileDataOf(model), data), "the session saves what it read");
    FuzzCheck(model.lbh.empty() && model.result == DesignResult {}, "reading clears the result");
}

// Cuts the written text at a spread of points and at its last bytes.
void CheckCuts(const std::string& written, const InputFileData& data)
{
    InputFileData earlier = data;
    earlier.project.reset();
    std::vector<std::size_t> cuts;
    for (std::size_t i = 0; i < 16; ++i)
        cuts.push_back(written.size() * i / 16);
    for (std::size_t back = 1; back <= 4 && back <= written.size(); ++back)
        cuts.push_back(written.size() - back);
    for (const std::size_t cut : cuts) {
        const std::string part = written.substr(0, cut);
        InputFileData read;
        try {
            read = ParseInputFile(part, "cut.inp");
        } catch (const InputFileError&) {
            continue;
        }
        FuzzCheck(read == data || read == earlier, "a file cut short reads as another", part);
    }
}

} // namespace
} // namespace korvant

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    using namespace korvant;
    const Sessions& sessions = StartSessions();
    const std::string_view content(reinterpret_cast<const char*>(bytes), size);

    InputFileData data;
    try {
        data = ParseInputFile(content, "fuzz.inp");
    } catch (const InputFileError& error) {
        const std::string message = error.what();
        FuzzCheck(message == kIncorrectInputFile
                || (message.rfind("fuzz.inp, line ", 0) == 0 && error.line() >= 1),
            "a refusal names the file and the line", message);
        FuzzCheck(message.size() < 400, "a refusal message is short", message);
        return 0;
    }
    FuzzCheck(data.aircraft.size() <= TrafficMix::kSlots, "at most 65 aircraft");
    FuzzCheck(content.find('\0') == std::string_view::npos, "a NUL byte is refused");
    if (data.project) {
        bool whole = data.project->layerMode && data.project->bondNo;
        for (const InputField field : kProjectFields)
            whole = whole && data.project->fields[static_cast<std::size_t>(field)].has_value();
        FuzzCheck(whole, "a project section holds every key");
    }

    const std::string written = InputFileText(data);
    FuzzCheck(ParseInputFile(written, "again.inp") == data, "a written file reads back the same",
        written);
    CheckCuts(written, data);

    Apply(sessions.english, data, sessions.catalogue);
    Apply(sessions.metric, data, sessions.catalogue);
    return 0;
}
