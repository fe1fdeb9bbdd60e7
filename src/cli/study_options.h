// The study options of korvant-cli: --sensitivity, --reliability with its seed, spreads and
// threads, and --samples; and the run of the study they ask for.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "design/design_model.h"
#include "design/reliability_study.h"

namespace korvant {

struct StudyRequest
{
    std::optional<double> sensitivityPercent;
    bool reliability = false;
    ReliabilitySettings settings;
    std::optional<std::string> samplesFile;
    bool any() const { return sensitivityPercent || reliability; }
};

// Takes `name` when it is a study option, reading its value with `value`; false for any other
// option. Throws UsageError for a bad value.
bool ParseStudyOption(
    const std::string& name, const std::function<std::string()>& value, StudyRequest& request);

// Throws UsageError for options that do not go together.
void CheckStudyRequest(const StudyRequest& request);

// Runs the study on a session whose design has been checked and run, prints its CSV (or its JSON
// document with `json`) and writes the samples file, always CSV. Returns the exit status: 0, or
// 3 for a samples file that cannot be written.
int RunStudy(const StudyRequest& request, const DesignModel& model, bool json, std::ostream& out,
    std::ostream& err);

} // namespace korvant
