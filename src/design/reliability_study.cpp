// The reliability study: the draws of each sample from its own random stream, the designs on
// several threads, the quantiles, the histogram and the CSV texts.
#include "design/reliability_study.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "design/aircraft_step.h"
#include "design/slab_evaluation.h"
#include "design/thickness_design.h"
#include "io/data_text.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr double kTruncation = 3; // standard deviations
constexpr double kTwoPi = 6.283185307179586;
constexpr std::uint64_t kGolden = 0x9e3779b97f4a7c15u; // 2^64 / the golden ratio

// SplitMix64's finaliser: a bijection of 64-bit words in which every input bit changes about
// half of the output bits.
std::uint64_t Finalise(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

// SplitMix64: a small generator whose stream for a seed and a sample index is fixed, so that
// every sample draws the same numbers on every run and thread. Each sample's stream starts from
// the seed and the index, both fully mixed, so that no two samples' streams are the same stream
// shifted by a few draws and every sample's draws are independent of its neighbours'.
class SampleRandom
{
public:
    SampleRandom(std::uint64_t seed, int index)
        : state_(
            Finalise(Finalise(seed) ^ Finalise(kGolden * (static_cast<std::uint64_t>(index) + 1))))
    {
    }
    // Uniform in (0, 1).
    double uniform()
    {
        state_ += kGolden;
        return (static_cast<double>(Finalise(state_) >> 11) + 0.5) * 0x1p-53;
    }
    // Standard normal, by the Box-Muller method.
    double normal() { return std::sqrt(-2 * std::log(uniform())) * std::cos(kTwoPi * uniform()); }

private:
    std::uint64_t state_;
};

// A factor on the mean: exactly 1 for a coefficient of variation of 0.
double DrawFactor(const InputSpread& spread, SampleRandom& random)
{
    const double v = spread.variation;
    for (;;) {
        double factor = 1;
        if (spread.spread == Spread::Uniform) {
            factor = 1 + v * std::sqrt(3.0) * (2 * random.uniform() - 1);
        } else {
            const double z = random.normal();
            if (std::fabs(z) > kTruncation)
                continue;
            if (spread.spread == Spread::Normal) {
                factor = 1 + v * z;
            } else {
                const double sigma = std::sqrt(std::log1p(v * v));
                factor = std::exp(sigma * z - sigma * sigma / 2);
            }
        }
        if (factor > 0)
            return factor;
    }
}

void CheckSettings(const ReliabilitySettings& settings)
{
    for (const InputSpread* spread :
        { &settings.Sc, &settings.k, &settings.E, &settings.departures })
        if (!(spread->variation >= 0 && spread->variation <= 1))
            throw std::invalid_argument("a coefficient of variation must lie between 0 and 100 %");
    if (settings.samples < 1)
        throw std::invalid_argument("a study needs at least one sample");
}

} // namespace

ReliabilitySample DrawSample(const StudyBase& base, const ReliabilitySettings& settings, int index)
{
    SampleRandom random(settings.seed, index);
    ReliabilitySample sample;
    sample.Sc = base.fieldValue(InputField::Sc) * DrawFactor(settings.Sc, random);
    sample.k = base.fieldValue(InputField::k) * DrawFactor(settings.k, random);
    sample.E = base.fieldValue(InputField::E) * DrawFactor(settings.E, random);
    sample.departuresFactor = DrawFactor(settings.departures, random);
    return sample;
}

std::optional<float> ThicknessQuantile(std::vector<float> thicknesses, int percent)
{
    if (thicknesses.empty())
        return std::nullopt;
    const std::size_t n = thicknesses.size();
    const std::size_t rank
        = std::max<std::size_t>(1, (static_cast<std::size_t>(percent) * n + 99) / 100);
    std::nth_element(
        thicknesses.begin(), thicknesses.begin() + static_cast<long>(rank - 1), thicknesses.end());
    return thicknesses[rank - 1];
}

