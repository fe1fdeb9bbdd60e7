// Pass-to-coverage ratio: the passes that give one coverage at the most covered point, with the
// gear's lateral position normally distributed (standard deviation 30.5 in).
#pragma once

namespace korvant {

// dualSpacing (in, 0 = single wheel, less than 101), tireContactWidth (in).
double ComputePassToCoverage(double dualSpacing, double tireContactWidth);

} // namespace korvant
