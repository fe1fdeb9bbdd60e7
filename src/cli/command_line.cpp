// Option parsing and the batch design. The catalogue is read first. The other inputs are applied
// in a fixed order whatever the order of the options: unit system, field texts, mix, aircraft
// changes. An input data file (--inp) is read as the window reads one, between the inputs given
// before it and those given after it, so that these override the file. Then the structure (when
// --structure is given; else the file's or the one-layer system), the input data file written by
// --save, and the design with the same checks as the Design Thickness button, answered without
// asking. Last the output: the thickness, the report or the trace, and the evaluation of a slab;
// or a study of the design. With --list-aircraft or --acr the catalogue or its ACR table is
// printed instead, after the inputs and --save, and no design runs. With JSON output a run that
// stops before it printed its document prints one with its status and messages instead.
#include "cli/command_line.h"

#include <exception>
#include <istream>
#include <optional>
#include <sstream>

#include "basics/program_info.h"
#include "cli/acr_run.h"
#include "cli/batch_prompter.h"
#include "cli/design_run.h"
#include "cli/exit_status.h"
#include "cli/options.h"
#include "cli/pcr_run.h"
#include "cli/stream_copy.h"
#include "cli/study_options.h"
#include "cli/usage.h"
#include "cli/usage_error.h"
#include "design/catalogue_table.h"
#include "design/design_json.h"
#include "design/design_trace.h"
#include "design/input_check.h"
#include "design/report.h"
#include "design/session_file.h"
#include "design/slab_evaluation.h"
#include "design/thickness_design.h"
#include "design/unit_switch.h"
#include "io/atomic_file.h"
#include "traffic/aircraft_database.h"

