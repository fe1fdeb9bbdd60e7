// Input data files (.inp): the unit system, the texts of the concrete modulus, the flexural
// strength and the subgrade modulus, and the traffic mix with eight values of each aircraft;
// after the last aircraft the "***Project" section with the other inputs as key=value lines
// (the bottom layer, slab size, climate, structure and bond option), which readers that stop
// after the last aircraft never see. Written byte for byte in the line format every version of
// the program reads (CR LF, integers in print form " 3 "), parsed whole before anything changes,
// and applied to a design session as the window's "Read Data From File..." does. Also the close
// prompt's decision.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "basics/aircraft_fields.h"
#include "basics/input_fields.h"
#include "basics/unit_system.h"

namespace korvant {

inline constexpr const char* kInputFileExtension = ".inp";
// The largest file that is read. A file of 65 aircraft takes a few kilobytes; anything larger is
// not an input data file, and refusing it keeps a huge or endless file from filling the memory.
inline constexpr std::size_t kMaxInputFileBytes = 1 << 20;
// The whole message for a file whose line 8 is not the aircraft section marker.
inline constexpr const char* kIncorrectInputFile = "Incorrect Input File!";

// The aircraft field of value v (0..7) of an aircraft's lines: fields 2..9, grossWeight ..
// tireContactWidth.
inline AircraftField InputFileValueField(std::size_t v)
{
    return static_cast<AircraftField>(static_cast<int>(v) + 2);
}

// One aircraft of a file: its catalogue record number and its fields 2..9 (grossWeight ..
// tireContactWidth) as the texts are stored, in the file's unit system.
struct InputFileAircraft
{
    int record = 0; // 1..65
    std::array<std::string, 8> values;
    bool operator==(const InputFileAircraft&) const = default;
};

// The line that opens the project section, directly after the last aircraft.
inline constexpr const char* kProjectMarker = "***Project";

// The inputs of the project section. A member is empty when the section does not name it; the
// session then keeps its own value (a section read from a file names every key). Keys are the
// object names: TxtE2, txth2, txtL, txtW, TxtPrec, TxtTemp, TxtWind (texts as displayed), layerMode
// (0, 1 or 2) and bondno (1 when the option "No" under "Bonded" is selected, else 0).
struct ProjectInputs
{
    // Indexed by InputField; E, Sc and k stay empty, as lines 4..6 hold them.
    std::array<std::optional<std::string>, kInputFieldCount> fields;
    std::optional<std::int16_t> layerMode;
    std::optional<bool> bondNo;
    bool operator==(const ProjectInputs&) const = default;
};

// The fields that the project section holds, in the order they are written.
inline constexpr InputField kProjectFields[]
    = { InputField::E2, InputField::h2, InputField::SlabLength, InputField::SlabWidth,
          InputField::Precipitation, InputField::Temperature, InputField::WindSpeed };

// The content of one file, in the unit system it names.
struct InputFileData
{
    UnitSystem units = UnitSystem::English;
    std::string E, Sc, k; // the texts of TxtE, TxtSc and Txtk as displayed
    std::vector<InputFileAircraft> aircraft; // in mix order, no record twice
    std::optional<ProjectInputs> project; // none for a file without the section
    bool operator==(const InputFileData&) const = default;
};

// How far a file is read: whole, or up to its last aircraft as earlier versions read it.
enum class FileReach { Whole, UpToLastAircraft };

// A file that cannot be read, is damaged, or cannot be written as an input data file. what() is
// the whole message for the user; it names the file and, where one applies, the line (line()
// is 0 otherwise). The wrong aircraft section marker gives exactly kIncorrectInputFile.
class InputFileError : public std::runtime_error
{
public:
    InputFileError(const std::string& message, std::filesystem::path path, int line)
        : std::runtime_error(message)
        , path_(std::move(path))
        , line_(line)
    {
    }
    const std::filesystem::path& path() const { return path_; }
    int line() const { return line_; }

private:
    std::filesystem::path path_;
    int line_;
};

// --- Reading ---------------------------------------------------------------------------------

// Parses a whole file. Lines may end in CR LF, LF or CR; integers may have blanks around them;
// the title line and the two empty lines are not looked at. After the last aircraft, empty lines
// may precede the project section. The section runs to the end of the file or to the next line
// that begins with "***" (a section of a later version, which is not looked at); its empty lines
// and unknown keys are ignored, blanks around a key too, and a value is the text after the first
// "=" as written.
// A damaged file throws InputFileError naming `source` and the line: a NUL byte anywhere; an
// unknown unit marker; a wrong "***Aircraft" marker (kIncorrectInputFile); a count or record
// number that is not a whole number text (digits, an optional sign, blanks around them); a
// negative count, more than 65 aircraft, a record number outside 1..65 or given twice; fewer
// lines than the count needs; a last line read that ends without its line end (the file was cut,
// perhaps within a value); any line other than empty ones and the section between the last
// aircraft and the section (the count is smaller than the aircraft that follow); in the project
// section a line without "=", a key given twice, a layerMode other than 0, 1 or 2, a bondno other
// than 0 or 1, and a section without every key that a saved file holds.
// With FileReach::UpToLastAircraft the file is read as earlier versions read it: nothing after
// the last aircraft is looked at.
InputFileData ParseInputFile(std::string_view content, const std::filesystem::path& source,
    FileReach reach = FileReach::Whole);

// Reads a file's text whole; an unreadable file, or one larger than kMaxInputFileBytes, throws
// InputFileError with the path and reason.
std::string ReadInputFileText(const std::filesystem::path& path);

// Reads and parses a file, with the failures of ReadInputFileText and ParseInputFile.
InputFileData ReadInputFile(const std::filesystem::path& path);

// --- Writing ---------------------------------------------------------------------------------

// The file text, every line ending in CR LF, the project section (when the data hold one) after
// the last aircraft. A text holding a line break or a NUL byte cannot be written in this format
// and throws InputFileError naming the value and the line it would have gone on (with an empty
// path).
std::string InputFileText(const InputFileData& data);

// The name a file is saved under: a name without an extension gets ".inp" ("design" and
// "design." become "design.inp"); any other name is kept.
std::filesystem::path WithInputFileExtension(const std::filesystem::path& path);

// Whether a file's name ends in ".inp" (any case), as the files a file manager or a drop hands
// the window are recognised.
bool HasInputFileExtension(const std::filesystem::path& path);

} // namespace korvant
