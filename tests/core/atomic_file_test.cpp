// Whole-file reads and saves against the file system: only regular files are read by name, and a
// save keeps the mode, owner and symbolic links of the file it replaces, asks before replacing a
// write-protected one, refuses names of folders, and leaves no temporary file behind, not even
// when it is killed at any moment (with the unnamed temporary file and with the named fallback).
#include "io/atomic_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "temp_folder.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;

class SavedFiles : public testing::TempFolderTest
{
protected:
    void spit(const std::string& name, const std::string& text) const
    {
        std::ofstream(in(name), std::ios::binary) << text;
    }
    // The names in the folder, sorted.
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& entry : fs::directory_iterator(dir_))
            out.push_back(entry.path().filename());
        std::sort(out.begin(), out.end());
        return out;
    }
};

struct stat StatOf(const fs::path& path)
{
    struct stat st = {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

TEST_F(SavedFiles, OnlyRegularFilesAreReadByName)
{
    ASSERT_EQ(::mkfifo(in("pipe").c_str(), 0644), 0);
    // A FIFO without a writer would block an open for ever: it is refused before.
    const std::pair<fs::path, const char*> rows[] = {
        { in("pipe"), "it is a named pipe (FIFO), not a regular file" },
        { "/dev/null", "it is a device, not a regular file" },
        { dir_, "it is a folder, not a file" },
        { in("missing"), "No such file or directory" },
    };
    for (const auto& [path, reason] : rows) {
        const FileBytes read = ReadFileBytes(path, 100);
        EXPECT_NE(read.error, 0) << path;
        EXPECT_EQ(read.reason, reason) << path;
        EXPECT_EQ(read.content, "");
    }

    // A link to a regular file is read.
    spit("real", "text");
    fs::create_symlink("real", in("link"));
    EXPECT_EQ(ReadWholeFile(in("link")), "text");
}

TEST_F(SavedFiles, ModeOwnerAndLinksAreKept)
{
    const mode_t mask = ::umask(022);
    WriteFileAtomically(in("new"), "new");
    EXPECT_EQ(StatOf(in("new")).st_mode & 07777, 0644u);
    ::umask(mask);

    spit("private", "old");
    ::chmod(in("private").c_str(), 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(in("private").c_str(), 65534, 65534), 0);
    }
    WriteFileAtomically(in("private"), "saved");
    EXPECT_EQ(ReadWholeFile(in("private")), "saved");
    EXPECT_EQ(StatOf(in("private")).st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(StatOf(in("private")).st_uid, 65534u);
        EXPECT_EQ(StatOf(in("private")).st_gid, 65534u);
    }

    // Through a chain of relative links into another folder: the target is written, the links
    // stay; a dangling link makes its target.
    fs::create_directory(in("real"));
    spit("real/design.inp", "old");
    fs::create_symlink("real/design.inp", in("one"));
    fs::create_symlink("one", in("two"));
    fs::create_symlink("real/later.inp", in("dangling"));
    WriteFileAtomically(in("two"), "through links");
    WriteFileAtomically(in("dangling"), "made");
    EXPECT_TRUE(fs::is_symlink(in("two")));
    EXPECT_TRUE(fs::is_symlink(in("one")));
    EXPECT_EQ(ReadWholeFile(in("real/design.inp")), "through links");
    EXPECT_EQ(ReadWholeFile(in("real/later.inp")), "made");

