// Properties that hold over many generated sessions and files rather than single examples:
// more traffic never thins the slab, a stronger concrete never thickens it, a switch to Metric
// and back keeps every aircraft value, a Metric design matches its English design, and an input
// data file reads back as it was written, by this version and, up to its last aircraft, by one
// that stops there. The generator has a fixed seed, so a failure repeats.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "design/session_file.h"
#include "design/thickness_design.h"
#include "design/unit_switch.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr int kSessions = 300;

class Generator
{
public:
    double uniform(double low, double high)
    {
        return std::uniform_real_distribution<double>(low, high)(engine_);
    }
    int integer(int low, int high)
    {
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }
    // A value as someone types it: 1 to 6 significant digits.
    std::string typed(double low, double high)
    {
        const double value = uniform(low, high);
        const int digits = integer(1, 6);
        const double unit = std::pow(10.0, std::floor(std::log10(value)) + 1 - digits);
        return GeneralNumberText(std::max(unit, std::round(value / unit) * unit));
    }
    // Any text without a line break, blanks and bytes above 127 included.
    std::string text(int longest)
    {
        std::string out(static_cast<std::size_t>(integer(0, longest)), ' ');
        for (char& c : out) {
            do
                c = static_cast<char>(integer(0, 255));
            while (c == '\r' || c == '\n' || c == '\0');
        }
        return out;
    }

private:
    std::mt19937 engine_ { 20240605 };
};

const AircraftDatabase& Catalogue()
{
    static const AircraftDatabase catalogue = [] {
        AircraftDatabase database;
        ReadAircraftData(KORVANT_SOURCE_DIR "/data/fly.dll", database);
        return database;
    }();
    return catalogue;
}

// A session with typical inputs, one of the three structures and a mix of one to five aircraft
// of the bundled catalogue with their own departures.
DesignModel GeneratedSession(Generator& g)
{
    DesignModel model;
    model.database = Catalogue();
    model.field(InputField::E) = g.typed(3e6, 6e6);
    model.field(InputField::Sc) = g.typed(550, 900);
    model.field(InputField::k) = g.typed(50, 500);
    model.field(InputField::E2) = g.typed(1e5, 2e6);
    model.field(InputField::h2) = g.typed(3, 10);
    model.field(InputField::SlabLength) = g.typed(12, 25);
    model.field(InputField::SlabWidth) = g.typed(12, 25);
    model.field(InputField::Precipitation) = g.typed(5, 60);
    model.field(InputField::Temperature) = g.typed(30, 80);
    model.field(InputField::WindSpeed) = g.typed(2, 15);
    model.layerMode = static_cast<std::int16_t>(g.integer(0, 1));
    model.bondNo = g.integer(0, 1) == 1;
    const int count = g.integer(1, 5);
    while (model.mix.count() < count) {
        const int record = g.integer(10, model.database.recordCount); // the heavier aircraft
        if (model.mix.add(record))
            model.database.record(record).annualDepartures = g.typed(50, 20000);
    }
    return model;
}

// The thickness of a design, or NaN for a design that stopped.
float Thickness(DesignModel model)
{
    try {
        RunDesign(model);
    } catch (const DesignStopped&) {
        return std::nanf("");
    }
    return model.result.thickness;
}

TEST(DesignProperties, MoreDeparturesNeverThinStrongerConcreteNeverThickens)
{
    Generator g;
    int designed = 0;
    for (int n = 0; n < kSessions; ++n) {
        const DesignModel session = GeneratedSession(g);
        const float thickness = Thickness(session);
        if (std::isnan(thickness))
            continue;
        ++designed;

        DesignModel busier = session;
        std::string& departures
            = busier.database.record(busier.mix.record(g.integer(1, busier.mix.count())))
                  .annualDepartures;
        departures = GeneralNumberText(NumberOfText(departures) * g.uniform(1.001, 10));
        const float busy = Thickness(busier);
        EXPECT_GE(busy, thickness) << n;

        // A stronger concrete has less damage, so the bisection may try thin slabs where the
        // models leave their domain (a negative curling stress, a damage beyond the range of
        // numbers); such a design stops, and gives no thicker slab either.
        DesignModel stronger = session;
        std::string& Sc = stronger.field(InputField::Sc);
        Sc = GeneralNumberText(NumberOfText(Sc) + g.uniform(0.5, 200));
        const float strong = Thickness(stronger);
        EXPECT_FALSE(strong > thickness) << n << ": " << strong << " > " << thickness;
    }
    EXPECT_GT(designed, kSessions * 3 / 4);
}

