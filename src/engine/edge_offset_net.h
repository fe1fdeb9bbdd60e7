// Network ratio of the edge-load stress with the load at an offset d from the slab edge to the
// stress with the load at the edge, both lengths relative to the radius of relative stiffness l.
#pragma once

#include <span>

namespace korvant {

// d = offset / l, clamped to [0, 2]; r = a / l, clamped to [0.1, 0.4]. Both clamped values are
// written back. Exactly 1 for d <= 0.
float EdgeOffsetNet(float& d, float& r);

// The ratio for several offsets d at one r, evaluated side by side: rho[i] for d[i] (at most
// 16 offsets), the same bits as one by one.
void EdgeOffsetNets(std::span<float> d, float& r, std::span<float> rho);

} // namespace korvant
