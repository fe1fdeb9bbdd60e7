// Save-then-rename file writing with POSIX calls, so that every write, sync and close error is
// seen. The text is written to an unnamed temporary file (O_TMPFILE), which cannot outlive a
// crash; only once it is whole and synced does it get a name (linkat through /proc/self/fd), to
// be renamed over the target at once. A file system without unnamed files gets a named temporary
// file from the start. Temporary names carry the host and process id, so that the next save of
// the same file can tell a leftover of a process that has died from a save still running.
#include "io/atomic_file.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace korvant {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const fs::path& path, int error)
{
    throw FileError("write", path, std::strerror(error));
}

[[noreturn]] void Refuse(const fs::path& path, const std::string& reason)
{
    throw FileError("write", path, reason);
}

// The host name in letters, digits and dashes only, at most 20 of them, so that it fits a file
// name and holds no dot, which separates the parts of a temporary name.
const std::string& HostTag()
{
    static const std::string tag = [] {
        std::array<char, 256> name {};
        std::string out;
        if (::gethostname(name.data(), name.size() - 1) == 0)
            for (const char* c = name.data(); *c != '\0' && out.size() < 20; ++c)
                if ((*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9')
                    || *c == '-')
                    out += *c;
        return out.empty() ? std::string("host") : out;
    }();
    return tag;
}

// The start of every temporary name of a target: ".<name>.korvant."; a long name is cut so that
// the whole temporary name stays within the 255 bytes of a file name.
std::string TemporaryPrefix(const std::string& name)
{
    return "." + name.substr(0, 180) + ".korvant.";
}

std::string TemporaryName(const std::string& prefix)
{
    static constexpr std::string_view kLetters
        = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 random { std::random_device {}() };
    std::string suffix(6, ' ');
    for (char& c : suffix)
        c = kLetters[random() % kLetters.size()];
    return prefix + HostTag() + "." + std::to_string(::getpid()) + "." + suffix;
}

// Removes the temporary files of earlier saves of the target whose process no longer runs on
// this host. A name of another target never matches: its rest after the prefix holds more parts.
void RemoveStaleTemporaries(const fs::path& folder, const std::string& prefix)
{
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    const std::string own = std::to_string(::getpid());
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.substr(0, prefix.size()) != prefix)
            continue;
        const std::string_view rest = name.substr(prefix.size());
        const std::size_t dot = rest.find('.');
        const std::size_t last = rest.rfind('.');
        if (dot == std::string_view::npos || last == dot || rest.substr(0, dot) != HostTag()
            || rest.size() - last != 7)
            continue;
        const std::string pid(rest.substr(dot + 1, last - dot - 1));
        if (pid.empty() || pid.size() > 9
            || pid.find_first_not_of("0123456789") != std::string::npos || pid == own)
            continue;
        if (::kill(static_cast<pid_t>(std::stoi(pid)), 0) == 0 || errno != ESRCH)
            continue; // the process runs (or may run): its save is not ours to touch
        struct stat st = {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(st.st_mode))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// The file that a save of `path` writes: the path itself, or the end of its symbolic links.
fs::path FollowLinks(const fs::path& path)
{
    fs::path target = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st = {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return target;
        std::error_code error;
        const fs::path link = fs::read_symlink(target, error);
        if (error)
            Fail(path, error.value());
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    Fail(path, ELOOP);
}

// Why an existing file is write-protected, "" when it is not.
std::string ReadOnlyReason(const fs::path& target, const struct stat& st)
{
    if ((st.st_mode & S_IWUSR) == 0)
        return "the file is read-only";
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES)
        return "this user may not write the file";
    return {};
}

// The temporary file of one save, removed unless it was renamed over the target.
class Temporary
{
public:
    explicit Temporary(fs::path folder)
        : folder_(std::move(folder))
    {
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() { discard(); }

    // An unnamed file in the folder; false when the file system cannot make one.
    bool openUnnamed(int& error)
    {
        fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        error = fd_ < 0 ? errno : 0;
        return fd_ >= 0 || (error != EOPNOTSUPP && error != EISDIR && error != EINVAL);
    }

    int openNamed(const std::string& prefix)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path name = folder_ / TemporaryName(prefix);
            fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0) {
                name_ = name;
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    int write(std::string_view content) const
    {
        const char* data = content.data();
        std::size_t left = content.size();
        while (left > 0) {
            const ssize_t written = ::write(fd_, data, left);
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0)
                return errno;
            if (written == 0)
                return EIO;
            data += written;
            left -= static_cast<std::size_t>(written);
        }
        return 0;
    }

    // The owner and group of the replaced file where this process may set them (the group alone
    // when only that is allowed), then its permission bits, which a change of owner would clear.
    int keep(const struct stat& existing) const
    {
        if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
            // Where neither may be set the file keeps this process's owner and group, as any new
            // file has; that is no failure of the save.
            [[maybe_unused]] const bool kept = ::fchown(fd_, existing.st_uid, existing.st_gid) == 0
                || ::fchown(fd_, static_cast<uid_t>(-1), existing.st_gid) == 0;
        }
        return ::fchmod(fd_, existing.st_mode & 0777) == 0 ? 0 : errno;
    }

    int sync() const { return ::fsync(fd_) == 0 ? 0 : errno; }

    // Names the unnamed file; `unsupported` is set when /proc/self/fd is not there to name it.
    int link(const std::string& prefix, bool& unsupported)
    {
        const std::string proc = "/proc/self/fd/" + std::to_string(fd_);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path name = folder_ / TemporaryName(prefix);
            if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                name_ = name;
                return 0;
            }
            if (errno != EEXIST) {
                unsupported = errno == ENOENT && ::access("/proc/self/fd", F_OK) != 0;
                return errno;
            }
        }
        return EEXIST;
    }

    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

    int renameOver(const fs::path& target)
    {
        if (::rename(name_.c_str(), target.c_str()) != 0)
            return errno;
        name_.clear();
        return 0;
    }

    void discard()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        if (!name_.empty())
            ::unlink(name_.c_str());
        name_.clear();
    }

