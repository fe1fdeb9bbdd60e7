// Whole files: writing one so that an existing file is never left half-written (the text goes to
// an unnamed temporary file in the target's folder, which replaces the target only when all of
// it was written), and reading a regular file up to a size limit, for every reader and writer of
// the program.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korvant {

// A file that cannot be read or written. what() is the whole message: "Cannot <action> "<path>":
// <reason>"; reason() is the part after the colon.
class FileError : public std::runtime_error
{
public:
    FileError(const std::string& action, const std::filesystem::path& path, std::string reason)
        : std::runtime_error("Cannot " + action + " \"" + path.string() + "\": " + reason)
        , reason_(std::move(reason))
    {
    }
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// A save refused because the existing file is write-protected: its owner has no write permission,
// or this process may not write it. The caller may ask the user and save again with
// SaveOptions::replaceReadOnly. what() says that the file was not replaced; protection() says
// why it is protected ("the file is read-only").
class ReadOnlyFileError : public FileError
{
public:
    ReadOnlyFileError(const std::filesystem::path& path, const std::string& protection)
        : FileError("write", path, protection + "; it was not replaced")
        , protection_(protection)
    {
    }
    const std::string& protection() const { return protection_; }

private:
    std::string protection_;
};

struct SaveOptions
{
    // Replace a write-protected file (kept write-protected) instead of refusing it.
    bool replaceReadOnly = false;
    // Write an unnamed temporary file (O_TMPFILE) first; off, the named temporary file that is
    // the fallback on file systems without it is written at once (for tests of that path).
    bool unnamedTemporary = true;
};

// Writes `content` as the whole file at `path`:
//  - an empty name, or one that names a folder ("", ".", "..", "dir/", an existing folder), and
//    an existing file that is not a regular file (a FIFO, a device) are refused;
//  - a symbolic link is followed, so that its target is written and the link stays;
//  - a write-protected file throws ReadOnlyFileError unless options.replaceReadOnly;
//  - the text goes to an unnamed temporary file in the target's folder, which gets a temporary
//    name ".<name>.korvant.<host>.<pid>.<random>" only when all of it is written and synced, and
//    is then renamed over the target; where the file system has no unnamed files, a temporary
//    file of that name is written instead;
//  - the new file takes the existing file's permission bits, and its owner and group where this
//    process may set them; a new file gets 0666 less the umask;
//  - a temporary file of an earlier save of the same file whose process no longer runs on this
//    host is removed.
// A hard link is not kept: the target becomes a new file. Throws FileError naming the path and
// the reason; the target is then as it was before and no temporary file is left.
void WriteFileAtomically(
    const std::filesystem::path& path, std::string_view content, const SaveOptions& options = {});

// Throws FileError ("Cannot write ...") for an empty save name or one that names a folder by its
// spelling alone ("", ".", "..", a name ending in "/"), before any extension is added to it.
void CheckSaveName(const std::filesystem::path& path);

// The bytes of a file of at most `limit` bytes, or why they could not be read. `error` is errno's
// value, EFBIG for a file larger than the limit (then no more than the limit and one block were
// read), EISDIR for a folder, or EINVAL for a FIFO, device or socket, which is refused before it
// is opened for reading, so that it cannot block. `reason` is the reason in words for any error
// ("No such file or directory", "it is a folder, not a file", "it is a named pipe (FIFO), not a
// regular file"); callers word the message.
struct FileBytes
{
    std::string content;
    int error = 0;
    std::string reason;
};
FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t limit);

// Why a file of this st_mode is not read or replaced, in words ("it is a named pipe (FIFO), not a
// regular file"); "" for a regular file.
std::string NotRegularFileReason(unsigned mode);

// Reads a whole regular file as bytes; throws FileError naming the path and the reason.
std::string ReadWholeFile(const std::filesystem::path& path);

// The same for a file of at most `limit` bytes. A longer file throws FileError after reading no
// more than the limit and one block.
std::string ReadFileUpTo(const std::filesystem::path& path, std::size_t limit);

} // namespace korvant
