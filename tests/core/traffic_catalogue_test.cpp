// The bundled catalogue data/fly.dll and its copy beside the executables.
#include "traffic/aircraft_database.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace korvant {
namespace {

// Digits with at most one decimal point between digits: no sign, blank or exponent.
bool IsPlainNumber(const std::string& t)
{
    const auto point = t.find('.');
    return !t.empty() && t.find_first_not_of("0123456789.") == std::string::npos
        && (point == std::string::npos
            || (point > 0 && point + 1 < t.size() && t.find('.', point + 1) == std::string::npos));
}

TEST(CatalogueBundled, HoldsSixtyFourAircraftFromLightToHeavy)
{
    AircraftDatabase db;
    EXPECT_EQ(ReadAircraftData(KORVANT_SOURCE_DIR "/data/fly.dll", db), "");
    ASSERT_EQ(db.recordCount, 64);
    EXPECT_EQ(db.titles[1], "Aircraft");
    EXPECT_EQ(db.titles[9], "Contact Width");
    for (int i = 1; i <= 9; ++i)
        EXPECT_FALSE(db.titles[static_cast<std::size_t>(i)].empty()) << i;

    double lastWeight = 0;
    for (int r = 1; r <= db.recordCount; ++r) {
        const AircraftRecord& rec = db.record(r);
        EXPECT_FALSE(rec.name.empty()) << r;
        for (int f = 2; f <= 9; ++f)
            EXPECT_TRUE(IsPlainNumber(rec.field(static_cast<AircraftField>(f))))
                << rec.name << " field " << f;
        const double weight = std::stod(rec.grossWeight);
        EXPECT_LE(lastWeight, weight) << rec.name;
        lastWeight = weight;
    }
}

TEST(CatalogueBundled, CopiedBesideTheExecutable)
{
    const auto beside = CatalogueCandidates(ExecutableDir()).front();
    ASSERT_TRUE(std::filesystem::exists(beside)) << beside;
    AircraftDatabase copy, source;
    ReadAircraftData(beside, copy);
    ReadAircraftData(KORVANT_SOURCE_DIR "/data/fly.dll", source);
    EXPECT_EQ(copy, source);
}

// Without /proc the executable's place is unknown: the fixed data folder is the one looked at, and
// a missing catalogue is an ordinary catalogue failure rather than an abort.
TEST(CatalogueBundled, WithoutTheExecutablesPlaceOnlyTheFixedFolder)
{
    const std::vector<std::filesystem::path> candidates = CatalogueCandidates({});
    ASSERT_EQ(candidates.size(), 1U);
    EXPECT_TRUE(candidates.front().is_absolute()) << candidates.front();
    EXPECT_EQ(candidates.front(), CatalogueCandidates(ExecutableDir()).back());
}

} // namespace
} // namespace korvant
