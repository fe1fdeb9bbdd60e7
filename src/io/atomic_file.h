// Whole files: writing one so that an existing file is never left half-written (the text goes to
// a temporary file in the target's folder, which replaces the target only when all of it was
// written), and reading one up to a size limit, for every reader of the program.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korvant {

class FileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Throws FileError naming the path and the reason; the target is then as it was before.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

// The bytes of a file of at most `limit` bytes, or why they could not be read: `error` is errno's
// value, or EFBIG for a file larger than the limit (then no more than the limit and one block
// were read, so an endless device cannot fill the memory). Callers word the message.
struct FileBytes
{
    std::string content;
    int error = 0;
};
FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t limit);

// Reads a whole file as bytes; throws FileError naming the path and the reason.
std::string ReadWholeFile(const std::filesystem::path& path);

// The same for a file of at most `limit` bytes. A longer file, or an endless one such as a
// device, throws FileError after reading no more than the limit and one block.
std::string ReadFileUpTo(const std::filesystem::path& path, std::size_t limit);

} // namespace korvant
