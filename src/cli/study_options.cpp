// Parsing the study options of korvant-cli and running the study they ask for, with its CSV on
// standard output and the samples file written whole.
#include "cli/study_options.h"

#include <cmath>

#include "cli/exit_status.h"
#include "cli/usage_error.h"
#include "design/sensitivity_study.h"
#include "design/study_json.h"
#include "io/atomic_file.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr int kMostSamples = 1000000;

double Percent(const std::string& option, const std::string& text, double most)
{
    const double number = NumberOfText(text);
    if (!IsNumberText(text) || !(number >= 0 && number <= most))
        throw UsageError(
            option + ": \"" + text + "\" is not a percentage from 0 to " + GeneralNumberText(most));
    return number;
}

// NAME=KIND:PCT, for example Sc=normal:10 or k=lognormal:25.
void ParseSpread(const std::string& text, ReliabilitySettings& settings)
{
    const std::size_t equals = text.find('=');
    const std::size_t colon = text.find(':', equals == std::string::npos ? 0 : equals);
    if (equals == std::string::npos || colon == std::string::npos)
        throw UsageError("--spread: expected NAME=KIND:PERCENT, got \"" + text + "\"");
    const std::string name = text.substr(0, equals);
    const std::string kind = text.substr(equals + 1, colon - equals - 1);
    InputSpread* spread = name == "Sc" ? &settings.Sc
        : name == "k"                  ? &settings.k
        : name == "E"                  ? &settings.E
        : name == "departures"         ? &settings.departures
                                       : nullptr;
    if (!spread)
        throw UsageError("--spread: expected Sc, k, E or departures, got \"" + name + "\"");
    if (kind == "normal")
        spread->spread = Spread::Normal;
    else if (kind == "lognormal")
        spread->spread = Spread::LogNormal;
    else if (kind == "uniform")
        spread->spread = Spread::Uniform;
    else
        throw UsageError("--spread: expected normal, lognormal or uniform, got \"" + kind + "\"");
    spread->variation = Percent("--spread", text.substr(colon + 1), 100) / 100;
}

} // namespace

bool ParseStudyOption(
    const std::string& name, const std::function<std::string()>& value, StudyRequest& request)
{
    if (name == "--sensitivity") {
        request.sensitivityPercent = Percent(name, value(), kMostSensitivityPercent);
    } else if (name == "--reliability") {
        request.reliability = true;
        request.settings.samples = WholeNumber(name, value(), 1, kMostSamples);
    } else if (name == "--seed") {
        request.settings.seed = WholeNumber<std::uint64_t>(name, value(), 0, UINT64_MAX);
    } else if (name == "--spread") {
        ParseSpread(value(), request.settings);
    } else if (name == "--threads") {
        request.settings.threads = WholeNumber(name, value(), 1, 256);
    } else if (name == "--samples") {
        request.samplesFile = value();
    } else {
        return false;
    }
    return true;
}

void CheckStudyRequest(const StudyRequest& request)
{
    if (request.sensitivityPercent && request.reliability)
        throw UsageError("--sensitivity and --reliability are different studies; give "
                         "one of them");
    if (request.samplesFile && !request.reliability)
        throw UsageError("--samples needs --reliability");
}

int RunStudy(const StudyRequest& request, const DesignModel& model, bool json, std::ostream& out,
    std::ostream& err)
{
    if (request.sensitivityPercent) {
        const SensitivityResult result
            = RunSensitivityStudy(model, *request.sensitivityPercent, request.settings.threads);
        out << (json ? SensitivityJson(result, StatusOf(kExitDesigned)) : SensitivityCsv(result));
        return kExitDesigned;
    }
    // The design has run, so the study's base design cannot stop and nothing cancels it.
    const ReliabilityResult result = *RunReliabilityStudy(model, request.settings);
    if (request.samplesFile) {
        try {
            WriteFileAtomically(*request.samplesFile, ReliabilitySamplesCsv(result));
        } catch (const FileError& error) {
            err << "korvant-cli: " << error.what() << '\n';
            return kExitStopped;
        }
    }
    out << (json ? ReliabilityJson(result, StatusOf(kExitDesigned)) : ReliabilityCsv(result));
    return kExitDesigned;
}

} // namespace korvant
