// The layer solution at the nodes of a grid, kept as the kernels of a few depths: solving the
// layers is the costly part of a Hankel integral and depends only on the structure and m, not on
// the loads or their plan, so one table serves every load and plan at those depths.
#pragma once

#include "layered/hankel_grid.h"
#include "layered/layer_solution.h"

#include <vector>

namespace korvant::layered {

struct Depth
{
    double z = 0; // mm below the surface, >= 0
    bool below = false; // at an interface's depth: the top of the layer below, not the bottom above

    bool operator==(const Depth&) const = default;
};

class KernelTable
{
public:
    // `depths` holds the depth of each point (repeated depths are solved once). Throws DomainError
    // for a depth that is negative or not finite.
    KernelTable(Structure structure, const std::vector<Depth>& depths);

    const Structure& structure() const { return solver_.structure(); }
    // The depth entry of point p, and the distinct depths.
    std::size_t depthOf(std::size_t point) const { return pointDepth_[point]; }
    std::size_t depthCount() const { return depths_.size(); }
    const Depth& depth(std::size_t d) const { return depths_[d]; }
    int layerOf(std::size_t d) const { return layers_[d]; }
    // A surface depth (z = 0) keeps the kernel less its large-m limit, whose integral is known in
    // closed form (see response.h).
    bool surface(std::size_t d) const { return depths_[d].z == 0; }

    // The m beyond which the kernel of depth d is below e^-decay of its scale: decay / z below
    // the surface; at the surface the kernel less its limit decays like e^-2mh of the first
    // layer, and vanishes for a half-space.
    double cutoff(std::size_t d, double decay) const;

    // Solves the layers at the first `nodes` nodes of `grid` (always the same grid).
    void extend(const HankelGrid& grid, std::size_t nodes);
    const Kernel& kernel(std::size_t node, std::size_t d) const
    {
        return kernels_[node * depths_.size() + d];
    }

private:
    LayerSolver solver_;
    std::vector<Depth> depths_;
    std::vector<int> layers_;
    std::vector<std::size_t> pointDepth_;
    std::vector<Kernel> kernels_;
    std::size_t nodes_ = 0;
};

} // namespace korvant::layered
