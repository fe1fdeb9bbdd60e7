// The exit statuses of korvant-cli and what each means, the same in its help text, its manual
// page, the README and the JSON documents it prints.
#pragma once

#include "design/json_document.h"

namespace korvant {

enum ExitStatus : int {
    kExitDesigned = 0, // designed (or the asked output printed)
    kExitUsage = 2, // bad usage, or an input that is not a valid number
    kExitStopped = 3, // stopped: outside a model's domain, no fatigue design, a file that cannot
                      // be read or written, output that could not be written, an aircraft
                      // whose gear or values the ACR cannot rate, no PCR
    kExitBeyondSearch = 4, // the traffic needs more than the 30 in the procedure searches
};

// The meaning of a status as the help text's table gives it.
inline const char* ExitMeaning(int status)
{
    switch (status) {
    case kExitDesigned:
        return "designed, or the asked output printed";
    case kExitUsage:
        return "bad usage, or an input that is not a valid number";
    case kExitStopped:
        return "stopped: outside a model's domain, no fatigue design, an unreadable, damaged, "
               "read-only or unwritable file, output that could not be written, an aircraft the "
               "ACR cannot rate, or no PCR";
    case kExitBeyondSearch:
        return "the traffic needs more than the 30 in the procedure searches";
    default:
        return "unknown";
    }
}

// The status with its meaning, as a JSON document carries it.
inline DocumentStatus StatusOf(int status)
{
    return { status, ExitMeaning(status) };
}

} // namespace korvant
