// Large and endless files, and paths with blanks and characters beyond ASCII: the catalogue and
// input data file readers refuse a file beyond their size limit without reading it whole, read
// one at the limit, and every file operation works in a folder such as "a b/Ünï ✈".
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "design/report.h"
#include "design/session_file.h"
#include "design/thickness_design.h"
#include "design_fixture.h"
#include "io/atomic_file.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;
const fs::path kData = KORVANT_TEST_DATA_DIR;
const fs::path kCatalogue = fs::path(KORVANT_SOURCE_DIR) / "data" / "fly.dll";

class HostileFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path()
            / ("korvant-hostile-" + std::to_string(::getpid()) + " dir with blanks")
            / "Ünïcødé ✈ 設計";
        fs::remove_all(dir_.parent_path());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_.parent_path()); }

    // A file of `size` bytes: `start`, then `filler` repeated and cut to size.
    fs::path write(const std::string& name, const std::string& start, const std::string& filler,
        std::size_t size) const
    {
        std::string content = start;
        while (content.size() < size)
            content += filler;
        content.resize(size);
        std::ofstream(dir_ / name, std::ios::binary) << content;
        return dir_ / name;
    }

    fs::path dir_;
};

TEST_F(HostileFiles, CatalogueBeyondItsLimitIsRefused)
{
    const std::string catalogue = ReadWholeFile(kCatalogue);
    const std::string record = "Filler,100000,1000,47.5,200,2,30,0,10\r\n";
    AircraftDatabase database;
    ReadAircraftData(kCatalogue, database);
    const AircraftDatabase before = database;

    // At the limit: read, with the note that the records after the 65th were ignored.
    const fs::path atLimit = write("limit.dll", catalogue, record, kMaxCatalogueBytes);
    EXPECT_NE(ReadAircraftData(atLimit, database).find("records after the 65th were ignored"),
        std::string::npos);
    EXPECT_EQ(database.recordCount, 65);

    // Beyond it, and an endless device, which is not even opened.
    const fs::path over = write("over.dll", catalogue, record, kMaxCatalogueBytes + 1);
    for (const auto& [path, reason] :
        { std::pair(over,
              "the file is larger than 1048576 bytes, far more than 65 aircraft take; the file is "
              "damaged."),
            std::pair(fs::path("/dev/zero"), "it is a device, not a regular file") }) {
        AircraftDatabase reading = before;
        try {
            ReadAircraftData(path, reading);
            ADD_FAILURE() << path << " was read";
        } catch (const CatalogueError& error) {
            EXPECT_EQ(std::string(error.what()),
                "Cannot read the aircraft catalogue " + path.string() + ": " + reason);
        }
        EXPECT_EQ(reading, before);
    }
}

TEST_F(HostileFiles, InputFileBeyondItsLimitIsRefused)
{
    const std::string good = ReadWholeFile(kData / "inp" / "english.inp");
    // Lines after the last aircraft are ignored, however many there are.
    const fs::path atLimit = write("limit.inp", good, "\r\n", kMaxInputFileBytes);
    EXPECT_EQ(ReadInputFile(atLimit), ParseInputFile(good, "english.inp"));

    const fs::path over = write("over.inp", good, "\r\n", kMaxInputFileBytes + 1);
    for (const auto& [path, reason] : { std::pair(over, "the file is larger than 1048576 bytes"),
             std::pair(fs::path("/dev/zero"), "it is a device, not a regular file") }) {
        DesignModel model = testing::TestSession({ 3 });
        const DesignModel before = model;
        try {
            LoadInputFile(model, path, kData / "design" / "mix.dll");
            ADD_FAILURE() << path << " was read";
        } catch (const InputFileError& error) {
            EXPECT_EQ(
                std::string(error.what()), "Cannot read \"" + path.string() + "\": " + reason);
        }
        EXPECT_TRUE(model == before);
    }
}

TEST_F(HostileFiles, PathsWithBlanksAndNonAsciiCharacters)
{
    fs::copy_file(kCatalogue, dir_ / "fly.dll");
    DesignModel model;
    ReadAircraftData(dir_ / "fly.dll", model.database);
    model.mix.add(34);
    RunDesign(model);

    const fs::path saved = SaveInputFile(model, dir_ / "Entwurf Ü 1");
    EXPECT_EQ(saved, dir_ / "Entwurf Ü 1.inp");
    DesignModel reader;
    const InputFileLoaded loaded = LoadInputFile(reader, saved, dir_ / "fly.dll");
    EXPECT_EQ(loaded.message.text, saved.string() + "  Loaded!");
    EXPECT_EQ(InputFileDataOf(reader), InputFileDataOf(model));

    PrintToFile(model, dir_ / "rapport é.txt");
    EXPECT_EQ(ReadWholeFile(dir_ / "rapport é.txt"), ReportText(model));
}

} // namespace
} // namespace korvant