std::optional<ReliabilityResult> RunReliabilityStudy(
    const DesignModel& model, const ReliabilitySettings& settings, StudyProgress* progress)
{
    CheckSettings(settings);
    const StudyBase base(model);
    if (!base.base().ok())
        throw DesignStopped(base.base().stopped);
    ReliabilityResult result;
    result.settings = settings;
    result.units = base.units();
    result.base = base.base();
    result.samples.resize(static_cast<std::size_t>(settings.samples));
    const bool finished = RunParallel(
        settings.samples, settings.threads,
        [&](int i) {
            ReliabilitySample sample = DrawSample(base, settings, i);
            Variation variation;
            variation.field(InputField::Sc) = sample.Sc;
            variation.field(InputField::k) = sample.k;
            variation.field(InputField::E) = sample.E;
            variation.departuresFactor = sample.departuresFactor;
            sample.outcome = base.design(variation);
            result.samples[static_cast<std::size_t>(i)] = std::move(sample);
        },
        progress);
    if (!finished)
        return std::nullopt;

    std::vector<float> thicknesses;
    thicknesses.reserve(result.samples.size());
    for (const ReliabilitySample& sample : result.samples) {
        if (sample.outcome.ok())
            thicknesses.push_back(sample.outcome.rankedThickness());
        else
            ++result.stopped;
        if (sample.outcome.beyondSearch)
            ++result.beyondSearch;
    }
    for (std::size_t i = 0; i < kReliabilityLevels.size(); ++i)
        result.quantiles[i] = ThicknessQuantile(thicknesses, kReliabilityLevels[i]);
    return result;
}

std::vector<HistogramBar> ThicknessHistogram(const ReliabilityResult& result, int bins)
{
    std::vector<double> values;
    for (const ReliabilitySample& sample : result.samples)
        if (sample.outcome.ok() && !sample.outcome.beyondSearch)
            values.push_back(ShownThickness(sample.outcome.thickness, result.units));
    if (values.empty() || bins < 1)
        return {};
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double from = *low;
    const double width = *high > *low ? (*high - *low) / bins : 0.1;
    std::vector<HistogramBar> bars(static_cast<std::size_t>(*high > *low ? bins : 1));
    for (std::size_t i = 0; i < bars.size(); ++i)
        bars[i] = { from + width * static_cast<double>(i),
            from + width * static_cast<double>(i + 1), 0 };
    for (double value : values) {
        const auto bar = static_cast<std::size_t>((value - from) / width);
        ++bars[std::min(bar, bars.size() - 1)].count;
    }
    return bars;
}

TraceTable QuantileTable(const ReliabilityResult& result)
{
    TraceTable table { { "Reliability (%)", WithThicknessUnit("Thickness", result.units) }, {} };
    for (std::size_t i = 0; i < kReliabilityLevels.size(); ++i) {
        const std::optional<float>& thickness = result.quantiles[i];
        table.rows.push_back({ std::to_string(kReliabilityLevels[i]),
            !thickness                   ? std::string("-")
                : std::isinf(*thickness) ? BeyondSearchText(result.units)
                                         : ThicknessCaption(*thickness, result.units) });
    }
    return table;
}

std::string ReliabilityCsv(const ReliabilityResult& result)
{
    const TraceTable table = QuantileTable(result);
    std::string out = CsvTable(table.headings, table.rows);
    out += CsvLine({ "Base design", StudyThicknessText(result.base, result.units) });
    out += CsvLine({ "Samples", std::to_string(result.samples.size()) });
    out += CsvLine({ "Stopped outside a model's domain", std::to_string(result.stopped) });
    out += CsvLine({ "Needing more than the " + SearchLimitText(UnitSystem::English) + " searched",
        std::to_string(result.beyondSearch) });
    out += CsvLine({ "Seed", std::to_string(result.settings.seed) });
    return out;
}

std::string ReliabilitySamplesCsv(const ReliabilityResult& result)
{
    std::string out = CsvLine({ "Sample", "Sc", "k", "E", "Departures factor",
        WithThicknessUnit("Thickness", result.units), "Thickness (in, exact)", "Converged",
        "Stopped" });
    for (std::size_t i = 0; i < result.samples.size(); ++i) {
        const ReliabilitySample& s = result.samples[i];
        const bool ok = s.outcome.ok();
        out += CsvLine({ std::to_string(i + 1), GeneralNumberText(s.Sc), GeneralNumberText(s.k),
            GeneralNumberText(s.E), GeneralNumberText(s.departuresFactor),
            ok ? StudyThicknessText(s.outcome, result.units) : "-",
            ok ? ExactNumberText(s.outcome.thickness) : "-",
            ok ? (s.outcome.converged ? "yes" : "no") : "-", s.outcome.stopped });
    }
    return out;
}

} // namespace korvant
