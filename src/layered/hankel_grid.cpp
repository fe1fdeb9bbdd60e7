// Gauss-Legendre panels; the 8-point abscissas and weights are those of Abramowitz & Stegun,
// table 25.4.
#include "layered/hankel_grid.h"

#include "basics/domain_error.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace korvant::layered {
namespace {

constexpr double kAbscissas[] = { 0.1834346424956498049, 0.5255324099163289858,
    0.7966664774136267396, 0.9602898564975362317 };
constexpr double kWeights[] = { 0.3626837833783619830, 0.3137066458778872873, 0.2223810344533744706,
    0.1012285362903762591 };

} // namespace

HankelGrid::HankelGrid(double start, double width, std::size_t maxNodes, int refinement)
    : start_(start)
    , width_(width)
    , maxNodes_(maxNodes)
    , refinement_(refinement)
{
    if (!(start > 0) || !std::isfinite(start) || !(width > 0) || !std::isfinite(width)
        || refinement < 1)
        throw DomainError("the integration grid needs a positive first panel and panel width");
}

void HankelGrid::addPanel(double left, double right)
{
    const double part = (right - left) / refinement_;
    for (int j = 0; j < refinement_; ++j) {
        const double half = part / 2;
        const double middle = left + part * (j + 0.5);
        for (int i = 3; i >= 0; --i) {
            nodes_.push_back(middle - half * kAbscissas[i]);
            weights_.push_back(half * kWeights[i]);
        }
        for (int i = 0; i < 4; ++i) {
            nodes_.push_back(middle + half * kAbscissas[i]);
            weights_.push_back(half * kWeights[i]);
        }
    }
    end_ = right;
}

std::size_t HankelGrid::nodesBelow(double cutoff)
{
    while (end_ < cutoff) {
        if (nodes_.size() + static_cast<std::size_t>(kPointsPerPanel * refinement_) > maxNodes_)
            throw DomainError("the Hankel integral needs more than " + std::to_string(maxNodes_)
                + " points: a point lies too near the surface for its distance from the loads");
        const double left = end_;
        const double step = left == 0 ? start_ : std::min(width_, left / 2);
        addPanel(left, left + step);
    }
    // Nodes are in increasing order; whole panels below the cut-off.
    const auto firstAbove = std::lower_bound(nodes_.begin(), nodes_.end(), cutoff);
    const auto count = static_cast<std::size_t>(firstAbove - nodes_.begin());
    return (count + kPointsPerPanel - 1) / kPointsPerPanel * kPointsPerPanel;
}

} // namespace korvant::layered