    // A hard link is not kept: the other name keeps the old text (as the manual page says).
    spit("first", "old");
    fs::create_hard_link(in("first"), in("second"));
    WriteFileAtomically(in("first"), "new");
    EXPECT_EQ(ReadWholeFile(in("second")), "old");
}

TEST_F(SavedFiles, WriteProtectedFilesAreReplacedOnlyWhenAsked)
{
    // Also for root, who could write it.
    spit("locked", "old");
    ::chmod(in("locked").c_str(), 0444);
    try {
        WriteFileAtomically(in("locked"), "new");
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const ReadOnlyFileError& error) {
        EXPECT_EQ(error.protection(), "the file is read-only");
        EXPECT_EQ(std::string(error.what()),
            "Cannot write \"" + in("locked").string()
                + "\": the file is read-only; it was not replaced");
    }
    EXPECT_EQ(ReadWholeFile(in("locked")), "old");
    SaveOptions replace;
    replace.replaceReadOnly = true;
    WriteFileAtomically(in("locked"), "new", replace);
    EXPECT_EQ(ReadWholeFile(in("locked")), "new");
    EXPECT_EQ(StatOf(in("locked")).st_mode & 07777, 0444u);
}

TEST_F(SavedFiles, NamesOfFoldersAndOtherFilesAreRefused)
{
    fs::create_directory(in("folder"));
    ASSERT_EQ(::mkfifo(in("pipe").c_str(), 0644), 0);
    const std::pair<fs::path, const char*> rows[] = {
        { "", "no file name was given" },
        { ".", "the name names a folder, not a file" },
        { in(".."), "the name names a folder, not a file" },
        { in("folder/"), "the name names a folder, not a file" },
        { in("folder"), "it is a folder, not a file" },
        { in("pipe"), "it is a named pipe (FIFO), not a regular file" },
        { in("none/design.inp"), "No such file or directory" },
    };
    for (const auto& [path, reason] : rows) {
        try {
            WriteFileAtomically(path, "text");
            ADD_FAILURE() << path << " was written";
        } catch (const FileError& error) {
            EXPECT_EQ(error.reason(), reason) << path;
        }
    }
    EXPECT_EQ(names(), (std::vector<std::string> { "folder", "pipe" }));
    EXPECT_TRUE(fs::is_empty(in("folder")));
}

// A temporary name of `target` as a save of process `pid` on `host` gives it.
std::string TemporaryOf(const std::string& target, const std::string& host, pid_t pid)
{
    return "." + target + ".korvant." + host + "." + std::to_string(pid) + ".AbC123";
}

std::string HostTag()
{
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    std::string tag;
    for (const char c : std::string(name))
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '-')
            tag += c;
    return tag.substr(0, 20).empty() ? "host" : tag.substr(0, 20);
}

pid_t DeadProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST_F(SavedFiles, TemporaryFilesOfDeadSavesAreRemovedAndNoOthers)
{
    for (const bool unnamed : { true, false }) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        const std::string dead = TemporaryOf("design.inp", HostTag(), DeadProcess());
        const std::vector<std::string> kept = {
            TemporaryOf("design.inp", HostTag(), ::getppid()), // a save that still runs
            TemporaryOf("design.inp", "otherhost", DeadProcess()), // not this host's to judge
            TemporaryOf("other.inp", HostTag(), DeadProcess()), // another file's
            ".design.inp.x7Yz0Q", // an earlier version's: its process cannot be told
        };
        spit(dead, "partial");
        for (const std::string& name : kept)
            spit(name, "partial");
        SaveOptions options;
        options.unnamedTemporary = unnamed;
        WriteFileAtomically(in("design.inp"), "saved", options);
        std::vector<std::string> expected = kept;
        expected.push_back("design.inp");
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names(), expected) << (unnamed ? "unnamed" : "named");
    }
}

// Makes every write of this process fail after `bytes` bytes, as a full disk would.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old);
        previous = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { bytes, old.rlim_max };
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
    }
    rlimit old {};
    void (*previous)(int) = nullptr;
};

TEST_F(SavedFiles, FailedAndKilledSavesLeaveTheOldFileAndNoTemporary)
{
    for (const bool unnamed : { true, false }) {
        SaveOptions options;
        options.unnamedTemporary = unnamed;
        spit("design.inp", "old");
        {
            const FileSizeLimit full(100);
            EXPECT_THROW(
                WriteFileAtomically(in("design.inp"), std::string(1000, 'x'), options), FileError);
        }
        EXPECT_EQ(names(), std::vector<std::string> { "design.inp" });
        EXPECT_EQ(ReadWholeFile(in("design.inp")), "old");

        // Saves killed at random moments: the file is always one whole text, and the next save
        // leaves no temporary file.
        const std::string a(200000, 'a'), b(300000, 'b');
        std::mt19937 random(unnamed ? 7 : 11);
        for (int kill = 0; kill < 25; ++kill) {
            const pid_t child = ::fork();
            if (child == 0) {
                for (int n = 0;; ++n)
                    WriteFileAtomically(in("design.inp"), n % 2 == 0 ? a : b, options);
            }
            ::usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(random));
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            const std::string now = ReadWholeFile(in("design.inp"));
            EXPECT_TRUE(now == "old" || now == a || now == b) << now.size();
        }
        WriteFileAtomically(in("design.inp"), "old", options);
        EXPECT_EQ(names(), std::vector<std::string> { "design.inp" });
    }
}

} // namespace
} // namespace korvant
