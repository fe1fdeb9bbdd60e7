// The factors between the English units the design works in and the Metric units the window can
// show, and the exact factors of the ACR. Each place that converts keeps its own order of
// operations with these factors, so that every converted value keeps its bits.
#pragma once

namespace korvant {

inline constexpr double kKilopascalPerPsi = 6.89; // E, Sc, E2, tire pressure, stresses
inline constexpr double kCentimetrePerInch = 2.54; // thicknesses, spacings, contact width
inline constexpr double kMillimetrePerInch = 25.4; // precipitation
inline constexpr double kInchesPerFoot = 12; // slab length and width
inline constexpr double kCentimetrePerMetre = 100;
inline constexpr double kMillimetrePerCentimetre = 10;
inline constexpr double kKilopascalPerMmPerPci = 0.271; // modulus of subgrade reaction
inline constexpr double kMetrePerSecondPerMph = 0.447; // wind speed
inline constexpr double kKilonewtonPerPound = 0.00445; // gross weight
inline constexpr double kPsiPerMegapascal = 145.0377; // the subgrade modulus of the PCR's category

// The exact factors of the ACR, which works in SI units (N, MPa, mm, kg).
inline constexpr double kGravity = 9.80665; // m/s^2
inline constexpr double kKilogramPerPound = 0.45359237;
inline constexpr double kMegapascalPerPsi = 0.0068947572931783;

} // namespace korvant
