// The sessions the benchmarks design: traffic mixes spread over the bundled catalogue from heavy
// to light, the lightest aircraft left out; the 65th record repeats the heaviest.
#pragma once

#include "design/design_model.h"
#include "traffic/aircraft_database.h"

namespace korvant {

inline DesignModel SessionWithMix(int aircraft)
{
    DesignModel model;
    ReadAircraftData(KORVANT_CATALOGUE, model.database);
    AircraftDatabase& db = model.database;
    db.record(1) = db.record(2);
    for (int row = db.recordCount + 1; row <= AircraftDatabase::kMaxRecords; ++row)
        db.record(row) = db.record(db.recordCount);
    db.recordCount = AircraftDatabase::kMaxRecords;
    // Spread the mix over the catalogue from heavy to light.
    for (int i = 0; i < aircraft; ++i)
        model.mix.add(
            AircraftDatabase::kMaxRecords - (i * AircraftDatabase::kMaxRecords) / aircraft);
    return model;
}

} // namespace korvant
