// Input data check of the Design Thickness button and the Change Data dialog.
#include "design/input_check.h"

#include <array>
#include <cmath>

#include "basics/program_info.h"
#include "basics/rounding.h"
#include "design/thickness_design.h"
#include "io/number_text.h"

namespace korvant {
namespace {

constexpr const char* kCheckTitle = "Input Data Check";

const std::array<InputRange, 5> kRanges = { {
    { InputField::E, "E", 500000.0f, 8000000.0f, 3445000.0f, 55120000.0f },
    { InputField::Sc, "Sc", 500.0f, 1000.0f, 3445.0f, 6890.0f },
    { InputField::k, "k", 50.0f, 700.0f, 13.55f, 189.7f },
    { InputField::E2, "E2", 500000.0f, 8000000.0f, 3445000.0f, 55120000.0f },
    { InputField::h2, "h2", 2.0f, 10.0f, 5.08f, 25.4f },
} };

std::string RangeText(std::string_view name, float minimum, float maximum)
{
    return std::string(name) + " is not within the typical data range" + "("
        + SingleDisplayText(minimum) + ", " + SingleDisplayText(maximum) + "). ";
}

// The bound as the field takes it: the message form without its leading blank.
std::string BoundText(float bound)
{
    std::string text = SingleDisplayText(bound);
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    return text;
}

std::string OfferBound(std::string_view text, std::string_view name, float minimum, float maximum,
    float bound, const char* question, Prompter& prompter)
{
    Answer answer = prompter.ask({ RangeText(name, minimum, maximum) + question, kCheckTitle,
        Buttons::YesNo, Icon::Question });
    if (answer == Answer::Yes)
        return BoundText(bound);
    prompter.ask({ "Keep the " + std::string(name) + " input value anyway!", kMessageTitle,
        Buttons::Ok, Icon::Information, true });
    return std::string(text);
}

enum class Need { AnyNumber, NonNegative, Positive };

// The other fields a design reads, in the window's order, with what each must hold. The bottom
// layer's fields are tested as numbers only: the starting modulus lies below its own typical
// range and would be questioned at every design.
struct FieldCheck
{
    InputField field;
    const char* name;
    Need need;
    bool twoLayerOnly;
};
constexpr FieldCheck kFieldChecks[] = {
    { InputField::E2, "E2", Need::NonNegative, true },
    { InputField::h2, "h2", Need::NonNegative, true },
    { InputField::SlabLength, "Slab Length", Need::Positive, false },
    { InputField::SlabWidth, "Slab Width", Need::Positive, false },
    { InputField::Precipitation, "Precipitation", Need::NonNegative, false },
    { InputField::Temperature, "Temperature", Need::AnyNumber, false },
    { InputField::WindSpeed, "Wind Speed", Need::NonNegative, false },
};

} // namespace

const InputRange& InputRangeOf(InputField field)
{
    for (const InputRange& range : kRanges)
        if (range.field == field)
            return range;
    return kRanges[0];
}

bool IsNonNegativeNumber(std::string_view text)
{
    return IsNumberText(text) && NumberOfText(text) >= 0 && std::isfinite(NumberOfText(text));
}

Message InvalidNumberMessage(std::string_view name)
{
    return { std::string(name) + " is an invalid number; please try again!", kCheckTitle,
        Buttons::CancelTryAgainContinue, Icon::Warning };
}

std::string CheckInputValue(
    std::string_view text, std::string_view name, float minimum, float maximum, Prompter& prompter)
{
    if (!IsNonNegativeNumber(text)) {
        prompter.ask(InvalidNumberMessage(name));
        return std::string(text);
    }
    // A number beyond the 32-bit range compares as infinity, which is above any maximum.
    const double number = NumberOfText(text);
    const float value = F32OrInfinity(number);
    if (value < minimum)
        return OfferBound(
            text, name, minimum, maximum, minimum, "Accept the suggested minimum value?", prompter);
    if (value > maximum)
        return OfferBound(
            text, name, minimum, maximum, maximum, "Accept the suggested maximum value?", prompter);
    return std::string(text);
}

ChangeOutcome ChangeAircraftValue(
    AircraftRecord& record, AircraftField field, std::string_view text, Prompter& prompter)
{
    ChangeOutcome outcome { CheckInputValue(text, "This", 0.0f, 1e8f, prompter), false };
    if (!IsNonNegativeNumber(outcome.text))
        return outcome;
    record.field(field) = GeneralNumberText(NumberOfText(outcome.text));
    outcome.stored = true;
    return outcome;
}

std::vector<Message> FieldCheckMessages(const DesignModel& model)
{
    std::vector<Message> messages;
    for (const FieldCheck& check : kFieldChecks) {
        if (check.twoLayerOnly && model.layerMode == kOneLayer)
            continue;
        const std::string& text = model.field(check.field);
        const double value = NumberOfText(text);
        const bool number = IsNumberText(text) && std::isfinite(value);
        switch (check.need) {
        case Need::AnyNumber:
            if (!number)
                messages.push_back(InvalidNumberMessage(check.name));
            break;
        case Need::NonNegative:
            if (!number || value < 0)
                messages.push_back(InvalidNumberMessage(check.name));
            break;
        case Need::Positive:
            if (!number || !(value > 0))
                messages.push_back({ std::string(check.name)
                        + " must be a number greater than 0; please try again!",
                    kCheckTitle, Buttons::CancelTryAgainContinue, Icon::Warning });
            break;
        }
    }
    return messages;
}

bool CheckDesignFields(DesignModel& model, Prompter& prompter)
{
    const bool english = model.units == UnitSystem::English;
    const InputField checked[] = { InputField::E, InputField::Sc, InputField::k };
    for (InputField field : checked) {
        const InputRange& range = InputRangeOf(field);
        model.field(field) = CheckInputValue(model.field(field), range.name,
            english ? range.englishMinimum : range.metricMinimum,
            english ? range.englishMaximum : range.metricMaximum, prompter);
    }
    bool valid = true;
    for (InputField field : checked)
        valid = valid && IsNonNegativeNumber(model.field(field));
    for (const Message& message : FieldCheckMessages(model)) {
        prompter.ask(message);
        valid = false;
    }
    return valid;
}

DesignOutcome DesignThickness(DesignModel& model, Prompter& prompter)
{
    if (!CheckDesignFields(model, prompter))
        return DesignOutcome::InvalidInput;
    try {
        RunDesign(model);
    } catch (const DesignStopped& stopped) {
        prompter.ask({ stopped.what(), kProgramName, Buttons::Ok, Icon::Critical });
        return DesignOutcome::Stopped;
    }
    return DesignOutcome::Designed;
}

} // namespace korvant
