// Save-then-rename file writing with POSIX calls, so that write and flush errors are seen.
#include "io/atomic_file.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace korvant {
namespace {

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& action, int error)
{
    throw FileError("Cannot " + action + " \"" + path.string() + "\": " + std::strerror(error));
}

} // namespace

void WriteFileAtomically(const std::filesystem::path& path, std::string_view content)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        Fail(path, "write", EISDIR);
    std::filesystem::path folder = path.parent_path();
    if (folder.empty())
        folder = ".";
    std::string name(1, '.');
    name += path.filename().string();
    name += ".XXXXXX";
    std::string pattern = (folder / name).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        Fail(path, "write", errno);
    const std::filesystem::path temporary = pattern;
    auto discard = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        Fail(path, "write", error);
    };
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            discard(errno);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fsync(fd) != 0)
        discard(errno);
    // mkstemp creates the file for the owner only; give it the usual permissions of a new file.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        Fail(path, "write", error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        Fail(path, "write", error);
    }
}

std::string ReadWholeFile(const std::filesystem::path& path)
{
    return ReadFileUpTo(path, std::numeric_limits<std::size_t>::max());
}

FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t limit)
{
    FileBytes read;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        read.error = errno;
        return read;
    }
    std::array<char, 65536> block {};
    while (true) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            read.error = errno;
            break;
        }
        if (got == 0)
            break;
        read.content.append(block.data(), static_cast<std::size_t>(got));
        if (read.content.size() > limit) {
            read.error = EFBIG;
            break;
        }
    }
    ::close(fd);
    if (read.error != 0)
        read.content.clear();
    return read;
}

std::string ReadFileUpTo(const std::filesystem::path& path, std::size_t limit)
{
    FileBytes read = ReadFileBytes(path, limit);
    if (read.error == EFBIG)
        throw FileError("Cannot read \"" + path.string() + "\": the file is larger than "
            + std::to_string(limit) + " bytes");
    if (read.error != 0)
        Fail(path, "read", read.error);
    return std::move(read.content);
}

} // namespace korvant
