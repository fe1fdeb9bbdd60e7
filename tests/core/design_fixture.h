// A design session over the small test catalogue, and a prompter that answers from a script
// and records every message it was shown.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "design/design_model.h"
#include "design/prompter.h"
#include "traffic/aircraft_database.h"

namespace korvant::testing {

inline DesignModel TestSession(std::initializer_list<int> mix = {})
{
    DesignModel model;
    ReadAircraftData(KORVANT_TEST_DATA_DIR "/design/mix.dll", model.database);
    for (int record : mix)
        model.mix.add(record);
    return model;
}

class ScriptedPrompter : public Prompter
{
public:
    explicit ScriptedPrompter(std::deque<Answer> answers = {})
        : answers_(std::move(answers))
    {
    }
    Answer ask(const Message& message) override
    {
        shown.push_back(message);
        if (message.buttons == Buttons::Ok || answers_.empty())
            return message.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
        Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    std::vector<Message> shown;

private:
    std::deque<Answer> answers_;
};

} // namespace korvant::testing
