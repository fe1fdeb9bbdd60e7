// The data of the two damage charts of a design: the total damage of the mix over the slab
// thickness from 4 to 30 in, with the bisection's trials and the design point, for a logarithmic
// damage axis; and each aircraft's share of the damage at the design thickness. The window only
// draws them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "design/aircraft_step.h"

namespace korvant {

struct ChartPoint
{
    double thickness = 0; // in the session's unit (in or cm)
    double damage = 0; // total damage of the mix
    bool operator==(const ChartPoint&) const = default;
};

struct DamageCurve
{
    std::string unit; // "in" or "cm"
    double thicknessMin = 0, thicknessMax = 0; // the axis: 4 to 30 in in the session's unit
    double thicknessStep = 0; // between its labels: 2 in or 10 cm
    // Whole powers of ten around every point, within 1e-6 and 1e6: the damage far from 1 says
    // nothing more, and the points beyond lie at the edge of the chart.
    double damageMin = 1, damageMax = 1;
    std::vector<ChartPoint> curve; // by rising thickness, the trials' thicknesses among them
    std::vector<ChartPoint> trials; // in the order they ran, those on the axis with damage > 0
    std::optional<ChartPoint> design; // the last trial, when it lies on the axis
    // Why points are missing, "" when none is: a thickness where a model left its domain, totals
    // of 0 or more than any number, which a logarithmic axis cannot show.
    std::string note;
};

// The curve of the last design at `samples` evenly spaced thicknesses from 4 to 30 in and at
// every trial thickness within them, each by the design's own mix damage. A thickness where the
// mix cannot be evaluated is left out and named in the note. An empty trace gives an empty curve.
DamageCurve DamageCurveOf(const DesignTrace& trace, UnitSystem units, int samples = 105);
// The curve of a design's result, whose note begins with what the engineer must know beside
// its thickness (DesignNotes).
DamageCurve DamageCurveOf(const DesignResult& result, UnitSystem units);

struct DamageShare
{
    std::string aircraft;
    float damageRatio = 0; // percent of the fatigue life, as the report prints it
    double share = 0; // percent of the mix's total damage
    double shownShare = 0; // rounded to 0.1 %, as the bar's label shows it
    bool governing = false; // the largest share (the first of equal ones)
};

// One bar per aircraft of the mix, in mix order, at the design thickness.
std::vector<DamageShare> DamageSharesOf(const DesignTrace& trace);

// The charts' titles: "Total damage of the mix over the slab thickness, design 16.3 in" and
// "Share of the damage at 16.3 in: B747-400 governs (50.4 %)"; "" for an empty trace.
std::string DamageCurveTitle(const DesignTrace& trace, UnitSystem units);
std::string DamageSharesTitle(const DesignTrace& trace, UnitSystem units);

} // namespace korvant
