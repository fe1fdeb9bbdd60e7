// The questions and messages that the core puts to the user. The window answers them with
// message boxes, the command-line tool on its standard error, tests with scripted answers.
#pragma once

#include <string>

namespace korvant {

enum class Buttons { Ok, YesNo, YesNoCancel, CancelTryAgainContinue };
enum class Icon { None, Information, Question, Warning, Critical };
enum class Answer { Ok, Yes, No, Cancel, TryAgain, Continue };

struct Message
{
    std::string text;
    std::string title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    // Only repeats the warning just put (the keep message after a range warning): a batch run,
    // which has printed that warning, leaves it out.
    bool repeatsWarning = false;
    bool operator==(const Message&) const = default;
};

class Prompter
{
public:
    virtual ~Prompter() = default;
    virtual Answer ask(const Message& message) = 0;
};

} // namespace korvant
