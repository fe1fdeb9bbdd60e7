// How a batch run reports what the window would ask: warnings for questions, the message of
// a refusal, and nothing for the keep message that only repeats a warning.
#include "cli/batch_prompter.h"

namespace korvant {

Answer BatchPrompter::ask(const Message& message)
{
    switch (message.buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        err_ << "korvant-cli: warning: " << message.text << '\n';
        return Answer::No;
    case Buttons::CancelTryAgainContinue:
        err_ << "korvant-cli: " << message.text << '\n';
        return Answer::Cancel;
    case Buttons::Ok:
        if (!message.repeatsWarning)
            err_ << "korvant-cli: " << message.text << '\n';
        return Answer::Ok;
    }
    return Answer::Ok;
}

} // namespace korvant
