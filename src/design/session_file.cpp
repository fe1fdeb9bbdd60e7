// Input data files and the session: a read file replaces the session's inputs and mix as the
// window reads one (converted into the file's unit system first), and a session is saved through
// a temporary file that replaces the target only when all of it was written.
#include "design/session_file.h"

#include <utility>

#include "basics/program_info.h"
#include "design/export_file.h"
#include "design/unit_switch.h"
#include "design/window_texts.h"
#include "io/atomic_file.h"
#include "traffic/aircraft_database.h"

namespace korvant {

void ApplyInputFile(DesignModel& model, const InputFileData& data, AircraftDatabase catalogue)
{
    // The file replaces E, Sc, k and the fields of its project section, so they need no number of
    // their own to be converted.
    std::array<std::optional<std::string>, kInputFieldCount> held;
    if (data.project)
        held = data.project->fields;
    held[static_cast<std::size_t>(InputField::E)] = data.E;
    held[static_cast<std::size_t>(InputField::Sc)] = data.Sc;
    held[static_cast<std::size_t>(InputField::k)] = data.k;
    std::array<std::string, kInputFieldCount> fields = model.fields;
    for (std::size_t f = 0; f < fields.size(); ++f)
        if (held[f])
            fields[f] = "0";
    fields = ConvertFields(fields, model.units, data.units);
    for (std::size_t f = 0; f < fields.size(); ++f)
        if (held[f])
            fields[f] = *held[f];

    ConvertAircraftTable(catalogue, UnitSystem::English, data.units);
    TrafficMix mix;
    for (const InputFileAircraft& aircraft : data.aircraft) {
        AircraftRecord& record = catalogue.record(aircraft.record);
        for (std::size_t v = 0; v < aircraft.values.size(); ++v)
            record.field(InputFileValueField(v)) = aircraft.values[v];
        if (!mix.add(aircraft.record))
            throw std::invalid_argument(
                "input data name aircraft record " + std::to_string(aircraft.record) + " twice");
    }

    model.fields = std::move(fields);
    model.units = data.units;
    model.database = std::move(catalogue);
    model.mix = mix;
    model.result = DesignResult {};
    model.lbh.clear();
    if (data.project && data.project->layerMode)
        model.layerMode = *data.project->layerMode;
    if (data.project && data.project->bondNo)
        model.bondNo = *data.project->bondNo;
}

namespace {

// Parses the text of the file at `path` (as messages name it) and applies it.
InputFileLoaded LoadInputData(DesignModel& model, std::string_view content,
    const std::filesystem::path& path, const std::filesystem::path& catalogue)
{
    InputFileData data = ParseInputFile(content, path);
    AircraftDatabase database;
    const std::optional<std::int16_t> layerMode
        = data.project ? data.project->layerMode : std::nullopt;
    InputFileLoaded loaded { path, ReadAircraftData(catalogue, database),
        { path.string() + "  Loaded!", kMessageTitle, Buttons::Ok, Icon::None }, layerMode,
        std::move(data) };
    try {
        ApplyInputFile(model, loaded.data, std::move(database));
    } catch (const UnitSwitchRefused& refused) {
        throw UnitSwitchRefused(refused.problem(),
            "The " + refused.problem() + " and cannot be converted to the units of " + path.string()
                + ", so the file was not read.");
    }
    return loaded;
}

} // namespace

InputFileLoaded LoadInputFile(
    DesignModel& model, const std::filesystem::path& path, const std::filesystem::path& catalogue)
{
    return LoadInputData(model, ReadInputFileText(path), path, catalogue);
}

InputFileLoaded LoadInputText(DesignModel& model, std::string_view content,
    const std::filesystem::path& source, const std::filesystem::path& catalogue)
{
    return LoadInputData(model, content, source, catalogue);
}

InputFileData InputFileDataOf(const DesignModel& model)
{
    InputFileData data;
    data.units = model.units;
    data.E = model.field(InputField::E);
    data.Sc = model.field(InputField::Sc);
    data.k = model.field(InputField::k);
    for (int slot = 1; slot <= model.mix.count(); ++slot) {
        InputFileAircraft& aircraft = data.aircraft.emplace_back();
        aircraft.record = model.mix.record(slot);
        const AircraftRecord& record = model.database.record(aircraft.record);
        for (std::size_t v = 0; v < aircraft.values.size(); ++v)
            aircraft.values[v] = record.field(InputFileValueField(v));
    }
    ProjectInputs& project = data.project.emplace();
    for (const InputField field : kProjectFields)
        project.fields[static_cast<std::size_t>(field)] = model.field(field);
    project.layerMode = model.layerMode;
    project.bondNo = model.bondNo;
    return data;
}

bool SavesWhatWasRead(const InputFileData& saved, const InputFileData& read)
{
    if (saved.units != read.units || saved.E != read.E || saved.Sc != read.Sc || saved.k != read.k
        || saved.aircraft != read.aircraft)
        return false;
    if (!read.project)
        return true;
    const ProjectInputs none;
    const ProjectInputs& out = saved.project ? *saved.project : none;
    const ProjectInputs& in = *read.project;
    for (std::size_t f = 0; f < in.fields.size(); ++f)
        if (in.fields[f] && out.fields[f] != in.fields[f])
            return false;
    return (!in.layerMode || out.layerMode == in.layerMode)
        && (!in.bondNo || out.bondNo == in.bondNo);
}

std::filesystem::path SaveInputFile(
    const DesignModel& model, const std::filesystem::path& path, const SaveOptions& options)
{
    // The name as given must name a file: "", "." or "dir/" would get the extension as a name.
    CheckSaveName(path);
    std::filesystem::path target = WithInputFileExtension(path);
    std::string content;
    try {
        content = InputFileText(InputFileDataOf(model));
    } catch (const InputFileError& error) {
        throw InputFileError(
            "Cannot write \"" + target.string() + "\": " + error.what() + ".", target, 0);
    }
    WriteFileAtomically(target, content, options);
    return target;
}

Message InputFileFailureMessage(const std::exception& error)
{
    const std::string_view text = error.what();
    return { std::string(text), kMessageTitle, Buttons::Ok,
        text == kIncorrectInputFile ? Icon::None : Icon::Warning };
}

std::optional<InputFileLoaded> ReadDataFromFile(DesignModel& model,
    const std::filesystem::path& path, const std::filesystem::path& catalogue, Prompter& prompter)
{
    std::optional<InputFileLoaded> loaded;
    try {
        loaded = LoadInputFile(model, path, catalogue);
    } catch (const std::bad_alloc&) {
        prompter.ask(OutOfMemoryMessage("Read Data From File"));
    } catch (const InputFileError& error) {
        prompter.ask(InputFileFailureMessage(error));
    } catch (const CatalogueError& error) {
        prompter.ask(InputFileFailureMessage(error));
    } catch (const UnitSwitchRefused& error) {
        prompter.ask(InputFileFailureMessage(error));
    }
    if (loaded)
        prompter.ask(loaded->message);
    return loaded;
}

std::optional<std::filesystem::path> SaveInputData(
    const DesignModel& model, const std::filesystem::path& path, Prompter& prompter)
{
    std::optional<std::filesystem::path> saved;
    try {
        WriteAskingToReplaceReadOnly(
            [&](const SaveOptions& options) { saved = SaveInputFile(model, path, options); },
            WithInputFileExtension(path).string(), prompter);
    } catch (const InputFileError& error) {
        prompter.ask(InputFileFailureMessage(error));
    } catch (const FileError& error) {
        prompter.ask(InputFileFailureMessage(error));
    } catch (const std::bad_alloc&) {
        prompter.ask(OutOfMemoryMessage("Save Input Data"));
    }
    return saved;
}

Message SaveBeforeClosingQuestion()
{
    return { "Save Input Data before closi ng?", "Save Dialog", Buttons::YesNoCancel,
        Icon::Question };
}

Message SaveBeforeReadingQuestion()
{
    return { "Save Input Data before reading another file?", "Save Dialog", Buttons::YesNoCancel,
        Icon::Question };
}

bool ConfirmLeave(
    const Message& question, Prompter& prompter, const std::function<bool()>& saveInputData)
{
    switch (prompter.ask(question)) {
    case Answer::Yes:
        return saveInputData();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

} // namespace korvant
