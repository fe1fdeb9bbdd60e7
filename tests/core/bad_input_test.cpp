// The corpus of inputs that once made KORVANT fail (tests/data/bad/): each gives the message
// listed for it in expected.txt, and every input of the folder is listed.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "design/session_file.h"
#include "design/thickness_design.h"
#include "design_case.h"
#include "design_fixture.h"
#include "io/atomic_file.h"
#include "io/number_text.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;
const fs::path kBad = fs::path(KORVANT_TEST_DATA_DIR) / "bad";

// path in the folder -> message
std::map<std::string, std::string> ExpectedMessages()
{
    std::istringstream in(ReadWholeFile(kBad / "expected.txt"));
    std::map<std::string, std::string> expected;
    std::string path, message;
    while (std::getline(in, path)) {
        if (path.empty() || path[0] == '#')
            continue;
        std::getline(in, message);
        expected[path] = message;
    }
    return expected;
}

std::string CatalogueMessage(const std::string& content, const std::string& name)
{
    AircraftDatabase database;
    const AircraftDatabase before = database;
    try {
        return ParseAircraftData(content, name, database);
    } catch (const CatalogueError& error) {
        EXPECT_EQ(database, before) << name;
        return error.what();
    }
}

std::string InputFileMessage(const fs::path& path, const std::string& content)
{
    DesignModel model = testing::TestSession({ 2 });
    const DesignModel before = model;
    EXPECT_THROW(
        LoadInputFile(model, path, KORVANT_TEST_DATA_DIR "/design/mix.dll"), InputFileError);
    EXPECT_TRUE(model == before) << path;
    try {
        ParseInputFile(content, path.filename());
    } catch (const InputFileError& error) {
        return error.what();
    }
    return "read without a message";
}

std::string DesignMessage(const std::string& content)
{
    DesignModel start;
    ReadAircraftData(KORVANT_SOURCE_DIR "/data/fly.dll", start.database);
    DesignModel model = DesignCaseSession(content, start);
    const DesignModel before = model;
    try {
        RunDesign(model);
    } catch (const DesignStopped& stopped) {
        EXPECT_TRUE(model == before);
        return stopped.what();
    }
    return "designed " + model.lbh;
}

TEST(BadInputCorpus, EachInputGivesItsMessage)
{
    const std::map<std::string, std::string> expected = ExpectedMessages();
    int inputs = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kBad)) {
        if (!entry.is_regular_file() || entry.path().parent_path() == kBad)
            continue;
        ++inputs;
        const std::string name = entry.path().lexically_relative(kBad).generic_string();
        const std::string kind = entry.path().parent_path().filename();
        const std::string content = ReadWholeFile(entry.path());
        const auto listed = expected.find(name);
        ASSERT_NE(listed, expected.end()) << name << " is not listed in expected.txt";

        std::string message;
        if (kind == "catalogue")
            message = CatalogueMessage(content, entry.path().filename());
        else if (kind == "inp")
            message = InputFileMessage(entry.path(), content);
        else if (kind == "design")
            message = DesignMessage(content);
        else if (kind == "number_text")
            message = GeneralNumberText(NumberOfText(content));
        else
            ADD_FAILURE() << name << ": no reader for the folder " << kind;
        EXPECT_EQ(message, listed->second) << name;
    }
    EXPECT_EQ(inputs, static_cast<int>(expected.size())) << "expected.txt lists missing inputs";
}

} // namespace
} // namespace korvant
