// korvant-cli's outputs and files as a process sees them: output that cannot be written (a full
// device, a file-size limit) exits 3 with a message, a closed pipe ends the program quietly by
// SIGPIPE, and in-process: names of folders, FIFOs and write-protected files exit 3 with the
// file left as it was.
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli_runner.h"
#include "io/atomic_file.h"
#include "temp_folder.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;

struct Process
{
    int status = -1; // the exit status, -1 when a signal ended it
    int signal = 0;
    std::string err;
};

// Runs the korvant-cli executable over the test catalogue; `setUp` runs in the child before the
// program starts (to redirect its standard output or limit it), with SIGPIPE and SIGXFSZ at
// their defaults.
Process RunProcess(const std::string& arguments, const std::function<void()>& setUp)
{
    std::vector<std::string> words { KORVANT_CLI, "--db", KORVANT_TEST_DATA_DIR "/design/mix.dll" };
    for (std::string& word : testing::ShellWords(arguments))
        words.push_back(std::move(word));
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int err[2];
    if (::pipe(err) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(err[1], STDERR_FILENO);
        ::close(err[0]);
        ::close(err[1]);
        std::signal(SIGPIPE, SIG_DFL);
        std::signal(SIGXFSZ, SIG_DFL);
        setUp();
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(err[1]);
    Process run;
    char block[4096];
    for (ssize_t got; (got = ::read(err[0], block, sizeof block)) > 0;)
        run.err.append(block, static_cast<std::size_t>(got));
    ::close(err[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        run.signal = WTERMSIG(status);
    return run;
}

// Standard output onto the file at `path`.
std::function<void()> OutputTo(const fs::path& path, int flags = O_WRONLY | O_CREAT | O_TRUNC)
{
    return [path, flags] {
        const int fd = ::open(path.c_str(), flags, 0644);
        ::dup2(fd, STDOUT_FILENO);
        ::close(fd);
    };
}

using CliOutput = testing::TempFolderTest;

TEST_F(CliOutput, OutputThatCannotBeWrittenExits3)
{
    const char* outputs[] = { "--mix 2", "--mix 2 --report", "--mix 2 --trace csv",
        "--mix 2 --trace json", "--mix 2 --sensitivity 10", "--help", "--version" };
    for (const char* arguments : outputs) {
        const Process full = RunProcess(arguments, OutputTo("/dev/full", O_WRONLY));
        EXPECT_EQ(full.status, 3) << arguments;
        EXPECT_EQ(full.err, "korvant-cli: cannot write the output: No space left on device\n")
            << arguments;
    }

    // A file-size limit is a write error like any other, for the output and a saved file.
    const auto limited = [&](const std::function<void()>& output) {
        return [output] {
            output();
            const rlimit limit { 64, RLIM_INFINITY };
            ::setrlimit(RLIMIT_FSIZE, &limit);
        };
    };
    const Process report = RunProcess("--mix 2 --report", limited(OutputTo(in("report.txt"))));
    EXPECT_EQ(report.signal, 0);
    EXPECT_EQ(report.status, 3);
    EXPECT_EQ(report.err, "korvant-cli: cannot write the output: File too large\n");
    const Process save = RunProcess(
        "--mix 2 --save " + in("design").string(), limited(OutputTo(in("thickness.txt"))));
    EXPECT_EQ(save.status, 3);
    EXPECT_NE(save.err.find("design.inp\": File too large"), std::string::npos) << save.err;
    EXPECT_FALSE(fs::exists(in("design.inp")));

    // Written whole, the run succeeds; a reader that has gone away ends it quietly.
    const Process written = RunProcess("--mix 2", OutputTo(in("out.txt")));
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.err, "");
    EXPECT_EQ(ReadWholeFile(in("out.txt")).back(), '\n');
    const Process piped = RunProcess("--help", [] {
        int ends[2];
        if (::pipe(ends) == 0) {
            ::dup2(ends[1], STDOUT_FILENO);
            ::close(ends[0]);
            ::close(ends[1]);
        }
    });
    EXPECT_EQ(piped.signal, SIGPIPE);
    EXPECT_EQ(piped.err, "");
}

TEST_F(CliOutput, FilesThatCannotBeReadOrReplacedExit3)
{
    ASSERT_EQ(::mkfifo(in("pipe").c_str(), 0644), 0);
    const testing::CliRun fifo = testing::RunCli("--mix 2 --inp " + in("pipe").string());
    EXPECT_EQ(fifo.status, 3);
    EXPECT_EQ(fifo.err,
        "korvant-cli: Cannot read \"" + in("pipe").string()
            + "\": it is a named pipe (FIFO), not a regular file\n");
    std::vector<std::string> db { "--db", in("pipe").string(), "--mix", "2" };
    std::istringstream input;
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(db, input, out, err), 3);
    EXPECT_NE(err.str().find("it is a named pipe (FIFO), not a regular file"), std::string::npos);

    // Names that name no file write nothing, hidden files included.
    fs::create_directory(in("folder"));
    for (const std::string& name :
        { std::string("''"), in(".").string(), in("folder").string(), in("folder/").string() }) {
        const testing::CliRun run = testing::RunCli("--mix 2 --save " + name);
        EXPECT_EQ(run.status, 3) << name;
        EXPECT_NE(run.err.find("Cannot write"), std::string::npos) << run.err;
    }
    EXPECT_TRUE(fs::is_empty(in("folder")));

    // A write-protected file is refused, also for root; the window would ask.
    std::ofstream(in("locked.inp")) << "old";
    fs::permissions(in("locked.inp"), fs::perms::owner_read | fs::perms::group_read);
    const testing::CliRun locked = testing::RunCli("--mix 2 --save " + in("locked.inp").string());
    EXPECT_EQ(locked.status, 3);
    EXPECT_EQ(locked.err,
        "korvant-cli: Cannot write \"" + in("locked.inp").string()
            + "\": the file is read-only; it was not replaced\n");
    EXPECT_EQ(ReadWholeFile(in("locked.inp")), "old");

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string> { "folder", "locked.inp", "pipe" }));
}

} // namespace
} // namespace korvant
