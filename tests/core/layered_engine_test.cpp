// The layered elastic engine against Boussinesq's closed forms for a half-space, against a slow
// integration of its own kernels with std::cyl_bessel_j, the interface conditions it must meet,
// the convergence of its quadrature and the inputs it refuses.
#include "basics/domain_error.h"
#include "layered/analysis.h"
#include "layered/layer_solution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace korvant::layered {
namespace {

constexpr double kQ = 0.7, kA = 150, kE = 100, kNu = 0.35;

// A three-layer system of the rigid ACR's kind: a slab unbonded on a base, bonded on a subgrade.
Structure SlabOnBase(Interface slabBase = Interface::frictionless)
{
    return Structure({ { 27579, 0.15, 400 }, { 500, 0.35, 200 }, { 80, 0.4, 0 } },
        { slabBase, Interface::bonded });
}

// The wheels of a dual tandem gear (dual 30 in., tandem 55 in.) with 1.379 MPa over 220.8 mm.
std::vector<CircularLoad> DualTandem()
{
    std::vector<CircularLoad> loads;
    for (double x : { -381.0, 381.0 })
        for (double y : { -698.5, 698.5 })
            loads.push_back({ 1.379, 220.8, x, y });
    return loads;
}

TEST(LayeredEngine, HalfSpaceGivesBoussinesqOnTheAxis)
{
    // One layer, and three identical bonded layers that must act as one.
    const Structure one({ { kE, kNu, 0 } }, {});
    const Structure three({ { kE, kNu, 100 }, { kE, kNu, 250 }, { kE, kNu, 0 } },
        { Interface::bonded, Interface::bonded });
    for (const Structure* s : { &one, &three }) {
        for (double z : { 0.0, 1.0, 50.0, 100.0, 150.0, 300.0, 1000.0 }) {
            SCOPED_TRACE(testing::Message() << s->layerCount() << " layers, z " << z);
            const double R = std::hypot(kA, z);
            const double c = z * z * z / (R * R * R);
            // Compression positive in the closed forms, tension positive in the engine.
            const double sz = -kQ * (1 - c);
            const double sr = -kQ / 2 * ((1 + 2 * kNu) - 2 * (1 + kNu) * z / R + c);
            const double w = (1 + kNu) * kQ * kA / kE * (kA / R + (1 - 2 * kNu) * (R - z) / kA);
            const AxisymmetricResponse r = AnalyseCircularLoad(*s, kQ, kA, 0, { z, false });
            EXPECT_NEAR(r.vertical, sz, 1e-8 * kQ);
            EXPECT_NEAR(r.radial, sr, 1e-8 * kQ);
            EXPECT_NEAR(r.tangential, sr, 1e-8 * kQ);
            EXPECT_NEAR(r.deflection, w, 1e-9 * w);
        }
        const double centre = 2 * (1 - kNu * kNu) * kQ * kA / kE;
        EXPECT_NEAR(AnalyseCircularLoad(*s, kQ, kA, 0, { 0, false }).deflection, centre, 1e-12);
    }
}

// Off the axis: three identical bonded layers must give the one-layer values at every point
// (which exercises the bonded interface conditions, and at the surface the closed-form terms), and
// the surface deflection inside the load is 4 (1 - nu^2) q a / (pi E) E(r / a).
TEST(LayeredEngine, IdenticalLayersMatchTheHalfSpaceOffTheAxis)
{
    const Structure one({ { kE, kNu, 0 } }, {});
    const Structure three({ { kE, kNu, 80 }, { kE, kNu, 120 }, { kE, kNu, 0 } },
        { Interface::bonded, Interface::bonded });
    for (double r : { 0.0, 75.0, 150.0, 300.0, 2000.0 }) {
        for (double z : { 0.0, 40.0, 80.0, 500.0 }) {
            SCOPED_TRACE(testing::Message() << "r " << r << ", z " << z);
            const AxisymmetricResponse a = AnalyseCircularLoad(one, kQ, kA, r, { z, false });
            const AxisymmetricResponse b = AnalyseCircularLoad(three, kQ, kA, r, { z, false });
            EXPECT_NEAR(a.radial, b.radial, 1e-8 * kQ);
            EXPECT_NEAR(a.tangential, b.tangential, 1e-8 * kQ);
            EXPECT_NEAR(a.vertical, b.vertical, 1e-8 * kQ);
            EXPECT_NEAR(a.shear, b.shear, 1e-8 * kQ);
            EXPECT_NEAR(a.deflection, b.deflection, 1e-8 * a.deflection);
        }
    }
    // Inside the load at the surface: 4 (1 - nu^2) q a / (pi E) E(1/2), E(1/2) = 1.467462209339427.
    const double inside
        = 4 * (1 - kNu * kNu) * kQ * kA / (std::numbers::pi * kE) * 1.467462209339427;
    EXPECT_NEAR(AnalyseCircularLoad(one, kQ, kA, 75, { 0, false }).deflection, inside, 1e-12);
}

// The responses summed by a plain integration: every Bessel value from std::cyl_bessel_j, panels
// ten times finer than the engine's, the cut-off at e^-50, polar stresses rotated per wheel.
Response SlowReference(const Structure& s, const std::vector<CircularLoad>& loads, const Point& p)
{
    LayerSolver solver(s);
    const int layer = s.layerAt(p.z, p.below);
    double reach = 0;
    for (const CircularLoad& l : loads)
        reach = std::max(reach, std::hypot(p.x - l.x, p.y - l.y) + l.radius);
    const double width = 0.1 * std::numbers::pi / reach;
    const double end = 50 / p.z;
    const double x8[]
        = { 0.1834346424956498, 0.5255324099163290, 0.7966664774136267, 0.9602898564975363 };
    const double w8[]
        = { 0.3626837833783620, 0.3137066458778873, 0.2223810344533745, 0.1012285362903763 };
    Response out;
    for (double left = 0; left < end; left += width) {
        for (int i = 0; i < 8; ++i) {
            const double m = left + width / 2 * (1 + (i < 4 ? -x8[i] : x8[i - 4]));
            const double weight = width / 2 * w8[i % 4];
            solver.solve(m);
            const Kernel k = solver.kernelAt(layer, p.z);
            for (const CircularLoad& l : loads) {
                const double g
                    = weight * l.pressure * l.radius * std::cyl_bessel_j(1.0, m * l.radius);
                const double dx = p.x - l.x, dy = p.y - l.y, r = std::hypot(dx, dy);
                const double c = r > 0 ? dx / r : 1, sn = r > 0 ? dy / r : 0;
                const double j0 = std::cyl_bessel_j(0.0, m * r), j1 = std::cyl_bessel_j(1.0, m * r);
                const double q = r > 0 ? j1 / (m * r) : 0.5;
                const double radial = j0 * (k.common + k.radial) - q * k.radial;
                const double tangential = j0 * k.common + q * k.radial;
                out.sxx += g * (radial * c * c + tangential * sn * sn);
                out.syy += g * (radial * sn * sn + tangential * c * c);
                out.txy += g * (radial - tangential) * c * sn;
                out.szz += g * j0 * k.vertical;
                out.txz += g * j1 * k.shear * c;
                out.tyz += g * j1 * k.shear * sn;
                out.deflection += g * j0 * k.deflection;
            }
        }
    }
    return out;
}

TEST(LayeredEngine, AgreesWithASlowReferenceIntegration)
{
    const Structure s = SlabOnBase();
    const std::vector<Point> points = {
        { 381, 698.5, 400 }, // under a wheel, bottom of the slab
        { 0, 698.5, 400 }, // between the duals
        { 1500, -2200, 400 }, // far from the gear
        { 200, 100, 500 }, // in the base
        { 381, -698.5, 900 }, // in the subgrade
    };
    const std::vector<Response> fast = Analyse(s, DualTandem(), points);
    for (std::size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE(i);
        const Response slow = SlowReference(s, DualTandem(), points[i]);
        const double stress = 1e-7; // MPa, against stresses of about 3 MPa
        EXPECT_NEAR(fast[i].sxx, slow.sxx, stress);
        EXPECT_NEAR(fast[i].syy, slow.syy, stress);
        EXPECT_NEAR(fast[i].txy, slow.txy, stress);
        EXPECT_NEAR(fast[i].szz, slow.szz, stress);
        EXPECT_NEAR(fast[i].txz, slow.txz, stress);
        EXPECT_NEAR(fast[i].tyz, slow.tyz, stress);
        EXPECT_NEAR(fast[i].deflection, slow.deflection, 1e-7 * slow.deflection);
    }
}

TEST(LayeredEngine, QuadratureHasConverged)
{
    const Structure s = SlabOnBase();
    std::vector<Point> points;
    for (double x : { 0.0, 381.0, 3000.0 })
        for (double y : { 0.0, 698.5 })
            points.push_back({ x, y, 400 });
    const std::vector<Response> base = Analyse(s, DualTandem(), points);
    IntegrationOptions finer;
    finer.refinement = 2;
    finer.decay = 50;
    const std::vector<Response> check = Analyse(s, DualTandem(), points, finer);
    for (std::size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(HorizontalPrincipal(base[i]), HorizontalPrincipal(check[i]), 1e-8);
        EXPECT_NEAR(base[i].deflection, check[i].deflection, 1e-8 * check[i].deflection);
    }
}

TEST(LayeredEngine, InterfacesMeetTheirConditions)
{
    // Just off a wheel, where the shear on the interface of a bonded slab is large.
    const Point above { 381 + 200, 698.5, 400, false };
    const Point below { 381 + 200, 698.5, 400, true };
    for (Interface i : { Interface::frictionless, Interface::bonded }) {
        SCOPED_TRACE(i == Interface::bonded ? "bonded" : "frictionless");
        const std::vector<Response> r = Analyse(SlabOnBase(i), DualTandem(), { above, below });
        EXPECT_NEAR(r[0].szz, r[1].szz, 1e-9);
        EXPECT_NEAR(r[0].deflection, r[1].deflection, 1e-12);
        if (i == Interface::frictionless) {
            EXPECT_NEAR(r[0].txz, 0, 1e-9);
            EXPECT_NEAR(r[1].txz, 0, 1e-9);
            EXPECT_NEAR(r[0].tyz, 0, 1e-9);
        } else {
            EXPECT_GT(std::fabs(r[0].txz), 1e-3);
            EXPECT_NEAR(r[0].txz, r[1].txz, 1e-9);
            EXPECT_NEAR(r[0].tyz, r[1].tyz, 1e-9);
        }
    }
}

TEST(LayeredEngine, MirroredLoadsGiveMirroredStresses)
{
    std::vector<CircularLoad> mirrored = DualTandem();
    for (CircularLoad& l : mirrored)
        l.x = -l.x;
    const Point p { 150, 300, 400 };
    const Response a = Analyse(SlabOnBase(), DualTandem(), { p })[0];
    const Response b = Analyse(SlabOnBase(), mirrored, { { -p.x, p.y, p.z } })[0];
    EXPECT_NEAR(a.sxx, b.sxx, 1e-12);
    EXPECT_NEAR(a.syy, b.syy, 1e-12);
    EXPECT_NEAR(a.txy, -b.txy, 1e-12);
    EXPECT_NEAR(HorizontalPrincipal(a), HorizontalPrincipal(b), 1e-12);
}

TEST(LayeredEngine, RefusesWhatIsNotAPositiveNumber)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Row
    {
        std::vector<Layer> layers;
        const char* message;
    };
    const Row structures[] = {
        { {}, "at least one layer" },
        { { { 0, 0.3, 100 }, { 50, 0.4, 0 } }, "modulus of layer 1" },
        { { { 100, 0.3, 100 }, { nan, 0.4, 0 } }, "modulus of layer 2" },
        { { { 100, 0.5, 100 }, { 50, 0.4, 0 } }, "Poisson's ratio of layer 1" },
        { { { 100, -1, 100 }, { 50, 0.4, 0 } }, "Poisson's ratio of layer 1" },
        { { { 100, 0.3, 0 }, { 50, 0.4, 0 } }, "thickness of layer 1" },
        { { { 100, 0.3, inf }, { 50, 0.4, 0 } }, "thickness of layer 1" },
    };
    for (const Row& row : structures) {
        SCOPED_TRACE(row.message);
        try {
            const std::vector<Interface> interfaces(
                row.layers.empty() ? 0 : row.layers.size() - 1, Interface::bonded);
            Structure(row.layers, interfaces);
            ADD_FAILURE() << "accepted";
        } catch (const DomainError& error) {
            EXPECT_NE(std::string(error.what()).find(row.message), std::string::npos)
                << error.what();
        }
    }
    EXPECT_THROW(Structure({ { 100, 0.3, 0 } }, { Interface::bonded }), DomainError);

    const Structure s = SlabOnBase();
    const Point p { 0, 0, 400 };
    EXPECT_THROW(Analyse(s, { { 0, 150 } }, { p }), DomainError);
    EXPECT_THROW(Analyse(s, { { 1, -150 } }, { p }), DomainError);
    EXPECT_THROW(Analyse(s, { { 1, 150, nan, 0 } }, { p }), DomainError);
    EXPECT_THROW(Analyse(s, { { 1, 150 } }, { { 0, 0, -1 } }), DomainError);
    EXPECT_THROW(Analyse(s, { { 1, 150 } }, { { inf, 0, 400 } }), DomainError);
    // A point a micrometre under the surface 10 m from the load needs millions of nodes.
    EXPECT_THROW(Analyse(s, { { 1, 150 } }, { { 10000, 0, 0.001 } }), DomainError);
}

} // namespace
} // namespace korvant::layered
