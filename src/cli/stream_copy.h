// A stream buffer that passes everything written to it on to another buffer and keeps what went
// through: korvant-cli's JSON output uses it to know whether a document was printed and to put
// the messages of a run that stopped into the document it prints instead.
#pragma once

#include <cstddef>
#include <streambuf>
#include <string>

namespace korvant {

class CopyingBuffer : public std::streambuf
{
public:
    // With `keep` false only the count of characters is kept.
    CopyingBuffer(std::streambuf* target, bool keep)
        : target_(target)
        , keep_(keep)
    {
    }
    const std::string& copy() const { return copy_; }
    std::size_t count() const { return count_; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    std::streambuf* target_;
    bool keep_;
    std::string copy_;
    std::size_t count_ = 0;
};

} // namespace korvant
