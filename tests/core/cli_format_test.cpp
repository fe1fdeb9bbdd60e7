// korvant-cli's forms of output and its shell conventions: --format json for every document,
// valid JSON with its head and the status of the run, also when the run stops; --list-aircraft in
// the session's units; --inp - from standard input; --help within 80 columns with the exit
// statuses that the JSON documents carry.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "basics/program_info.h"
#include "cli/batch_prompter.h"
#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli_runner.h"
#include "design/catalogue_table.h"
#include "design/design_json.h"
#include "design/thickness_design.h"
#include "design/unit_switch.h"
#include "design_fixture.h"
#include "io/input_file.h"

namespace korvant {
namespace {

using testing::RunCli;

// A strict check of JSON's grammar (RFC 8259): true when the whole text is one value.
class JsonCheck
{
public:
    explicit JsonCheck(std::string_view text)
        : text_(text)
    {
    }
    bool whole() { return value() && (blanks(), at_ == text_.size()); }

private:
    void blanks()
    {
        while (at_ < text_.size()
            && std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos)
            ++at_;
    }
    bool take(char c)
    {
        blanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool word(std::string_view w)
    {
        if (text_.substr(at_, w.size()) != w)
            return false;
        at_ += w.size();
        return true;
    }
    bool digits()
    {
        const std::size_t start = at_;
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])))
            ++at_;
        return at_ > start;
    }
    bool number()
    {
        take('-');
        if (!(take('0') || digits()))
            return false;
        if (take('.') && !digits())
            return false;
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            ++at_;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-'))
                ++at_;
            return digits();
        }
        return true;
    }
    bool string()
    {
        if (!take('"'))
            return false;
        while (at_ < text_.size() && text_[at_] != '"') {
            if (static_cast<unsigned char>(text_[at_]) < 0x20)
                return false;
            at_ += text_[at_] == '\\' ? 2u : 1u;
        }
        return take('"');
    }
    template <class Element> bool list(char close, Element element)
    {
        if (take(close))
            return true;
        do
            if (!element())
                return false;
        while (take(','));
        return take(close);
    }
    bool value()
    {
        blanks();
        if (take('{'))
            return list('}', [&] { return string() && take(':') && value(); });
        if (take('['))
            return list(']', [&] { return value(); });
        if (at_ < text_.size() && text_[at_] == '"')
            return string();
        return word("true") || word("false") || word("null") || number();
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

bool Holds(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(CommandLineOutput, EveryDocumentIsJsonWithItsHeadAndStatus)
{
    const struct
    {
        const char* arguments;
        const char* document;
        int status;
    } runs[] = {
        { "--mix 2,4", "design", 0 },
        { "--mix 2,4 --evaluate 14 --units metric", "design", 0 },
        { "--mix 2,4 --trace json", "trace", 0 },
        { "--mix 2,4 --sensitivity 10 --threads 2", "sensitivity", 0 },
        { "--mix 2,4 --reliability 20 --seed 3", "reliability", 0 },
        { "--list-aircraft --units metric", "aircraft", 0 },
        { "--acr=1,2", "acr", 0 },
        { "--mix 2,4 --pcr", "pcr", 0 },
        // Runs that stop print the head, the status and their messages instead.
        { "--mix 2 --k 0", "design", 3 },
        { "--mix 2 --Sc abc", "design", 2 },
        { "--mix 2 --pcr --set 2:annualDepartures=0", "pcr", 3 },
        { "--inp /nonexistent/design.inp --list-aircraft", "aircraft", 3 },
        { "--mix 4 --k 50 --Sc 400 --set 4:annualDepartures=1e9", "design", 4 },
    };
    for (const auto& run : runs) {
        const std::string arguments = std::string(run.arguments) + " --format json";
        const testing::CliRun cli = RunCli(arguments);
        EXPECT_EQ(cli.status, run.status) << arguments << '\n' << cli.err;
        EXPECT_TRUE(JsonCheck(cli.out).whole()) << arguments << '\n' << cli.out;
        for (const std::string& part : { std::string("\"program\": \"KORVANT\""),
                 std::string("\"document\": \"") + run.document + "\"",
                 "\"code\": " + std::to_string(run.status),
                 std::string("\"meaning\": \"") + ExitMeaning(run.status) + "\"",
                 std::string("\"units\": \"")
                     + (Holds(arguments, "metric") ? "Metric" : "English") })
            EXPECT_TRUE(Holds(cli.out, part)) << arguments << ": no " << part << '\n' << cli.out;
        EXPECT_EQ(Holds(cli.out, "\"messages\""), run.status != 0 && run.status != 4) << arguments;
    }
    // The messages of a run that stopped are those of standard error.
    const testing::CliRun stopped = RunCli("--mix 2 --k 0 --format json");
    EXPECT_TRUE(
        Holds(stopped.out, "\"The modulus of subgrade reaction k must be greater than 0.\""))
        << stopped.out;
    // Without --format json such a run prints nothing, and bad usage no document at all.
    EXPECT_EQ(RunCli("--mix 2 --k 0").out, "");
    EXPECT_EQ(RunCli("--mix 2 --format json --units imperial").out, "");
}

TEST(CommandLineOutput, DesignDocumentIsTheCores)
{
    DesignModel model = testing::TestSession({ 2, 4 });
    RunDesign(model);
    EXPECT_EQ(RunCli("--mix 2,4 --format json").out, DesignJson(model, nullptr, StatusOf(0)));
    EXPECT_EQ(RunCli("--mix 2,4 --format csv").out, model.lbh + "\n");
}

TEST(CommandLineOutput, CatalogueListInTheSessionsUnits)
{
    DesignModel model = testing::TestSession();
    const testing::CliRun english = RunCli("--list-aircraft");
    EXPECT_EQ(english.status, 0) << english.err;
    EXPECT_EQ(english.out, CatalogueCsv(model.database, UnitSystem::English));
    EXPECT_EQ(english.out.substr(0, english.out.find('\r')),
        "Record,Aircraft,Gross weight (lb),Annual departures,Gear load percent,Tire pressure (psi),"
        "Wheel count,Dual spacing (in.),Tandem spacing (in.),Tire contact width (in.)");
    EXPECT_TRUE(Holds(english.out, "\r\n2,B737-800,174700,1200,46.78,205,2,34,0,11.72\r\n"));

    SwitchToMetric(model);
    model.database.record(3).field(AircraftField::annualDepartures) = "450";
    const testing::CliRun metric
        = RunCli("--units metric --set 3:annualDepartures=450 --list-aircraft");
    EXPECT_EQ(metric.out, CatalogueCsv(model.database, UnitSystem::Metric));
    EXPECT_TRUE(Holds(metric.out, "Gross weight (kN)")) << metric.out;

    const std::string json = RunCli("--list-aircraft --format json").out;
    EXPECT_TRUE(Holds(json, "\"grossWeight\": \"lb\"")) << json;
    EXPECT_TRUE(Holds(json, "\"name\": \"B737-800\",\n      \"grossWeight\": 174700,")) << json;
}

TEST(CommandLineOutput, InputDataFileFromStandardInput)
{
    const std::string path = KORVANT_TEST_DATA_DIR "/inp/metric.inp";
    std::ifstream file(path, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(file)), {});
    for (const char* output : { "", " --report", " --trace csv", " --list-aircraft" }) {
        const testing::CliRun fromFile = RunCli("--inp " + path + output);
        const testing::CliRun fromInput = RunCli(std::string("--inp -") + output, content);
        EXPECT_EQ(fromInput.status, 0) << output << fromInput.err;
        EXPECT_EQ(fromInput.out, fromFile.out) << output;
    }
    // Options after it override what it holds, as after a file.
    EXPECT_EQ(RunCli("--inp - --mix 2", content).out, RunCli("--inp " + path + " --mix 2").out);

    const std::pair<std::string, const char*> refused[] = {
        { "", "standard input, line 1" },
        { content.substr(0, content.size() / 2), "standard input" },
        { std::string(kMaxInputFileBytes + 1, 'x'), "larger than" },
    };
    for (const auto& [input, message] : refused) {
        const testing::CliRun run = RunCli("--inp -", input);
        EXPECT_EQ(run.status, 3) << input.size();
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(Holds(run.err, message)) << run.err;
    }
}

// A range warning is printed once, without the keep message that repeats it; every other message,
// whatever its title, is printed.
TEST(CommandLineOutput, MessagesOnStandardError)
{
    const testing::CliRun run = RunCli("--mix 2 --Sc 1100");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Holds(run.err, "korvant-cli: warning: Sc is not within")) << run.err;
    EXPECT_FALSE(Holds(run.err, "Keep the")) << run.err;

    std::ostringstream err;
    BatchPrompter prompter(err);
    EXPECT_EQ(prompter.ask({ "Incorrect Input File!", kMessageTitle }), Answer::Ok);
    EXPECT_EQ(err.str(), "korvant-cli: Incorrect Input File!\n");
}

