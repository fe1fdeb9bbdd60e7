// The copying stream buffer: unbuffered itself, so that every character reaches the target in
// the order written and a failure of the target is the writer's failure at once.
#include "cli/stream_copy.h"

namespace korvant {

CopyingBuffer::int_type CopyingBuffer::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    const char character = traits_type::to_char_type(c);
    if (keep_)
        copy_ += character;
    ++count_;
    return target_->sputc(character);
}

std::streamsize CopyingBuffer::xsputn(const char* s, std::streamsize n)
{
    if (keep_)
        copy_.append(s, static_cast<std::size_t>(n));
    count_ += static_cast<std::size_t>(n);
    return target_->sputn(s, n);
}

int CopyingBuffer::sync()
{
    return target_->pubsync();
}

} // namespace korvant
