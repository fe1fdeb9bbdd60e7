// The catalogue reader: field splitting, record counts, damaged files with the line they name,
// the database left as it was after a failure, and the places searched for the catalogue.
#include "traffic/aircraft_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace korvant {
namespace {

const std::string kHeader = "A,B,C,D,E,F,G,H,I\r\n";

std::string Records(int count)
{
    std::string text = kHeader;
    for (int i = 1; i <= count; ++i)
        text += "Plane " + std::to_string(i) + "," + std::to_string(1000 * i)
            + ",1200,47.5,200,2,34,0,11\r\n";
    return text;
}

TEST(AircraftDatabaseRead, ReadsQuotedFieldsAndRecordsOverSeveralLines)
{
    AircraftDatabase db;
    EXPECT_EQ(ReadAircraftData(KORVANT_TEST_DATA_DIR "/catalogue/three_aircraft.dll", db), "");
    ASSERT_EQ(db.recordCount, 3);
    EXPECT_EQ(db.titles[4], "Gear Load %");
    EXPECT_EQ(db.titles[9], "Contact Width");
    EXPECT_EQ(db.record(1).name, "Jet, long range");
    EXPECT_EQ(db.record(1).tireContactWidth, "12.82");
    EXPECT_EQ(db.record(2).grossWeight, "174700"); // blanks around a plain field dropped
    const AircraftRecord third { "Freighter\r\nconversion", "250000", "800", "47", "190", "4", "34",
        "45", "10.5" };
    EXPECT_EQ(db.record(3), third);
}

TEST(AircraftDatabaseRead, CountsRecordsWithTheirNotes)
{
    const std::string cut = "; the last line, line ";
    const struct
    {
        std::string text;
        int count;
        std::string lastName;
        std::string note; // after "fly.dll: "
    } cases[] = {
        { kHeader, 0, "", "the catalogue holds no aircraft, only its column titles." },
        { "A,B,C,D,E,F,G,H,I", 0, "",
            "the catalogue holds no aircraft, only its column titles" + cut
                + "1, has no line end, so the file may have been cut short within its last "
                  "value; it was read as it stands." },
        { Records(1) + "\r\n  \r\n\n", 1, "Plane 1", "" },
        { Records(1) + "Cut,1,2,3,4,5,6,7,8.2", 2, "Cut",
            cut.substr(2)
                + "3, has no line end, so the file may have been cut short within its "
                  "last value; it was read as it stands." },
        // A record may run over several lines, as long as it begins one.
        { "A,B,C,D\nE,F,G,H,I\nx,1,2,3\n4,5,6,7,8\n", 1, "x", "" },
        { Records(65), 65, "Plane 65", "" },
        { Records(66), 65, "Plane 65",
            "the catalogue holds more than 65 aircraft; the records after the 65th were "
            "ignored." },
        { Records(66) + "Cut,1", 65, "Plane 65",
            "the catalogue holds more than 65 aircraft; the records after the 65th were "
            "ignored." },
    };
    for (const auto& c : cases) {
        AircraftDatabase db;
        const std::string note = ParseAircraftData(c.text, "fly.dll", db);
        EXPECT_EQ(db.recordCount, c.count) << c.text;
        EXPECT_EQ(db.record(std::max(c.count, 1)).name, c.lastName) << c.text;
        EXPECT_EQ(note, c.note.empty() ? "" : "fly.dll: " + c.note) << c.text;
    }
}

TEST(AircraftDatabaseRead, DamagedFilesNameTheLineAndLeaveTheDatabaseUnchanged)
{
    const struct
    {
        std::string text;
        std::string message;
    } cases[] = {
        { "", "cat.dll: the file is empty" },
        { " \r\n\r\n", "cat.dll: the file is empty" },
        { "A,B,C\r\n", "cat.dll, line 1: the header ends after 3 of its 9 column titles" },
        { Records(2) + "x,1,2,3\r\n", "cat.dll, line 4: the record ends after 4 of its 9 fields" },
        { kHeader + "\"a\nb\",1,2,3,4,5,6,7,8\r\nx,1,2", "line 4: the record ends after 3" },
        { kHeader + "x,1,\"open\r\n,2", "cat.dll, line 2: a quoted field has no closing quote" },
        { kHeader + "\"x\"y,1,2,3,4,5,6,7,8", "line 2: text follows the closing quote" },
        // A field too many, then one too few: the records between them would shift.
        { Records(1) + "x,1,2,3,4,5,6,7,8,extra\r\ny,1,2,3,4,5,6,7,8\r\nz,1,2,3,4,5,6,7\r\n",
            "cat.dll, line 3: a record begins within this line, after the 9 fields of the record "
            "that begins on line 3, so one of them has more or fewer than 9 fields" },
        { Records(1) + "x,1,2,3,4,5,6,7\r\ny,1,2,3,4,5,6,7,8\r\n",
            "cat.dll, line 4: a record begins" },
        { "A,B,C,D,E,F,G,H,I,\r\nx,1,2,3,4,5,6,7,8\r\n",
            "line 1: a record begins within this line, after the 9 fields of the header" },
        // Not a catalogue at all.
        { "\xFF\xFE" + std::string("A\0,\0", 4),
            "cat.dll: this is not an aircraft catalogue: it is "
            "UTF-16 text" },
        { "\xFE\xFF" + std::string("\0A\0,", 4), "it is UTF-16 text" },
        { std::string("\xFF\xFE\0\0A\0\0\0", 8), "it is UTF-32 text" },
        { std::string("\0\0\xFE\xFF\0\0\0A", 8), "it is UTF-32 text" },
        { Records(2) + "N" + std::string(1, '\0') + "L,1,2,3,4,5,6,7,8\r\n",
            "cat.dll, line 4: this is not an aircraft catalogue: the line holds a NUL byte" },
    };
    AircraftDatabase db;
    ParseAircraftData(Records(3), "old", db);
    const AircraftDatabase before = db;
    for (const auto& c : cases) {
        try {
            ParseAircraftData(c.text, "cat.dll", db);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const CatalogueError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
            const std::string message = e.what();
            EXPECT_TRUE(message.ends_with("; the file is damaged.")
                || message.ends_with(", and a catalogue is plain comma-delimited text."))
                << message;
        }
        EXPECT_EQ(db, before);
    }
}

TEST(AircraftDatabaseRead, ReReadingReplacesOnlyTheRowsRead)
{
    AircraftDatabase db;
    ParseAircraftData(Records(5), "fly.dll", db);
    db.record(5).grossWeight = "edited";
    ParseAircraftData(kHeader + "New,1,2,3,4,5,6,7,8\r\n", "fly.dll", db);
    EXPECT_EQ(db.recordCount, 1);
    EXPECT_EQ(db.record(1).name, "New");
    EXPECT_EQ(db.record(2).name, "Plane 2");
    EXPECT_EQ(db.record(5).grossWeight, "edited");
}

TEST(AircraftDatabaseRead, KeepsLongFields)
{
    const std::string longName(1 << 20, 'x');
    AircraftDatabase db;
    ParseAircraftData(kHeader + longName + ",1,2,3,4,5,6,7,8\r\n", "fly.dll", db);
    ASSERT_EQ(db.recordCount, 1);
    EXPECT_EQ(db.record(1).name, longName);
}

TEST(AircraftDatabaseRead, MissingFileNamesPathAndReason)
{
    AircraftDatabase db;
    const std::string path = KORVANT_TEST_DATA_DIR "/catalogue/no_such_file.dll";
    try {
        ReadAircraftData(path, db);
        ADD_FAILURE() << "no error";
    } catch (const CatalogueError& e) {
        EXPECT_NE(
            std::string(e.what()).find(path + ": No such file or directory"), std::string::npos)
            << e.what();
    }
    EXPECT_THROW(ReadAircraftData(KORVANT_TEST_DATA_DIR "/catalogue", db), CatalogueError);
}

TEST(AircraftCatalogueCandidates, BesideTheExecutableThenTheDataFolders)
{
    const auto candidates = CatalogueCandidates("/opt/korvant/bin");
    ASSERT_EQ(candidates.size(), 3u);
    EXPECT_EQ(candidates[0], "/opt/korvant/bin/fly.dll");
    EXPECT_EQ(candidates[1], "/opt/korvant/share/korvant/fly.dll");
    EXPECT_TRUE(candidates[2].is_absolute());
    EXPECT_EQ(candidates[2].filename(), "fly.dll");
}

} // namespace
} // namespace korvant
