// The prompter of a batch run: it cannot ask, so it answers every question No and reports each
// message on the error stream.
#pragma once

#include <ostream>

#include "design/prompter.h"

namespace korvant {

// Answers every question No and reports on the error stream, as a batch run cannot ask.
class BatchPrompter : public Prompter
{
public:
    explicit BatchPrompter(std::ostream& err)
        : err_(err)
    {
    }
    Answer ask(const Message& message) override;

private:
    std::ostream& err_;
};

} // namespace korvant
