// A design session over the small test catalogue, and the scripted prompter.
#pragma once

#include "design/design_model.h"
#include "scripted_prompter.h"
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

} // namespace korvant::testing
