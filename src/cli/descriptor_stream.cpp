// Buffered writing to a descriptor with every error kept: short writes are resumed, EINTR is
// retried, and the first failure stops the writing for good.
#include "cli/descriptor_stream.h"

#include <cerrno>
#include <unistd.h>

namespace korvant {

bool DescriptorBuffer::drain()
{
    const char* data = pbase();
    std::size_t left = static_cast<std::size_t>(pptr() - pbase());
    while (left > 0 && error_ == 0 && !closed_) {
        const ssize_t written = ::write(fd_, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            break;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0 && !closed_;
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c)
{
    if (!drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorBuffer::sync()
{
    return drain() ? 0 : -1;
}

int DescriptorBuffer::close()
{
    if (closed_)
        return error_;
    drain();
    closed_ = true;
    if (::close(fd_) != 0 && error_ == 0 && errno != EINTR)
        error_ = errno;
    return error_;
}

} // namespace korvant
