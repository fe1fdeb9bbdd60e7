// The exit statuses of korvant-cli, the same in its help text, its manual page and the README.
#pragma once

namespace korvant {

enum ExitStatus : int {
    kExitDesigned = 0, // designed (or the asked output written)
    kExitUsage = 2, // bad usage, or an input that is not a valid number
    kExitStopped = 3, // stopped: outside a model's domain, no fatigue design, a file that cannot
                      // be read or written, output that could not be written, an aircraft
                      // whose gear or values the ACR cannot rate
    kExitBeyondSearch = 4, // the traffic needs more than the 30 in the procedure searches
};

} // namespace korvant
