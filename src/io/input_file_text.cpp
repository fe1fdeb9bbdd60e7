// Writing input data files byte for byte in the line format that every version of the program
// reads (io/input_file_format.h): CR LF line ends, integers in print form " 3 ".
#include <cctype>
#include <utility>

#include "basics/program_info.h"
#include "io/input_file.h"
#include "io/input_file_format.h"

namespace korvant {
namespace {

using namespace input_format;

// " 3 ": a blank in place of the sign of a non-negative number, the digits, one blank.
std::string PrintForm(int value)
{
    return (value < 0 ? "" : " ") + std::to_string(value) + " ";
}

bool HoldsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool HoldsNul(std::string_view text)
{
    return text.find('\0') != std::string_view::npos;
}

void AddLine(std::string& out, std::string_view line)
{
    out.append(line).append(kLineEnd);
}

} // namespace

std::string InputFileText(const InputFileData& data)
{
    std::string out;
    int line = 0;
    auto text = [&](std::string_view value, const std::string& what) {
        ++line;
        if (HoldsLineBreak(value))
            throw InputFileError("The " + what + " holds a line break, which line "
                    + std::to_string(line) + " of an input data file cannot hold",
                {}, line);
        if (HoldsNul(value))
            throw InputFileError(
                "The " + what + " holds a NUL byte, which an input data file cannot hold", {},
                line);
        AddLine(out, value);
    };
    auto integer = [&](int value) {
        ++line;
        AddLine(out, PrintForm(value));
    };

    text(std::string("KORVANT-") + kDescriptiveTitle, "title");
    text(data.units == UnitSystem::Metric ? kMetricMarker : kEnglishMarker, "unit marker");
    text("", "empty line");
    text(data.E, "elastic modulus of concrete");
    text(data.Sc, "concrete flexural strength");
    text(data.k, "modulus of subgrade reaction");
    text("", "empty line");
    text(kAircraftMarker, "section marker");
    integer(static_cast<int>(data.aircraft.size()));
    for (const InputFileAircraft& aircraft : data.aircraft) {
        integer(aircraft.record);
        for (std::size_t v = 0; v < aircraft.values.size(); ++v)
            text(aircraft.values[v],
                ValueName(v) + " of aircraft record " + std::to_string(aircraft.record));
    }
    if (data.project) {
        text(kProjectMarker, "project section marker");
        for (const InputField field : kProjectFields)
            if (const auto& value = data.project->fields[static_cast<std::size_t>(field)])
                text(std::string(InputFieldInfoOf(field).objectName) + "=" + *value,
                    InputFieldInfoOf(field).meaning);
        if (data.project->layerMode)
            text(std::string(kLayerModeKey) + "=" + std::to_string(*data.project->layerMode),
                "structure");
        if (data.project->bondNo)
            text(std::string(kBondKey) + "=" + (*data.project->bondNo ? "1" : "0"), "bond option");
    }
    return out;
}

std::filesystem::path WithInputFileExtension(const std::filesystem::path& path)
{
    const std::filesystem::path extension = path.extension();
    if (!extension.empty() && extension != ".")
        return path;
    std::filesystem::path named = path;
    if (extension == ".")
        named.replace_extension(kInputFileExtension);
    else
        named += kInputFileExtension;
    return named;
}

bool HasInputFileExtension(const std::filesystem::path& path)
{
    std::string extension = path.extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".inp";
}

} // namespace korvant
