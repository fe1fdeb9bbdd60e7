// Factor by which a slab of finite plan size reduces the edge-load stress.
#pragma once

namespace korvant {

// relA = a / l [0.05, 0.3], relL = slab length / l [2, 7], relW = slab width / l [2, 7], each
// clamped on a 32-bit copy. The result lies in (0, 1] and is exactly 1 when both plan ratios
// are 7 or more; a slab turned by 90 degrees gives the same factor.
float ComputeSlabSizeFactor(double relA, double relL, double relW);

} // namespace korvant
