// An output stream buffer over a file descriptor, written with write(2) so that the first error
// of any write is kept with its errno, and closed with the close error seen: korvant-cli's
// standard output and standard error, whose every failed write must end the run with status 3.
#pragma once

#include <array>
#include <streambuf>

namespace korvant {

class DescriptorBuffer : public std::streambuf
{
public:
    explicit DescriptorBuffer(int fd)
        : fd_(fd)
    {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

    // Writes what is buffered and closes the descriptor. Returns the errno of the first write or
    // of the close that failed, 0 when everything was written. Later output is dropped.
    int close();

    // The errno of the first failed write so far, 0 when none failed.
    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    // Writes the buffer out; false when a write failed (now or before).
    bool drain();

    int fd_;
    int error_ = 0;
    bool closed_ = false;
    std::array<char, 8192> buffer_ {};
};

} // namespace korvant
