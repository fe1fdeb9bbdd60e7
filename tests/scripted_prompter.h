// A prompter that answers from a script and records every message it was shown, for the core's
// and the window's tests alike. A message with only an OK button is answered OK and takes no
// answer from the script; a question takes the next one, and once the script has run out a
// Yes/No question is answered No and any other question OK.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "design/prompter.h"

namespace korvant::testing {

class ScriptedPrompter : public Prompter
{
public:
    explicit ScriptedPrompter(std::deque<Answer> script = {})
        : answers(std::move(script))
    {
    }

    Answer ask(const Message& message) override
    {
        shown.push_back(message);
        if (message.buttons == Buttons::Ok)
            return Answer::Ok;
        if (answers.empty())
            return message.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // The texts of the messages shown, in order.
    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const Message& message : shown)
            out.push_back(message.text);
        return out;
    }

    std::deque<Answer> answers; // the script, in order
    std::vector<Message> shown;
};

} // namespace korvant::testing
