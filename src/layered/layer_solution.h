// The layered elastic solution at one Hankel parameter m: Burmister's problem for the surface
// pressure J0(m r) (compression), solved through Love's strain function as in Timoshenko &
// Goodier's "Theory of Elasticity" and Huang's "Pavement Analysis and Design" (ch. 2), in the
// stable form of Maina & Matsui (2004): within layer i, between depths top_i and bottom_i,
//   phi = J0(m r) m^-3 { (A + B t) e^t + (C + D u) e^-u },  t = m (z - bottom_i) <= 0,
//                                                            u = m (z - top_i) >= 0,
// so that every exponential is e^-(something >= 0) and none can overflow. The last layer has
// A = B = 0. The 4n - 2 coefficients come from the surface (sigma_z = -J0, tau_rz = 0) and four
// conditions per interface, solved by Gaussian elimination with partial pivoting:
//   bonded        sigma_z, tau_rz, w and u continuous;
//   frictionless  sigma_z and w continuous, tau_rz = 0 on the face above and on the face below.
// Sign conventions: z and w positive downward, stresses positive in tension.
#pragma once

#include "layered/structure.h"

#include <vector>

namespace korvant::layered {

// The response at one depth to the surface pressure J0(m r), as the factors of the Bessel
// functions of m r in each component:
//   sigma_z = J0 vertical                         tau_rz = J1 shear
//   sigma_r = J0 (common + radial) - J1/(m r) radial
//   sigma_t = J0 common + J1/(m r) radial         w = J0 deflection
struct Kernel
{
    double vertical = 0;
    double shear = 0;
    double common = 0;
    double radial = 0;
    double deflection = 0; // mm per MPa of pressure amplitude
};

class LayerSolver
{
public:
    explicit LayerSolver(Structure structure);

    const Structure& structure() const { return structure_; }

    // Solves the boundary conditions at m > 0 (1/mm); the kernels below then belong to this m.
    void solve(double m);
    // The kernel at depth z (mm) in `layer`, which must contain z.
    Kernel kernelAt(int layer, double z) const;
    // The limit of the kernel at the surface as m grows: the half-space of the first layer alone
    // (sigma_z = -1, tau_rz = 0, w = 2 (1 - nu^2) / (E m)).
    Kernel surfaceLimit(double m) const;

private:
    Structure structure_;
    int unknowns_ = 0;
    double m_ = 0;
    std::vector<double> matrix_; // unknowns_ rows of unknowns_ + 1 (the right-hand side last)
    std::vector<double> coefficients_; // A, B, C, D of each layer; C, D of the last
    std::vector<double> flexibility_; // (1 + nu) / E of each layer

    void assemble();
    void eliminate();
};

} // namespace korvant::layered
