// The reliability study: Monte Carlo designs with Sc, k, E and the departures of the whole mix
// drawn from distributions around the session's values, and the thickness that this many of the
// designs do not exceed (the empirical quantiles at 50, 85, 90, 95 and 99 %).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "design/design_trace.h"
#include "design/study_design.h"
#include "design/study_runner.h"

namespace korvant {

enum class Spread { Normal, LogNormal, Uniform };

// A distribution with the session's value as its mean and a coefficient of variation (a
// fraction, 0.1 for 10 %). Draws are truncated to three standard deviations around the mean
// (the whole range of the uniform one) and to values greater than 0.
struct InputSpread
{
    Spread spread = Spread::Normal;
    double variation = 0; // coefficient of variation, 0 to 1
    bool operator==(const InputSpread&) const = default;
};

struct ReliabilitySettings
{
    InputSpread Sc { Spread::Normal, 0.10 };
    InputSpread k { Spread::LogNormal, 0.25 };
    InputSpread E { Spread::Normal, 0.10 };
    InputSpread departures { Spread::Normal, 0.15 };
    int samples = 10000;
    std::uint64_t seed = 1;
    int threads = 0; // 0: one for each core
    bool operator==(const ReliabilitySettings&) const = default;
};

inline constexpr std::array<int, 5> kReliabilityLevels { 50, 85, 90, 95, 99 };

struct ReliabilitySample
{
    double Sc = 0; // drawn values, in the session's units
    double k = 0;
    double E = 0;
    double departuresFactor = 1;
    StudyOutcome outcome;
};

struct ReliabilityResult
{
    ReliabilitySettings settings;
    UnitSystem units = UnitSystem::English;
    StudyOutcome base;
    std::vector<ReliabilitySample> samples; // in the order of their draws
    int stopped = 0; // samples whose design stopped outside a model's domain
    int beyondSearch = 0; // samples whose traffic needs more than the 30 in searched
    // Thickness (in) at each reliability level over the samples that designed, those beyond the
    // search ranked above every other as +infinity; none when no sample designed.
    std::array<std::optional<float>, kReliabilityLevels.size()> quantiles {};
};

// The values of sample `index`: the same for a seed whatever else is drawn, and on any thread.
ReliabilitySample DrawSample(const StudyBase& base, const ReliabilitySettings& settings, int index);

// Runs the study; none when `progress` was cancelled. Throws DesignStopped when the session's
// own design stops, and std::invalid_argument for a setting out of range.
std::optional<ReliabilityResult> RunReliabilityStudy(const DesignModel& model,
    const ReliabilitySettings& settings, StudyProgress* progress = nullptr);

// The smallest thickness that at least `percent` % of the designed samples do not exceed.
std::optional<float> ThicknessQuantile(std::vector<float> thicknesses, int percent);

// Bars of a histogram of the designed samples' thicknesses in the session's units (those beyond
// the search left out): `bins` equal widths from the thinnest to the thickest.
struct HistogramBar
{
    double from = 0;
    double to = 0;
    int count = 0;
};
std::vector<HistogramBar> ThicknessHistogram(const ReliabilityResult& result, int bins = 20);

// One row a reliability level: the level in % and its thickness in the session's units ("-"
// when no sample designed, "> 30 in" when the level falls among those beyond the search).
TraceTable QuantileTable(const ReliabilityResult& result);

// CSV of that table followed by the base design, the count of samples and of stopped ones and
// the seed; and of every sample with its drawn values.
std::string ReliabilityCsv(const ReliabilityResult& result);
std::string ReliabilitySamplesCsv(const ReliabilityResult& result);

} // namespace korvant
