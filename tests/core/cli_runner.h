// korvant-cli run in-process over the small test catalogue: the arguments are written as on a
// shell line (blanks separate them, single quotes keep blanks), and the exit status and both
// output streams are kept.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"

namespace korvant::testing {

struct CliRun
{
    int status = -1;
    std::string out;
    std::string err;
};

inline std::vector<std::string> ShellWords(std::string_view line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (const char c : line) {
        if (c == '\'') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

// `input` is what standard input holds.
inline CliRun RunCli(const std::string& arguments, const std::string& input = {})
{
    std::vector<std::string> args { "--db", KORVANT_TEST_DATA_DIR "/design/mix.dll" };
    for (std::string& word : ShellWords(arguments))
        args.push_back(std::move(word));
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = RunCommandLine(args, in, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace korvant::testing
