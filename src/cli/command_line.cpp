// Option parsing and the batch design. The catalogue is read first. The other inputs are applied
// in a fixed order whatever the order of the options: unit system, field texts, mix, aircraft
// changes. An input data file (--inp) is read as the window reads one, between the inputs given
// before it and those given after it, so that these override the file. Then the structure (when
// --structure is given; else the file's or the one-layer system), the input data file written by
// --save, and the design with the same checks as the Design Thickness button, answered without
// asking. Last the output: the thickness, the report or the trace, and the evaluation of a slab;
// or a study of the design.
#include "cli/command_line.h"

#include <map>
#include <optional>
#include <stdexcept>

#include "cli/study_options.h"

#include "basics/program_info.h"
#include "design/design_trace.h"
#include "design/input_check.h"
#include "design/report.h"
#include "design/session_file.h"
#include "design/slab_evaluation.h"
#include "design/unit_switch.h"
#include "io/atomic_file.h"
#include "io/number_text.h"
#include "traffic/aircraft_database.h"

namespace korvant {
namespace {

constexpr int kExitUsage = 2;
constexpr int kExitStopped = 3;

const char* const kUsage = R"(Usage: korvant-cli [OPTIONS]

Designs the slab thickness of a rigid airfield pavement and prints the design thickness
(for example 15.2) or, with --report, the whole design report.

Options:
  --db FILE              aircraft catalogue (default: the bundled fly.dll), wherever given
  --inp FILE             read an input data file (.inp) as the window reads it: the catalogue
                         is read again, the mix emptied, and everything brought into the
                         file's unit system; then the file's E, Sc, k, mix and aircraft values
                         are taken. Options before --inp are applied first (the file replaces
                         what it holds); options after it override the file's values
  --save FILE            write the inputs and the mix as an input data file, after every other
                         option and before the design, so that it is written even when the
                         design then stops; a FILE without an extension gets ".inp"; an
                         existing file is replaced only when the new one was written whole
  --units english|metric unit system of every value given and shown (default english);
                         with metric the catalogue is converted as a switch to Metric does;
                         after --inp it switches what was read, as the window's menu does
  --structure one|bonded|unbonded
                         pavement structure (default: the structure of the --inp file's
                         project section, else one)
  --E TEXT               elastic modulus of concrete (psi | kPa)
  --Sc TEXT              concrete flexural strength (psi | kPa)
  --k TEXT               modulus of subgrade reaction (pci | kPa/mm)
  --E2 TEXT              elastic modulus of the bottom layer (psi | kPa)
  --h2 TEXT              thickness of the bottom layer (in | cm)
  --slab-length TEXT     slab length (ft | m)
  --slab-width TEXT      slab width (ft | m)
  --precipitation TEXT   annual mean precipitation (in | mm)
  --temperature TEXT     annual mean temperature ('F | 'C)
  --wind-speed TEXT      annual mean wind speed (mph | m/sec)
                         each TEXT as typed into the window's field; default: the
                         window's starting text (converted in metric)
  --mix R[,R...]         traffic mix as catalogue record numbers, in the order added;
                         a record given twice is added once
  --set R:FIELD=TEXT     change FIELD of record R (repeatable); FIELD is one of
                         grossWeight, annualDepartures, gearLoadPercent, tirePressure,
                         wheelCount, dualSpacing, tandemSpacing, tireContactWidth;
                         checked as the Change Data dialog checks it
  --report               print the whole report instead of the thickness
  --trace csv|json       print the calculation trace instead of the thickness: per aircraft
                         every value of the design at its thickness, and per bisection trial
                         the thickness, the total damage and the two bounds, in the units
                         the design works in (in, lb, psi, pci, 'F, mph). csv: a row per
                         aircraft, an empty line, the table of trials; json: one document
                         with the inputs, the units, the program version and both
  --evaluate THICKNESS   evaluate a given slab of THICKNESS (in | cm) with the design's
                         inputs: the damage ratio of every aircraft, the total damage and
                         the years of traffic until it reaches 1 (20 / total damage);
                         printed after the thickness or the report, or as part of the trace
  --sensitivity PCT      print the sensitivity study as CSV instead of the thickness: the
                         design with each of Sc, k, E, slab length and width, temperature,
                         precipitation, wind speed and the departures of the whole mix
                         lowered and raised by PCT % (0 to 90), sorted by the effect
  --reliability N        print the reliability study as CSV instead of the thickness: N
                         designs (1 to 1000000) with Sc, k, E and the departures drawn at
                         random, and the thickness at 50, 85, 90, 95 and 99 % reliability
  --seed S               the seed of the draws (default 1); the same seed gives the same
                         samples on every run
  --spread NAME=KIND:PCT distribution of Sc, k, E or departures: normal, lognormal or
                         uniform with a coefficient of variation of PCT % (defaults
                         Sc=normal:10, k=lognormal:25, E=normal:10, departures=normal:15)
  --threads N            designs of a study run on N threads (default: one per core)
  --samples FILE         with --reliability, write every sample with its drawn values and
                         thickness to FILE as CSV
  --version              print the version and exit
  --help                 print this text and exit

The checks of the Design Thickness button run first. An invalid number prints its message to
standard error and exits with status 2; a value outside its typical range prints the question
to standard error as a warning and is kept. A design stopped outside a model's domain prints
its message and exits with status 3; so does a slab to evaluate outside a model's domain. Bad
usage, a thickness to evaluate that is not a number greater than 0, and a field that holds no
number when the units must be converted, exit with status 2. A catalogue or input data file that cannot be read or is
damaged, and a --save file that cannot be written, print their message (naming the file and,
where one applies, the line) and exit with status 3.
)";

class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Answers every question No and reports on the error stream, as a batch run cannot ask.
class BatchPrompter : public Prompter
{
public:
    explicit BatchPrompter(std::ostream& err)
        : err_(err)
    {
    }
    Answer ask(const Message& message) override
    {
        switch (message.buttons) {
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            err_ << "korvant-cli: warning: " << message.text << '\n';
            return Answer::No;
        case Buttons::CancelTryAgainContinue:
            err_ << "korvant-cli: " << message.text << '\n';
            return Answer::Cancel;
        case Buttons::Ok:
            // The keep message only repeats the warning just printed.
            if (message.title != kMessageTitle)
                err_ << "korvant-cli: " << message.text << '\n';
            return Answer::Ok;
        }
        return Answer::Ok;
    }

private:
    std::ostream& err_;
};

struct Change
{
    int record = 0;
    AircraftField field = AircraftField::grossWeight;
    std::string text;
};

// Inputs applied together, in the fixed order units, fields, mix, changes.
struct Stage
{
    std::optional<UnitSystem> units;
    std::map<InputField, std::string> fields;
    std::optional<std::vector<int>> mix;
    std::vector<Change> changes;
};

struct Options
{
    std::optional<std::string> db;
    std::optional<std::string> inp;
    std::optional<std::string> save;
    Stage before; // the inputs given before --inp (all of them without it)
    Stage after; // the inputs given after --inp
    std::optional<std::int16_t> layerMode; // from --structure
    bool bondNo = true;
    bool report = false;
    std::optional<std::string> trace; // "csv" or "json"
    std::optional<std::string> evaluate; // the slab thickness as given
    StudyRequest study;
    bool help = false;
    bool version = false;
};

const std::map<std::string, InputField>& FieldOptions()
{
    static const std::map<std::string, InputField> options = {
        { "--E", InputField::E },
        { "--Sc", InputField::Sc },
        { "--k", InputField::k },
        { "--E2", InputField::E2 },
        { "--h2", InputField::h2 },
        { "--slab-length", InputField::SlabLength },
        { "--slab-width", InputField::SlabWidth },
        { "--precipitation", InputField::Precipitation },
        { "--temperature", InputField::Temperature },
        { "--wind-speed", InputField::WindSpeed },
    };
    return options;
}

int RecordNumber(const std::string& text, const std::string& option)
{
    const bool digits = !text.empty() && text.size() <= 3
        && text.find_first_not_of("0123456789") == std::string::npos;
    const int number = digits ? std::stoi(text) : 0;
    if (number < 1 || number > AircraftDatabase::kMaxRecords)
        throw UsageError(option + ": \"" + text + "\" is not a record number from 1 to 65");
    return number;
}

std::vector<int> ParseMix(const std::string& list)
{
    std::vector<int> records;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        records.push_back(RecordNumber(list.substr(start, comma - start), "--mix"));
        if (comma == std::string::npos)
            return records;
        start = comma + 1;
    }
}

Change ParseChange(const std::string& text)
{
    const std::size_t colon = text.find(':');
    const std::size_t equals = text.find('=');
    if (colon == std::string::npos || equals == std::string::npos || equals < colon)
        throw UsageError("--set: expected R:FIELD=TEXT, got \"" + text + "\"");
    Change change;
    change.record = RecordNumber(text.substr(0, colon), "--set");
    const std::string name = text.substr(colon + 1, equals - colon - 1);
    const std::optional<AircraftField> field = AircraftFieldOfKey(name);
    if (!field || *field == AircraftField::name)
        throw UsageError("--set: unknown field \"" + name + "\"");
    change.field = *field;
    change.text = text.substr(equals + 1);
    return change;
}

Options ParseOptions(const std::vector<std::string>& args)
{
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const std::size_t equals = name.find('=');
            name.rfind("--", 0) == 0 && equals != std::string::npos) {
            inlineValue = name.substr(equals + 1);
            name.resize(equals);
        }
        auto value = [&]() -> std::string {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= args.size())
                throw UsageError(name + " needs a value");
            return args[++i];
        };
        Stage& stage = options.inp ? options.after : options.before;
        if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (name == "--version") {
            options.version = true;
        } else if (name == "--report") {
            options.report = true;
        } else if (name == "--trace") {
            const std::string format = value();
            if (format != "csv" && format != "json")
                throw UsageError("--trace: expected csv or json, got \"" + format + "\"");
            options.trace = format;
        } else if (name == "--evaluate") {
            options.evaluate = value();
        } else if (name == "--db") {
            options.db = value();
        } else if (name == "--inp") {
            if (options.inp)
                throw UsageError("--inp can be given only once");
            options.inp = value();
        } else if (name == "--save") {
            if (options.save)
                throw UsageError("--save can be given only once");
            options.save = value();
        } else if (name == "--units") {
            const std::string units = value();
            if (units != "english" && units != "metric")
                throw UsageError("--units: expected english or metric, got \"" + units + "\"");
            stage.units = units == "metric" ? UnitSystem::Metric : UnitSystem::English;
        } else if (name == "--structure") {
            const std::string structure = value();
            if (structure == "one") {
                options.layerMode = kOneLayer;
            } else if (structure == "bonded") {
                options.layerMode = kTwoLayerBonded;
                options.bondNo = false;
            } else if (structure == "unbonded") {
                options.layerMode = kTwoLayerUnbonded;
                options.bondNo = true;
            } else {
                throw UsageError(
                    "--structure: expected one, bonded or unbonded, got \"" + structure + "\"");
            }
        } else if (name == "--mix") {
            stage.mix = ParseMix(value());
        } else if (name == "--set") {
            stage.changes.push_back(ParseChange(value()));
        } else if (ParseStudyOption(name, value, options.study)) {
        } else if (const auto field = FieldOptions().find(name); field != FieldOptions().end()) {
            stage.fields[field->second] = value();
        } else {
            throw UsageError("unknown option \"" + args[i] + "\"");
        }
    }
    if (options.report + options.trace.has_value() + options.study.any() > 1)
        throw UsageError(
            "--report, --trace and the studies print different documents; give one of them");
    CheckStudyRequest(options.study);
    return options;
}

