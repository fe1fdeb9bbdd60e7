// korvant-cli --acr: the ACR table of catalogue aircraft, without a design.
#pragma once

#include <ostream>
#include <vector>

#include "cli/options.h"
#include "design/design_model.h"

namespace korvant {

// The records that --acr names (all of them when `asked` is empty), checked against the
// catalogue. Throws UsageError for a record the catalogue does not hold.
std::vector<int> AcrRecords(const std::vector<int>& asked, const AircraftDatabase& database);

// Rates `records` of the session's catalogue, in its units, on `threads` threads (0: one per
// core), prints the table in `format` to `out` and to `err` where the ratings come from and why a
// row has no rating. Returns the exit status: 0 when every row was rated or lies below the
// reference stress, 3 when a gear or value was refused (the table is printed whole all the same) or
// the table could not be written.
int RunAcrTable(const std::vector<int>& records, int threads, const DesignModel& model,
    OutputFormat format, std::ostream& out, std::ostream& err);

} // namespace korvant
