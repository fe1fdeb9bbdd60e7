// Pass-to-coverage ratio 1 / (W max f), f the coverage density sampled at whole inches from 0 to
// the dual spacing: one normal curve for a single wheel, the sum of two for a dual. 2 pi is taken
// as 6.28; each density is rounded to 32 bits. The densities span offsets 0 to 100 in, so a
// spacing of 101 in or more is rejected.
#include "engine/pass_to_coverage.h"

#include "engine/domain_checks.h"

#include <cmath>

namespace korvant {

double ComputePassToCoverage(double dualSpacing, double tireContactWidth)
{
    const double s = dualSpacing;
    const double W = tireContactWidth;
    if (!(s >= 0))
        throw DomainError("dual spacing must be at least 0");
    if (!(s < 101))
        throw DomainError("dual spacing must be less than 101 in");
    RequirePositive(W, "tire contact width");

    const double c = 1 / (30.5 * std::pow(6.28, 0.5));
    float max = 0;
    for (int x = 0; x <= s; ++x) {
        const double offset = x;
        double f = 0;
        if (s == 0)
            f = c * std::exp(-0.5 * std::pow(offset / 30.5, 2));
        else
            f = c
                * (std::exp(-0.5 * std::pow(offset / 30.5, 2))
                    + std::exp(-0.5 * std::pow((offset - s) / 30.5, 2)));
        const float density = f32(f);
        if (density > max)
            max = density;
    }
    return CheckedFinite(1 / (W * static_cast<double>(max)), "the pass-to-coverage ratio");
}

} // namespace korvant