std::filesystem::path CataloguePath(const Options& options)
{
    if (options.db)
        return *options.db;
    return FindCatalogue(CatalogueCandidates(ExecutableDir()));
}

// Applies one stage of inputs; false when an aircraft change was refused (already reported).
// A unit switch over a field without a number throws UnitSwitchRefused.
bool ApplyStage(const Stage& stage, DesignModel& model, Prompter& prompter)
{
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
        if (!ChangeAircraftValue(
                model.database.record(change.record), change.field, change.text, prompter)
                 .stored)
            return false;
    }
    return true;
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Options options;
    try {
        options = ParseOptions(args);
    } catch (const std::invalid_argument& error) {
        err << "korvant-cli: " << error.what() << "\nTry 'korvant-cli --help'.\n";
        return kExitUsage;
    } catch (const UsageError& error) {
        err << "korvant-cli: " << error.what() << "\nTry 'korvant-cli --help'.\n";
        return kExitUsage;
    }
    if (options.help) {
        out << kUsage;
        return 0;
    }
    if (options.version) {
        out << "korvant-cli " << kVersion << '\n';
        return 0;
    }

    DesignModel model;
    const std::filesystem::path catalogue = CataloguePath(options);
    try {
        const std::string note = ReadAircraftData(catalogue, model.database);
        if (!note.empty())
            err << "korvant-cli: " << note << '\n';
    } catch (const CatalogueError& error) {
        err << "korvant-cli: " << error.what() << '\n';
        return kExitStopped;
    }

    BatchPrompter prompter(err);
    try {
        if (!ApplyStage(options.before, model, prompter))
            return kExitUsage;
        if (options.inp) {
            LoadInputFile(model, *options.inp, catalogue);
            if (!ApplyStage(options.after, model, prompter))
                return kExitUsage;
        }
    } catch (const UnitSwitchRefused& refused) {
        err << "korvant-cli: " << refused.what() << '\n';
        return kExitUsage;
    } catch (const InputFileError& error) {
        err << "korvant-cli: " << error.what() << '\n';
        return kExitStopped;
    } catch (const CatalogueError& error) {
        err << "korvant-cli: " << error.what() << '\n';
        return kExitStopped;
    }
    if (options.layerMode) {
        model.layerMode = *options.layerMode;
        model.bondNo = options.bondNo;
    }
    // The slab to evaluate is a number in the session's units; it is checked before the design.
    if (options.evaluate) {
        try {
            SlabThicknessOfText(*options.evaluate, model.units);
        } catch (const EvaluationRefused& refused) {
            err << "korvant-cli: --evaluate: " << refused.what() << '\n';
            return kExitUsage;
        }
    }

    if (options.save) {
        try {
            SaveInputFile(model, *options.save);
        } catch (const InputFileError& error) {
            err << "korvant-cli: " << error.what() << '\n';
            return kExitStopped;
        } catch (const FileError& error) {
            err << "korvant-cli: " << error.what() << '\n';
            return kExitStopped;
        }
    }

    switch (DesignThickness(model, prompter)) {
    case DesignOutcome::InvalidInput:
        return kExitUsage;
    case DesignOutcome::Stopped:
        return kExitStopped;
    case DesignOutcome::Designed:
        break;
    }
    std::optional<SlabEvaluation> evaluation;
    if (options.evaluate) {
        try {
            evaluation = EvaluateSlabText(model.result.trace.basis, *options.evaluate, model.units);
        } catch (const DesignStopped& stopped) {
            err << "korvant-cli: " << stopped.what() << '\n';
            return kExitStopped;
        }
    }
    if (options.study.any())
        return RunStudy(options.study, model, out, err);
    const SlabEvaluation* evaluated = evaluation ? &*evaluation : nullptr;
    if (options.trace == "csv") {
        out << TraceCsv(model.result.trace, evaluated);
        return 0;
    }
    if (options.trace == "json") {
        out << TraceJson(model, evaluated);
        return 0;
    }
    if (options.report)
        out << ReportText(model);
    else
        out << model.lbh << '\n';
    if (evaluated)
        out << (options.report ? "\n" : "") << EvaluationText(model.result.trace.basis, *evaluated);
    return 0;
}

} // namespace korvant