// The Metric session holds the climate in "0.0" texts, whose rounding moves the temperature
// differential by up to 0.05 'F, and the bisection stops wherever the damage is within 0.001 of
// 1, which on a flat damage curve spans about 0.01 in. Together they move the thickness by up to
// 0.025 in; almost every design stays within 0.01 in.
TEST(DesignProperties, MetricDesignGivesTheEnglishThickness)
{
    Generator g;
    int designed = 0;
    int within = 0;
    for (int n = 0; n < kSessions; ++n) {
        const DesignModel english = GeneratedSession(g);
        DesignModel metric = english;
        SwitchToMetric(metric);
        const float inEnglish = Thickness(english);
        const float inMetric = Thickness(metric);
        EXPECT_EQ(std::isnan(inEnglish), std::isnan(inMetric)) << n;
        if (std::isnan(inEnglish) || std::isnan(inMetric))
            continue;
        ++designed;
        EXPECT_NEAR(inMetric, inEnglish, 0.025) << n;
        within += std::fabs(inMetric - inEnglish) <= 0.01f ? 1 : 0;
    }
    EXPECT_GT(designed, kSessions * 3 / 4);
    EXPECT_GE(within, designed * 95 / 100);
}

// Whether `after` is the general number text of `before`'s number, or differs from it by no
// more than three units of its 15th significant digit: the Metric text holds 15 digits of the
// converted value, whose last digit is worth up to four units of the English one's when the
// conversion crosses a power of ten, and the way back rounds once more.
bool WithinLastDigit(const std::string& before, const std::string& after)
{
    const double value = NumberOfText(before);
    if (after == GeneralNumberText(value))
        return true;
    const double unit
        = value == 0 ? 0 : std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 14);
    return std::fabs(NumberOfText(after) - value) <= 3 * unit;
}

TEST(UnitProperties, MetricAndBackKeepsEveryAircraftValue)
{
    Generator g;
    for (int n = 0; n < kSessions; ++n) {
        DesignModel model;
        model.database = Catalogue();
        for (int row = 1; row <= AircraftDatabase::kMaxRecords; ++row)
            for (AircraftField field : { AircraftField::grossWeight, AircraftField::tirePressure,
                     AircraftField::dualSpacing, AircraftField::tandemSpacing,
                     AircraftField::tireContactWidth }) {
                const double high = std::pow(10.0, g.integer(-3, 12));
                model.database.record(row).field(field) = g.integer(0, 3) == 0
                    ? GeneralNumberText(g.uniform(0, high)) // 15 digits
                    : g.typed(high / 10, high);
            }
        const AircraftDatabase before = model.database;
        SwitchToMetric(model);
        SwitchToEnglish(model);
        for (int row = 1; row <= AircraftDatabase::kMaxRecords; ++row)
            for (int f = 1; f <= 9; ++f) {
                const auto field = static_cast<AircraftField>(f);
                const std::string& was = before.record(row).field(field);
                const std::string& is = model.database.record(row).field(field);
                EXPECT_TRUE(is == was || WithinLastDigit(was, is))
                    << n << ", record " << row << ", field " << f << ": " << was << " -> " << is;
            }
    }
}

TEST(InputFileProperties, SavingAndReadingIsTheIdentity)
{
    Generator g;
    for (int n = 0; n < kSessions; ++n) {
        InputFileData data;
        data.units = g.integer(0, 1) == 0 ? UnitSystem::English : UnitSystem::Metric;
        data.E = g.text(12);
        data.Sc = g.text(12);
        data.k = g.text(12);
        TrafficMix mix;
        const int count = g.integer(0, TrafficMix::kSlots);
        while (mix.count() < count)
            mix.add(g.integer(1, AircraftDatabase::kMaxRecords));
        for (int slot = 1; slot <= count; ++slot) {
            InputFileAircraft& aircraft = data.aircraft.emplace_back();
            aircraft.record = mix.record(slot);
            for (std::string& value : aircraft.values)
                value = g.integer(0, 1) == 0 ? g.typed(0.01, 1e6) : g.text(8);
        }
        // A project section with all of its keys, or none (a file of an earlier version).
        const bool section = g.integer(0, 1) == 1;
        if (section) {
            ProjectInputs& project = data.project.emplace();
            for (const InputField field : kProjectFields)
                project.fields[static_cast<std::size_t>(field)]
                    = g.integer(0, 1) == 0 ? g.typed(0.01, 1e4) : g.text(8);
            project.layerMode = static_cast<std::int16_t>(g.integer(0, 2));
            project.bondNo = g.integer(0, 1) == 1;
        }
        const std::string text = InputFileText(data);
        EXPECT_EQ(ParseInputFile(text, "generated.inp"), data) << n;
        // A reader that stops after the last aircraft, as earlier versions do, reads the file
        // as if it had no project section.
        InputFileData earlier = data;
        earlier.project.reset();
        EXPECT_EQ(ParseInputFile(text, "generated.inp", FileReach::UpToLastAircraft), earlier) << n;

        // Into a session and out of it again.
        DesignModel model;
        ApplyInputFile(model, data, Catalogue());
        EXPECT_TRUE(SavesWhatWasRead(InputFileDataOf(model), data)) << n;
        if (section) {
            EXPECT_EQ(InputFileText(InputFileDataOf(model)), text) << n;
        }
    }
}

} // namespace
} // namespace korvant
