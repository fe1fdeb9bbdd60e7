// Whole-file reads with POSIX calls: only a regular file is read by name (a FIFO or a device is
// refused before it is opened for reading, and again after the open, so that nothing can block),
// and never more than a limit and one block.
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

FileBytes Failed(int error, std::string reason = {})
{
    FileBytes read;
    read.error = error;
    read.reason = reason.empty() ? std::strerror(error) : std::move(reason);
    return read;
}

FileBytes NotRegular(mode_t mode)
{
    return Failed(S_ISDIR(mode) ? EISDIR : EINVAL, NotRegularFileReason(mode));
}

// The bytes of an open descriptor, read until its end, and no more than the limit and one block.
FileBytes ReadDescriptorBytes(int fd, std::size_t limit)
{
    FileBytes read;
    std::array<char, 65536> block {};
    while (true) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Failed(errno);
        if (got == 0)
            return read;
        read.content.append(block.data(), static_cast<std::size_t>(got));
        if (read.content.size() > limit)
            return Failed(EFBIG, "the file is larger than " + std::to_string(limit) + " bytes");
    }
}

} // namespace

std::string NotRegularFileReason(unsigned mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode))
        return "it is a named pipe (FIFO), not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a regular file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a regular file";
    return "it is not a regular file";
}

FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t limit)
{
    // The type is checked before the open, as opening a FIFO for reading waits for a writer and
    // opening a device may act on it; the open does not wait (O_NONBLOCK), and the opened file
    // is checked again in case the name was replaced in between.
    struct stat named = {};
    if (::stat(path.c_str(), &named) != 0)
        return Failed(errno);
    if (!S_ISREG(named.st_mode))
        return NotRegular(named.st_mode);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return Failed(errno);
    // Reads the opened file once it is known to be regular and blocking again.
    auto readOpened = [fd, limit] {
        struct stat opened = {};
        if (::fstat(fd, &opened) != 0)
            return Failed(errno);
        if (!S_ISREG(opened.st_mode))
            return NotRegular(opened.st_mode);
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
            return Failed(errno);
        return ReadDescriptorBytes(fd, limit);
    };
    FileBytes read = readOpened();
    ::close(fd);
    return read;
}

std::string ReadWholeFile(const std::filesystem::path& path)
{
    return ReadFileUpTo(path, std::numeric_limits<std::size_t>::max());
}

std::string ReadFileUpTo(const std::filesystem::path& path, std::size_t limit)
{
    FileBytes read = ReadFileBytes(path, limit);
    if (read.error != 0)
        throw FileError("read", path, read.reason);
    return std::move(read.content);
}

} // namespace korvant
