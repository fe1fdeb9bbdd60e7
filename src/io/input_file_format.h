// The line format of input data files, shared by their reader and their writer:
//   1 "KORVANT-" and the descriptive title     6 Txtk
//   2 "****ENG****" or "****SI****"           7 empty
//   3 empty                                    8 "***Aircraft"
//   4 TxtE                                     9 the aircraft count, in print form (" 3 ")
//   5 TxtSc                                    then per aircraft its record number in print form
//                                              and its fields 2..9, one a line
//   then "***Project" and key=value lines: TxtE2, txth2, txtL, txtW, TxtPrec, TxtTemp, TxtWind,
//   layerMode, bondno
// Texts are written exactly as held and read back unchanged; nothing in the file is converted.
#pragma once

#include <cstddef>
#include <string>

#include "basics/aircraft_fields.h"
#include "io/input_file.h"

namespace korvant::input_format {

inline constexpr const char* kEnglishMarker = "****ENG****";
inline constexpr const char* kMetricMarker = "****SI****";
inline constexpr const char* kAircraftMarker = "***Aircraft";
inline constexpr const char* kLineEnd = "\r\n";
inline constexpr int kAircraftLines = 9; // the record number and fields 2..9
inline constexpr int kCountLine = 9;
// The last line that a file of a whole traffic mix holds.
inline constexpr std::size_t kLastLine = kCountLine + kMaxAircraftRecords * kAircraftLines;
inline constexpr const char* kLayerModeKey = "layerMode";
inline constexpr const char* kBondKey = "bondno";

// The name of value v (0..7) of an aircraft in messages.
inline std::string ValueName(std::size_t v)
{
    return AircraftFieldInfoOf(InputFileValueField(v)).word;
}

} // namespace korvant::input_format
