// Parsing korvant-cli's options: each input goes into the stage before or after --inp, and
// options that print different documents are refused together.
#include "cli/options.h"

#include <algorithm>

namespace korvant {
namespace {

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
    return WholeNumber(option, text, 1, AircraftDatabase::kMaxRecords, "a record number");
}

std::vector<int> ParseRecords(const std::string& list, const std::string& option)
{
    std::vector<int> records;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        records.push_back(RecordNumber(list.substr(start, comma - start), option));
        if (comma == std::string::npos)
            return records;
        start = comma + 1;
    }
}

// The records of --acr=R[,R...], each once in the order first given.
std::vector<int> ParseAcrRecords(const std::string& list)
{
    std::vector<int> records;
    for (int record : ParseRecords(list, "--acr"))
        if (std::find(records.begin(), records.end(), record) == records.end())
            records.push_back(record);
    return records;
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

} // namespace

void CheckCatalogueRecord(const std::string& option, int record, const AircraftDatabase& database)
{
    if (record > database.recordCount)
        throw UsageError(option + ": record " + std::to_string(record)
            + " is not in the catalogue, which holds "
            + (database.recordCount == 0 ? std::string("no aircraft")
                                         : "records 1 to " + std::to_string(database.recordCount)));
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
        } else if (name == "--format") {
            const std::string format = value();
            if (format != "csv" && format != "json")
                throw UsageError("--format: expected csv or json, got \"" + format + "\"");
            options.format = format == "json" ? OutputFormat::Json : OutputFormat::Csv;
        } else if (name == "--list-aircraft") {
            options.listAircraft = true;
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
            stage.mix = ParseRecords(value(), "--mix");
        } else if (name == "--acr") {
            // Its records follow an equals sign only: a word after a bare --acr is an option.
            options.acr = inlineValue ? ParseAcrRecords(*inlineValue) : std::vector<int> {};
        } else if (name == "--pcr") {
            // Its thickness follows an equals sign only: a word after a bare --pcr is an option.
            options.pcr = inlineValue;
        } else if (name == "--category") {
            const std::string letter = value();
            if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'D')
                throw UsageError("--category: expected A, B, C or D, got \"" + letter + "\"");
            options.category = static_cast<SubgradeCategory>(letter[0] - 'A');
        } else if (name == "--set") {
            stage.changes.push_back(ParseChange(value()));
        } else if (ParseStudyOption(name, value, options.study)) {
        } else if (const auto field = FieldOptions().find(name); field != FieldOptions().end()) {
            stage.fields[field->second] = value();
        } else if (i > 0 && args[i - 1] == "--acr" && name.rfind('-', 0) != 0) {
            throw UsageError("--acr takes its records after an equals sign: --acr=" + args[i]);
        } else if (i > 0 && args[i - 1] == "--pcr" && name.rfind('-', 0) != 0) {
            throw UsageError("--pcr takes its thickness after an equals sign: --pcr=" + args[i]);
        } else {
            throw UsageError("unknown option \"" + args[i] + "\"");
        }
    }
    if (options.report + options.trace.has_value() + options.study.any() > 1)
        throw UsageError(
            "--report, --trace and the studies print different documents; give one of them");
    if (options.acr && (options.report || options.trace || options.evaluate || options.study.any()))
        throw UsageError("--acr prints the ACR table and runs no design; it does not go with "
                         "--report, --trace, --evaluate, --sensitivity or --reliability");
    if (options.pcr
        && (options.report || options.trace || options.evaluate || options.study.any()
            || options.acr))
        throw UsageError("--pcr prints the PCR of a slab; it does not go with --report, --trace, "
                         "--evaluate, --acr, --sensitivity or --reliability");
    if (options.listAircraft
        && (options.report || options.trace || options.evaluate || options.study.any()
            || options.acr || options.pcr))
        throw UsageError("--list-aircraft prints the catalogue and runs no design; it does not go "
                         "with --report, --trace, --evaluate, --acr, --pcr, --sensitivity or "
                         "--reliability");
    if (options.report && options.format)
        throw UsageError("--report prints the fixed-layout report, which has no other form; "
                         "--format does not go with it");
    if (options.trace && options.format && options.output() != *options.format)
        throw UsageError("--trace " + *options.trace
            + " and --format ask for different forms; give one of them");
    if (options.category && !options.pcr)
        throw UsageError("--category chooses the subgrade category of --pcr");
    CheckStudyRequest(options.study);
    return options;
}

} // namespace korvant
