// Two-layer stress ratio: the edge-load stress in the concrete of a slab on a bonded or unbonded
// bottom layer, over the stress of the concrete slab alone, by the equivalent-thickness method.
#pragma once

namespace korvant {

// layerMode 1 is bonded, 2 unbonded; any other mode is the one-layer system and gives exactly 1
// without reading E2 and h2. a and h in inches, E, E2 in psi, k in pci, h2 in inches.
double ComputeLayerFactor(
    int layerMode, double a, float h, double E, double k, double E2, double h2);

} // namespace korvant