namespace korvant {
namespace {

std::filesystem::path CataloguePath(const Options& options)
{
    if (options.db)
        return *options.db;
    return FindCatalogue(CatalogueCandidates(ExecutableDir()));
}

// Applies one stage of inputs; false when an aircraft change was refused (reported by the
// prompter, then named here). A record that the catalogue does not hold throws UsageError before
// anything is applied; a unit switch over a field without a number throws UnitSwitchRefused.
bool ApplyStage(const Stage& stage, DesignModel& model, Prompter& prompter, std::ostream& err)
{
    if (stage.mix)
        for (int record : *stage.mix)
            CheckCatalogueRecord("--mix", record, model.database);
    for (const Change& change : stage.changes)
        CheckCatalogueRecord("--set", change.record, model.database);
    if (stage.units)
        SwitchUnits(model, *stage.units);
    for (const auto& [field, text] : stage.fields)
        model.field(field) = text;
    if (stage.mix) {
        model.mix.clear();
        for (int record : *stage.mix)
            model.mix.add(record);
    }
    for (const Change& change : stage.changes) {
        AircraftRecord& record = model.database.record(change.record);
        if (!ChangeAircraftValue(record, change.field, change.text, prompter).stored) {
            err << "korvant-cli: --set " << change.record << ':'
                << AircraftFieldInfoOf(change.field).key << '=' << change.text
                << ": not stored; the " << AircraftFieldInfoOf(change.field).word
                << " of aircraft record " << change.record << " (" << record.name
                << ") must be a number of at least 0.\n";
            return false;
        }
    }
    return true;
}

// Standard input as the text of an input data file, read no further than the largest file.
std::string ReadStandardInput(std::istream& in)
{
    std::string content(kMaxInputFileBytes + 1, '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        throw InputFileError("Cannot read the input data file from standard input", "-", 0);
    if (content.size() > kMaxInputFileBytes)
        throw InputFileError("Cannot read the input data file from standard input: it is larger "
                             "than "
                + std::to_string(kMaxInputFileBytes) + " bytes",
            "-", 0);
    return content;
}

// What the run prints, as the "document" member of its JSON names it.
const char* DocumentKind(const Options& options)
{
    if (options.listAircraft)
        return "aircraft";
    if (options.acr)
        return "acr";
    if (options.pcr)
        return "pcr";
    if (options.study.sensitivityPercent)
        return "sensitivity";
    if (options.study.reliability)
        return "reliability";
    if (options.trace)
        return "trace";
    return "design";
}

// The lines written to standard error, without the program's name before them.
std::vector<std::string> MessageLines(const std::string& written)
{
    std::vector<std::string> lines;
    std::istringstream stream(written);
    const std::string prefix = "korvant-cli: ";
    for (std::string line; std::getline(stream, line);)
        if (!line.empty())
            lines.push_back(line.rfind(prefix, 0) == 0 ? line.substr(prefix.size()) : line);
    return lines;
}

int RunOptions(const Options& options, DesignModel& model, std::istream& in, std::ostream& out,
    std::ostream& err);

int RunArguments(
    const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    Options options;
    try {
        options = ParseOptions(args);
    } catch (const UsageError& error) {
        err << UsageErrorText(error);
        return kExitUsage;
    }
    if (options.help) {
        out << kUsage;
        return kExitDesigned;
    }
    if (options.version) {
        out << "korvant-cli " << kVersion << '\n';
        return kExitDesigned;
    }
    DesignModel model;
    if (options.output() != OutputFormat::Json)
        return RunOptions(options, model, in, out, err);

    // A script that reads the JSON gets a document whatever happens: one that stopped before it
    // printed its own prints its status and the messages of standard error instead.
    CopyingBuffer printed(out.rdbuf(), false);
    CopyingBuffer messages(err.rdbuf(), true);
    std::ostream jsonOut(&printed);
    std::ostream jsonErr(&messages);
    jsonErr.flags(err.flags()); // each message at once, where standard error writes so
    const int status = RunOptions(options, model, in, jsonOut, jsonErr);
    if (status != kExitDesigned && printed.count() == 0)
        jsonOut << StoppedJson(
            DocumentKind(options), StatusOf(status), model.units, MessageLines(messages.copy()));
    jsonOut.flush();
    if (!jsonOut)
        out.setstate(std::ios::badbit);
    return status;
}

// The run's steps in order; a step that cannot go on throws, and RunOptions reports it.
int RunSteps(const Options& options, DesignModel& model, std::istream& in, std::ostream& out,
    std::ostream& err)
{
    const bool json = options.output() == OutputFormat::Json;
    const std::filesystem::path catalogue = CataloguePath(options);
    if (const std::string note = ReadAircraftData(catalogue, model.database); !note.empty())
        err << "korvant-cli: " << note << '\n';

    BatchPrompter prompter(err);
    if (!ApplyStage(options.before, model, prompter, err))
        return kExitUsage;
    if (options.inp) {
        if (*options.inp == kStandardInputName)
            LoadInputText(model, ReadStandardInput(in), "standard input", catalogue);
        else
            LoadInputFile(model, *options.inp, catalogue);
        if (!ApplyStage(options.after, model, prompter, err))
            return kExitUsage;
    }
    const std::vector<int> acrRecords
        = options.acr ? AcrRecords(*options.acr, model.database) : std::vector<int> {};
    if (options.layerMode) {
        model.layerMode = *options.layerMode;
        model.bondNo = options.bondNo;
    }
    // The slab to evaluate is a number in the session's units; it is checked before the design.
    if (options.evaluate)
        SlabThicknessOfText(*options.evaluate, model.units);
    if (options.save)
        SaveInputFile(model, *options.save);

    if (options.listAircraft) {
        out << (json ? CatalogueJson(model.database, model.units, StatusOf(kExitDesigned))
                     : CatalogueCsv(model.database, model.units));
        return kExitDesigned;
    }
    if (options.acr)
        return RunAcrTable(
            acrRecords, options.study.settings.threads, model, options.output(), out, err);
    if (options.pcr)
        return RunPcr(model, *options.pcr, options.category, prompter, options.output(), out, err);

    const int designed = DesignWithNotes(model, prompter, err);
    if (designed == kExitUsage || designed == kExitStopped)
        return designed;
    std::optional<SlabEvaluation> evaluation;
    if (options.evaluate)
        evaluation = EvaluateSlabText(model.result.trace.basis, *options.evaluate, model.units);
    if (options.study.any())
        return RunStudy(options.study, model, json, out, err);
    const SlabEvaluation* evaluated = evaluation ? &*evaluation : nullptr;
    if (options.trace == "csv") {
        out << TraceCsv(model.result.trace, evaluated);
        return designed;
    }
    if (options.trace == "json") {
        out << TraceJson(model, evaluated, StatusOf(designed));
        return designed;
    }
    if (json) {
        out << DesignJson(model, evaluated, StatusOf(designed));
        return designed;
    }
    if (options.report)
        out << ReportText(model);
    else
        out << model.lbh << '\n';
    if (evaluated)
        out << (options.report ? "\n" : "") << EvaluationText(model.result.trace.basis, *evaluated);
    return designed;
}

// A run stopped by a file, the catalogue or the design: its message, exit 3.
int Stopped(std::ostream& err, const std::exception& error)
{
    err << "korvant-cli: " << error.what() << '\n';
    return kExitStopped;
}

int RunOptions(const Options& options, DesignModel& model, std::istream& in, std::ostream& out,
    std::ostream& err)
{
    try {
        return RunSteps(options, model, in, out, err);
    } catch (const UsageError& error) {
        err << UsageErrorText(error);
        return kExitUsage;
    } catch (const UnitSwitchRefused& refused) {
        err << "korvant-cli: " << refused.what() << '\n';
        return kExitUsage;
    } catch (const EvaluationRefused& refused) {
        err << "korvant-cli: --evaluate: " << refused.what() << '\n';
        return kExitUsage;
    } catch (const CatalogueError& error) {
        return Stopped(err, error);
    } catch (const InputFileError& error) {
        return Stopped(err, error);
    } catch (const FileError& error) {
        return Stopped(err, error);
    } catch (const DesignStopped& stopped) {
        return Stopped(err, stopped);
    }
}

} // namespace

int RunCommandLine(
    const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    const int status = RunArguments(args, in, out, err);
    // Output that could not be written is no success; whoever owns the stream says why.
    out.flush();
    return out ? status : kExitStopped;
}

} // namespace korvant
