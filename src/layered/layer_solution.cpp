// Assembly and solution of the layer coefficients at one m, and the kernels they give at a depth.
// In a layer with Poisson's ratio v, the four quantities at a point with t, u, e1 = e^t and
// e2 = e^-u are linear in A, B (times e1) and C, D (times e2):
//   sigma_z   A: -1   B: (1 - 2v) - t       C:  1   D: (1 - 2v) + u
//   tau_rz    A:  1   B: 2v + t             C:  1   D: u - 2v
//   w E m/(1+v)  A: -1  B: 2(1 - 2v) - t    C: -1   D: -2(1 - 2v) - u
//   u E m/(1+v)  A:  1  B: 1 + t            C: -1   D: 1 - u
// (from phi above: sigma_z = d/dz[(2 - v) lap phi - phi_zz], tau_rz = d/dr[(1 - v) lap phi -
// phi_zz], 2G w = 2(1 - v) lap phi - phi_zz, 2G u = -phi_rz). The displacement rows drop the common
// 1/m and are scaled by the larger flexibility (1 + v)/E of the two layers, so every entry is at
// most 1.
#include "layered/layer_solution.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace korvant::layered {
namespace {

enum class Quantity { vertical, shear, deflection, radial };

// The products t e1 and u e2 with an exponential that underflowed to 0 taken as 0 (t or u may
// then be infinite).
double Scaled(double e, double s)
{
    return e == 0 ? 0.0 : s * e;
}

// Factors of A, B, C, D for quantity q at a point of a layer with Poisson's ratio v.
struct Row
{
    double a, b, c, d;
};

Row RowOf(Quantity q, double v, double t, double e1, double u, double e2)
{
    const double te = Scaled(e1, t);
    const double ue = Scaled(e2, u);
    switch (q) {
    case Quantity::vertical:
        return { -e1, (1 - 2 * v) * e1 - te, e2, (1 - 2 * v) * e2 + ue };
    case Quantity::shear:
        return { e1, 2 * v * e1 + te, e2, ue - 2 * v * e2 };
    case Quantity::deflection:
        return { -e1, 2 * (1 - 2 * v) * e1 - te, -e2, -2 * (1 - 2 * v) * e2 - ue };
    case Quantity::radial:
        break;
    }
    return { e1, e1 + te, -e2, e2 - ue };
}

} // namespace

LayerSolver::LayerSolver(Structure structure)
    : structure_(std::move(structure))
    , unknowns_(4 * structure_.layerCount() - 2)
{
    const auto n = static_cast<std::size_t>(unknowns_);
    matrix_.assign(n * (n + 1), 0.0);
    coefficients_.assign(n, 0.0);
    for (int i = 0; i < structure_.layerCount(); ++i) {
        const Layer& layer = structure_.layer(i);
        flexibility_.push_back((1 + layer.poisson) / layer.modulus);
    }
}

void LayerSolver::solve(double m)
{
    m_ = m;
    assemble();
    eliminate();
}

void LayerSolver::assemble()
{
    const int n = structure_.layerCount();
    const auto width = static_cast<std::size_t>(unknowns_ + 1);
    std::fill(matrix_.begin(), matrix_.end(), 0.0);
    auto at = [&](int row, int column) -> double& {
        return matrix_[static_cast<std::size_t>(row) * width + static_cast<std::size_t>(column)];
    };
    // Adds factor * quantity of layer i at its top (or bottom) to `row`.
    auto add = [&](int row, int i, bool bottom, Quantity q, double factor) {
        const Layer& layer = structure_.layer(i);
        const bool last = i == n - 1;
        const double mh = last ? 0.0 : m_ * layer.thickness;
        const double e = std::exp(-mh);
        // Top: t = -m h, e1 = e^-mh, u = 0, e2 = 1. Bottom: t = 0, e1 = 1, u = m h, e2 = e^-mh.
        const Row r = bottom ? RowOf(q, layer.poisson, 0.0, 1.0, mh, e)
                             : RowOf(q, layer.poisson, -mh, e, 0.0, 1.0);
        const int base = 4 * i;
        if (last) {
            at(row, base) += factor * r.c;
            at(row, base + 1) += factor * r.d;
            return;
        }
        at(row, base) += factor * r.a;
        at(row, base + 1) += factor * r.b;
        at(row, base + 2) += factor * r.c;
        at(row, base + 3) += factor * r.d;
    };
    add(0, 0, false, Quantity::vertical, 1);
    at(0, unknowns_) = -1;
    add(1, 0, false, Quantity::shear, 1);
    for (int i = 0; i + 1 < n; ++i) {
        const int row = 2 + 4 * i;
        const std::size_t upper = static_cast<std::size_t>(i);
        const double larger = std::max(flexibility_[upper], flexibility_[upper + 1]);
        const double fUpper = flexibility_[upper] / larger;
        const double fLower = flexibility_[upper + 1] / larger;
        add(row, i, true, Quantity::vertical, 1);
        add(row, i + 1, false, Quantity::vertical, -1);
        add(row + 1, i, true, Quantity::deflection, fUpper);
        add(row + 1, i + 1, false, Quantity::deflection, -fLower);
        if (structure_.interfaceBelow(i) == Interface::bonded) {
            add(row + 2, i, true, Quantity::shear, 1);
            add(row + 2, i + 1, false, Quantity::shear, -1);
            add(row + 3, i, true, Quantity::radial, fUpper);
            add(row + 3, i + 1, false, Quantity::radial, -fLower);
        } else {
            add(row + 2, i, true, Quantity::shear, 1);
            add(row + 3, i + 1, false, Quantity::shear, 1);
        }
    }
}

