// Kernels of a structure at the grid's nodes for a set of depths.
#include "layered/kernel_table.h"

#include "basics/domain_error.h"

#include <algorithm>
#include <cmath>

namespace korvant::layered {

KernelTable::KernelTable(Structure structure, const std::vector<Depth>& depths)
    : solver_(std::move(structure))
{
    for (const Depth& depth : depths) {
        if (!(depth.z >= 0) || !std::isfinite(depth.z))
            throw DomainError("the depth of a point must be a number of at least 0");
        const auto found = std::find(depths_.begin(), depths_.end(), depth);
        pointDepth_.push_back(static_cast<std::size_t>(found - depths_.begin()));
        if (found == depths_.end()) {
            depths_.push_back(depth);
            layers_.push_back(solver_.structure().layerAt(depth.z, depth.below));
        }
    }
}

double KernelTable::cutoff(std::size_t d, double decay) const
{
    if (!surface(d))
        return decay / depths_[d].z;
    const Structure& s = solver_.structure();
    return s.layerCount() == 1 ? 0.0 : decay / (2 * s.layer(0).thickness);
}

void KernelTable::extend(const HankelGrid& grid, std::size_t nodes)
{
    if (nodes <= nodes_)
        return;
    kernels_.resize(nodes * depths_.size());
    for (std::size_t k = nodes_; k < nodes; ++k) {
        const double m = grid.node(k);
        solver_.solve(m);
        for (std::size_t d = 0; d < depths_.size(); ++d) {
            Kernel kernel = solver_.kernelAt(layers_[d], depths_[d].z);
            if (surface(d)) {
                const Kernel limit = solver_.surfaceLimit(m);
                kernel.vertical -= limit.vertical;
                kernel.shear -= limit.shear;
                kernel.common -= limit.common;
                kernel.radial -= limit.radial;
                kernel.deflection -= limit.deflection;
            }
            kernels_[k * depths_.size() + d] = kernel;
        }
    }
    nodes_ = nodes;
}

} // namespace korvant::layered