private:
    fs::path folder_;
    fs::path name_; // empty while unnamed, and once renamed
    int fd_ = -1;
};

// Makes the rename lasting; a folder that cannot be synced changes nothing of the save's outcome.
void SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace

void CheckSaveName(const fs::path& path)
{
    if (path.empty())
        throw FileError("write", path, "no file name was given");
    const fs::path name = path.filename();
    if (name.empty() || name == "." || name == "..")
        Refuse(path, "the name names a folder, not a file");
    std::error_code error;
    if (fs::is_directory(path, error))
        Refuse(path, "it is a folder, not a file");
}

void WriteFileAtomically(const fs::path& path, std::string_view content, const SaveOptions& options)
{
    CheckSaveName(path);
    const fs::path target = FollowLinks(path);
    if (target != path)
        CheckSaveName(target);

    struct stat existing = {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT)
        Fail(path, errno);
    if (exists && !S_ISREG(existing.st_mode))
        Refuse(path, NotRegularFileReason(existing.st_mode));
    if (exists && !options.replaceReadOnly) {
        const std::string reason = ReadOnlyReason(target, existing);
        if (!reason.empty())
            throw ReadOnlyFileError(path, reason);
    }

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string prefix = TemporaryPrefix(target.filename().string());
    RemoveStaleTemporaries(folder, prefix);

    // Writes the whole text into a temporary file that has a name when this returns 0.
    auto write = [&](Temporary& temporary, bool unnamed, bool& unsupported) {
        int error = 0;
        if (unnamed && !temporary.openUnnamed(error)) {
            unsupported = true;
            return error;
        }
        if (error == 0 && !unnamed)
            error = temporary.openNamed(prefix);
        if (error == 0)
            error = temporary.write(content);
        if (error == 0 && exists)
            error = temporary.keep(existing);
        if (error == 0)
            error = temporary.sync();
        if (error == 0 && unnamed)
            error = temporary.link(prefix, unsupported);
        return error;
    };

    Temporary unnamed(folder);
    bool unsupported = false;
    int error = options.unnamedTemporary ? write(unnamed, true, unsupported) : 0;
    Temporary named(folder);
    Temporary* written = &unnamed;
    if (!options.unnamedTemporary || unsupported) {
        unnamed.discard();
        bool ignored = false;
        error = write(named, false, ignored);
        written = &named;
    }
    if (error == 0)
        error = written->close();
    if (error == 0)
        error = written->renameOver(target);
    if (error != 0)
        Fail(path, error);
    SyncFolder(folder);
}

} // namespace korvant