void LayerSolver::eliminate()
{
    const auto n = static_cast<std::size_t>(unknowns_);
    const std::size_t width = n + 1;
    double* a = matrix_.data();
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < n; ++row)
            if (std::fabs(a[row * width + col]) > std::fabs(a[pivot * width + col]))
                pivot = row;
        if (pivot != col)
            std::swap_ranges(
                a + col * width + col, a + col * width + width, a + pivot * width + col);
        const double diagonal = a[col * width + col];
        // A singular system (only for inputs far outside any pavement) leaves zero coefficients
        // for the caller's finite-result check rather than dividing by zero.
        if (diagonal == 0)
            continue;
        for (std::size_t row = col + 1; row < n; ++row) {
            const double factor = a[row * width + col] / diagonal;
            if (factor == 0)
                continue;
            for (std::size_t k = col; k < width; ++k)
                a[row * width + k] -= factor * a[col * width + k];
        }
    }
    for (std::size_t row = n; row-- > 0;) {
        double sum = a[row * width + n];
        for (std::size_t k = row + 1; k < n; ++k)
            sum -= a[row * width + k] * coefficients_[k];
        const double diagonal = a[row * width + row];
        coefficients_[row] = diagonal == 0 ? 0.0 : sum / diagonal;
    }
}

Kernel LayerSolver::kernelAt(int layer, double z) const
{
    const Layer& l = structure_.layer(layer);
    const double v = l.poisson;
    const bool last = layer == structure_.layerCount() - 1;
    const std::size_t base = static_cast<std::size_t>(4 * layer);
    double A = 0;
    double B = 0;
    double C = 0;
    double D = 0;
    double t = 0;
    double e1 = 0;
    if (last) {
        C = coefficients_[base];
        D = coefficients_[base + 1];
    } else {
        A = coefficients_[base];
        B = coefficients_[base + 1];
        C = coefficients_[base + 2];
        D = coefficients_[base + 3];
        t = std::min(0.0, m_ * (z - (structure_.topOf(layer) + l.thickness)));
        e1 = std::exp(t);
    }
    const double u = std::max(0.0, m_ * (z - structure_.topOf(layer)));
    const double e2 = std::exp(-u);
    const double te = Scaled(e1, t);
    const double ue = Scaled(e2, u);
    const double bt = B * te;
    const double du = D * ue;
    Kernel k;
    k.vertical = -A * e1 + (1 - 2 * v) * B * e1 - bt + C * e2 + (1 - 2 * v) * D * e2 + du;
    k.shear = A * e1 + 2 * v * B * e1 + bt + C * e2 - 2 * v * D * e2 + du;
    k.common = 2 * v * (B * e1 + D * e2);
    k.radial = A * e1 + B * e1 + bt - C * e2 + D * e2 - du;
    k.deflection = flexibility_[static_cast<std::size_t>(layer)] / m_
        * (-A * e1 + 2 * (1 - 2 * v) * B * e1 - bt - C * e2 - 2 * (1 - 2 * v) * D * e2 - du);
    return k;
}

Kernel LayerSolver::surfaceLimit(double m) const
{
    const Layer& l = structure_.layer(0);
    Kernel k;
    k.vertical = -1;
    k.shear = 0;
    k.common = -2 * l.poisson;
    k.radial = -(1 - 2 * l.poisson);
    k.deflection = 2 * (1 - l.poisson * l.poisson) / (l.modulus * m);
    return k;
}

} // namespace korvant::layered
