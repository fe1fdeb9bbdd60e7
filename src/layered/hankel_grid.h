// The quadrature over the Hankel parameter m: Gauss-Legendre panels of 8 points. The first panel
// is [0, start]; the next ones grow by half their left end each (so a kernel that varies like
// e^-(m d) is sampled alike at every scale d) until they reach `width`, which then stays: one
// period of the fastest oscillation J1(m a) J0(m r) of the integrand, 2 pi / (a + r). Panels are
// added as far as a caller needs, so one grid serves a search that moves the cut-off.
#pragma once

#include <cstddef>
#include <vector>

namespace korvant::layered {

class HankelGrid
{
public:
    static constexpr int kPointsPerPanel = 8;

    // Throws DomainError unless 0 < start and 0 < width are finite. `maxNodes` bounds the work of
    // any integral over this grid; `refinement` splits every panel into that many equal ones (to
    // check the quadrature's convergence).
    HankelGrid(double start, double width, std::size_t maxNodes, int refinement = 1);

    // The number of nodes in the panels that start below `cutoff` (1/mm), adding panels as needed;
    // throws DomainError when that takes more than maxNodes.
    std::size_t nodesBelow(double cutoff);

    double node(std::size_t k) const { return nodes_[k]; }
    double weight(std::size_t k) const { return weights_[k]; }
    double width() const { return width_; }

private:
    double start_, width_;
    std::size_t maxNodes_;
    int refinement_;
    double end_ = 0; // right end of the last panel
    std::vector<double> nodes_, weights_;

    void addPanel(double left, double right);
};

} // namespace korvant::layered
