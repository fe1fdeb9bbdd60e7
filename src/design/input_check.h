// The checks before a design: a field must hold a non-negative number, and a number outside its
// typical range is questioned with the nearer bound offered in its place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "design/design_model.h"
#include "design/prompter.h"

namespace korvant {

struct InputRange
{
    InputField field;
    const char* name; // the word the messages use
    float englishMinimum, englishMaximum;
    float metricMinimum, metricMaximum;
};

// Typical range of E, Sc, k, E2 or h2.
const InputRange& InputRangeOf(InputField field);

// True when the text is a number as a whole and that number is not negative.
bool IsNonNegativeNumber(std::string_view text);

// The invalid-number message for a field name.
Message InvalidNumberMessage(std::string_view name);

// Checks one text against [minimum, maximum]; returns the text the field is to hold: the text
// unchanged, or the offered bound when the user accepts it.
std::string CheckInputValue(
    std::string_view text, std::string_view name, float minimum, float maximum, Prompter& prompter);

// The Change Data dialog's OK: checks the typed text as "This" in [0, 1e8] and stores the
// accepted number into the record's field as its general number text. Returns the text the
// dialog is to show and whether the value was stored (a refused value stores nothing).
struct ChangeOutcome
{
    std::string text;
    bool stored = false;
};
ChangeOutcome ChangeAircraftValue(
    AircraftRecord& record, AircraftField field, std::string_view text, Prompter& prompter);

// The messages for the other fields a design reads that do not hold what they must, in the
// window's order: in a two-layer structure E2 and h2 non-negative numbers; the slab length and
// width numbers greater than 0; precipitation and wind speed non-negative numbers; the
// temperature a number. Empty when every one does.
std::vector<Message> FieldCheckMessages(const DesignModel& model);

// The checks of Design Thickness without the design: E, Sc and k against their ranges (the
// answers stored in the fields), then FieldCheckMessages. Returns whether every field holds a
// number the design can take.
bool CheckDesignFields(DesignModel& model, Prompter& prompter);

enum class DesignOutcome { Designed, InvalidInput, Stopped };

// The Design Thickness button: checks E, Sc and k, then every other field the design reads
// (FieldCheckMessages), then runs the design. A design stopped outside a model's domain is shown
// in a box titled "KORVANT" and changes nothing.
DesignOutcome DesignThickness(DesignModel& model, Prompter& prompter);

} // namespace korvant
