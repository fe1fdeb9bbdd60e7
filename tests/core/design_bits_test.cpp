// The design's numbers to the bit over generated sessions: every trial's thickness and damage
// and every value of each aircraft at the last trial are hashed per session and compared with
// tests/data/design/bits.txt, written by the straightforward procedure before any of it was
// made faster. A stopped design hashes its message. Set KORVANT_WRITE_BITS=1 to rewrite the file
// after a change that is meant to move results.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "design/thickness_design.h"
#include "design/unit_switch.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr int kSessions = 400;
const char* const kBitsFile = KORVANT_TEST_DATA_DIR "/design/bits.txt";

// Inputs from a fixed seed by plain integer arithmetic, so that they are the same with every
// standard library.
class Inputs
{
public:
    int integer(int low, int high)
    {
        return low + static_cast<int>(engine_() % static_cast<std::uint32_t>(high - low + 1));
    }
    // A value of `low` to `high` with 1 to 6 significant digits, as someone types it.
    std::string typed(double low, double high)
    {
        const int digits = integer(1, 6);
        const double value = low + (high - low) * integer(0, 1000000) / 1e6;
        const int magnitude = static_cast<int>(std::floor(std::log10(value)));
        const double unit = std::pow(10.0, magnitude + 1 - digits);
        return GeneralNumberText(std::max(unit, std::round(value / unit) * unit));
    }

private:
    std::mt19937 engine_ { 20261207 };
};

DesignModel GeneratedSession(Inputs& in, const AircraftDatabase& catalogue)
{
    DesignModel model;
    model.database = catalogue;
    model.field(InputField::E) = in.typed(2e6, 7e6);
    model.field(InputField::Sc) = in.typed(450, 1000);
    model.field(InputField::k) = in.typed(25, 600);
    model.field(InputField::E2) = in.typed(5e4, 3e6);
    model.field(InputField::h2) = in.typed(2, 14);
    model.field(InputField::SlabLength) = in.typed(10, 30);
    model.field(InputField::SlabWidth) = in.typed(10, 30);
    model.field(InputField::Precipitation) = in.typed(1, 80);
    model.field(InputField::Temperature) = in.typed(20, 90);
    model.field(InputField::WindSpeed) = in.typed(1, 20);
    model.layerMode = static_cast<std::int16_t>(in.integer(0, 1));
    model.bondNo = in.integer(0, 1) == 1;
    const int count = in.integer(1, 8);
    while (model.mix.count() < count) {
        const int record = in.integer(2, model.database.recordCount);
        if (model.mix.add(record))
            model.database.record(record).annualDepartures = in.typed(10, 40000);
    }
    if (in.integer(0, 3) == 0)
        SwitchUnits(model, UnitSystem::Metric);
    return model;
}

class Hash
{
public:
    void add(double x) { add(std::bit_cast<std::uint64_t>(x)); }
    void add(float x) { add(std::uint64_t { std::bit_cast<std::uint32_t>(x) }); }
    void add(std::uint64_t x)
    {
        for (int byte = 0; byte < 8; ++byte)
            mix(static_cast<unsigned char>(x >> (8 * byte)));
    }
    void add(const std::string& text)
    {
        for (char c : text)
            mix(static_cast<unsigned char>(c));
    }
    std::uint64_t value() const { return value_; }

private:
    void mix(unsigned char byte) { value_ = (value_ ^ byte) * 0x100000001b3u; }
    std::uint64_t value_ = 0xcbf29ce484222325u;
};

std::uint64_t DesignBits(DesignModel model)
{
    Hash hash;
    try {
        RunDesign(model);
    } catch (const DesignStopped& stopped) {
        hash.add(std::string(stopped.what()));
        return hash.value();
    }
    const DesignTrace& trace = model.result.trace;
    for (const DesignTrial& trial : trace.trials) {
        hash.add(trial.thickness);
        hash.add(trial.totalDamage);
    }
    for (const AircraftStep& s : trace.steps) {
        for (double x : { s.radiusOfStiffness, s.contactRadius, s.relA, s.relW, s.relL,
                 s.edgeStress, s.gearFactor, s.layerFactor, s.tempDifferential, s.designStress,
                 s.actualCoverages, s.allowableCoverages })
            hash.add(x);
        for (float x : { s.slabSizeFactor, s.sizeLayerFactor, s.F3, s.passToCoverage, s.curlFactor,
                 s.curlingStress, s.damageRatio })
            hash.add(x);
    }
    hash.add(model.lbh);
    return hash.value();
}

TEST(DesignBits, EveryResultBitIsThatOfTheStraightforwardProcedure)
{
    AircraftDatabase catalogue;
    ReadAircraftData(KORVANT_SOURCE_DIR "/data/fly.dll", catalogue);
    Inputs inputs;
    std::ostringstream bits;
    for (int n = 0; n < kSessions; ++n)
        bits << std::hex << DesignBits(GeneratedSession(inputs, catalogue)) << '\n';

    if (std::getenv("KORVANT_WRITE_BITS")) {
        std::ofstream(kBitsFile) << bits.str();
        GTEST_SKIP() << "wrote " << kBitsFile;
    }
    std::ifstream file(kBitsFile);
    std::istringstream produced(bits.str());
    std::string expected;
    std::string actual;
    for (int n = 0; n < kSessions; ++n) {
        ASSERT_TRUE(std::getline(file, expected)) << kBitsFile << " has too few sessions";
        std::getline(produced, actual);
        EXPECT_EQ(actual, expected) << "session " << n;
    }
}

} // namespace
} // namespace korvant
