// Network factor applied to the curling stress when it is combined with the load stress.
#pragma once

namespace korvant {

// p1 = slab width / l [3, 11], p2 = slab length / l [3, 11], p3 = 5.5 * temperature differential
// in degF [5.5, 22], p4 = a / l [0.05, 0.3], p5 = 10^5 (gross weight h / k) / l^4 [2.61, 140.74],
// p6 = 10^5 (0.087 h^2 / k) / l^2 [1.06, 9.93]; each is clamped on a 32-bit copy of its own.
float CurlFactorNet(double p1, double p2, double p3, double p4, double p5, double p6);

} // namespace korvant
