// The ACR table of korvant-cli: the records checked, rated on the threads asked, written as CSV to
// standard output with its notes on standard error. The note on where the ratings come from goes
// to standard error rather than into the table, so that the CSV stays one plain table that any
// CSV reader takes whole (a comment line would be read as a row of data).
#include "cli/acr_run.h"

#include "cli/exit_status.h"
#include "design/acr_table.h"

namespace korvant {

std::vector<int> AcrRecords(const std::vector<int>& asked, const AircraftDatabase& database)
{
    std::vector<int> records = asked;
    if (asked.empty())
        for (int record = 1; record <= database.recordCount; ++record)
            records.push_back(record);
    for (int record : records)
        CheckCatalogueRecord("--acr", record, database);
    return records;
}

int RunAcrTable(const std::vector<int>& records, int threads, const DesignModel& model,
    OutputFormat format, std::ostream& out, std::ostream& err)
{
    const std::vector<AcrResult> results
        = ComputeRecordsAcr(model.database, records, model.units, threads);
    err << "korvant-cli: note: " << kAcrSourceNote << ".\n";
    int status = kExitDesigned;
    for (const AcrResult& result : results) {
        const std::string where = "korvant-cli: aircraft record " + std::to_string(result.record);
        if (!result.error.empty())
            status = kExitStopped;
        if (const std::string note = AcrRowNote(result, model.units); !note.empty())
            err << where << ": " << note << '\n';
    }
    if (format == OutputFormat::Json)
        out << AcrJson(results, model.database, model.units, StatusOf(status));
    else
        out << AcrCsv(results, model.database, model.units);
    return status;
}

} // namespace korvant