TEST(CommandLineOutput, FormsThatDoNotGoTogether)
{
    for (const char* arguments : {
             "--mix 2 --format xml",
             "--mix 2 --format",
             "--mix 2 --report --format csv",
             "--mix 2 --trace csv --format json",
             "--list-aircraft --acr",
             "--list-aircraft --mix 2 --evaluate 14",
             "--list-aircraft --sensitivity 10",
         }) {
        const testing::CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_TRUE(Holds(run.err, "Try 'korvant-cli --help'")) << arguments << run.err;
    }
}

// A stream buffer that refuses every character, as a closed pipe does.
class RefusingBuffer : public std::streambuf
{
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(CommandLineOutput, JsonThatCannotBeWrittenLeavesTheStreamFailed)
{
    RefusingBuffer refusing;
    std::ostream out(&refusing);
    std::istringstream in;
    std::ostringstream err;
    RunCommandLine(
        { "--db", KORVANT_TEST_DATA_DIR "/design/mix.dll", "--mix", "2", "--format", "json" }, in,
        out, err);
    EXPECT_TRUE(out.bad());
}

TEST(CommandLineOutput, HelpFitsEightyColumnsAndGivesTheStatusesMeanings)
{
    const testing::CliRun help = RunCli("--help");
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 80u) << line;
    // The table of exit statuses, its lines joined, says what the JSON documents carry.
    std::string joined;
    for (const char c : help.out.substr(help.out.find("Exit status:")))
        if (!std::isspace(static_cast<unsigned char>(c))
            || (!joined.empty() && joined.back() != ' '))
            joined += std::isspace(static_cast<unsigned char>(c)) ? ' ' : c;
    for (const int status : { kExitDesigned, kExitUsage, kExitStopped, kExitBeyondSearch })
        EXPECT_TRUE(Holds(joined, std::to_string(status) + " " + ExitMeaning(status))) << status;
    for (const char* option : { "--format csv|json", "--list-aircraft", "FILE - reads" })
        EXPECT_TRUE(Holds(help.out, option)) << option;
}

} // namespace
} // namespace korvant
