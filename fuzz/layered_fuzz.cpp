// Fuzz target of the layered elastic engine: a structure of 1 to 5 layers with bonded or
// frictionless interfaces, 1 to 4 circular loads and 1 to 4 points, all read from the bytes (see
// Reader), through Analyse and AnalyseCircularLoad. The engine either refuses the input with a
// DomainError or returns finite numbers only; the grid's node limit bounds the work of one input.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "basics/domain_error.h"
#include "fuzz_check.h"
#include "layered/analysis.h"

namespace korvant {
namespace {

// Numbers from the bytes. A selector byte below 240 takes the next two bytes as a fraction that
// spreads the number over [lo, hi] on a log scale (so every magnitude of a real pavement and far
// beyond is reached); 240..247 pick a value outside every domain; 248 and up take the next eight
// bytes as the bits of a double. Missing bytes read as 0.
class Reader
{
public:
    Reader(const std::uint8_t* bytes, std::size_t size)
        : bytes_(bytes)
        , size_(size)
    {
    }

    std::uint8_t byte() { return at_ < size_ ? bytes_[at_++] : 0; }

    double fraction()
    {
        const unsigned high = byte();
        return static_cast<double>(high << 8 | byte()) / 65535.0;
    }

    double number(double lo, double hi)
    {
        const std::uint8_t selector = byte();
        if (selector < 240)
            return lo * std::pow(hi / lo, fraction());
        if (selector < 248) {
            constexpr double nan = std::numeric_limits<double>::quiet_NaN();
            constexpr double inf = std::numeric_limits<double>::infinity();
            constexpr double kOdd[] = { 0.0, -1.0, nan, inf, -inf, 1e-300, 1e300, 0.5 };
            return kOdd[selector - 240];
        }
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = bits << 8 | byte();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // A coordinate: a magnitude as above with the sign of the selector's lowest bit.
    double coordinate(double hi)
    {
        const bool negative = (size_ > at_ ? bytes_[at_] : 0) & 1;
        const double magnitude = number(1e-3, hi);
        return negative ? -magnitude : magnitude;
    }

    double poisson()
    {
        const std::uint8_t selector = byte();
        if (selector < 240)
            return -0.99 + 1.489 * fraction();
        return selector % 2 == 0 ? 0.5 : -1.0;
    }

private:
    const std::uint8_t* bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void CheckFinite(const layered::Response& r, const std::string& where)
{
    const double values[] = { r.sxx, r.syy, r.szz, r.txy, r.txz, r.tyz, r.deflection };
    for (double v : values)
        FuzzCheck(std::isfinite(v), "the engine returns finite numbers only", where);
}

} // namespace
} // namespace korvant

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    using namespace korvant;
    using namespace korvant::layered;
    Reader in(bytes, size);
    const int layerCount = in.byte() % 5 + 1;
    const std::uint8_t bonds = in.byte();
    std::vector<Layer> layers;
    std::vector<Interface> interfaces;
    for (int i = 0; i < layerCount; ++i) {
        Layer layer;
        layer.modulus = in.number(1e-2, 1e7);
        layer.poisson = in.poisson();
        layer.thickness = in.number(1e-1, 1e5);
        layers.push_back(layer);
        if (i + 1 < layerCount)
            interfaces.push_back(
                (bonds >> i & 1) != 0 ? Interface::frictionless : Interface::bonded);
    }
    std::vector<CircularLoad> loads(static_cast<std::size_t>(in.byte() % 4 + 1));
    for (CircularLoad& load : loads) {
        load.pressure = in.number(1e-3, 1e2);
        load.radius = in.number(1e-1, 1e4);
        load.x = in.coordinate(1e5);
        load.y = in.coordinate(1e5);
    }
    std::vector<Point> points(static_cast<std::size_t>(in.byte() % 4 + 1));
    for (Point& point : points) {
        point.x = in.coordinate(1e5);
        point.y = in.coordinate(1e5);
        const std::uint8_t where = in.byte();
        // At the surface, at an interface (either face) or anywhere.
        point.z = where % 4 == 0 ? 0.0 : in.number(1e-2, 1e5);
        point.below = (where & 4) != 0;
    }
    IntegrationOptions options;
    options.maxNodes = 1 << 12;
    try {
        const Structure structure(layers, interfaces);
        for (std::size_t i = 1; i < points.size() && i < layers.size(); ++i)
            if (points[i].z != 0 && size > 0 && (bytes[0] & 0x80) != 0)
                points[i].z = structure.topOf(static_cast<int>(i));
        const std::vector<Response> responses = Analyse(structure, loads, points, options);
        FuzzCheck(responses.size() == points.size(), "one response per point");
        for (const Response& r : responses)
            CheckFinite(r, "Analyse");
        const CircularLoad& load = loads.front();
        const AxisymmetricResponse a = AnalyseCircularLoad(structure, load.pressure, load.radius,
            std::hypot(points[0].x, points[0].y), { points[0].z, points[0].below }, options);
        for (double v : { a.radial, a.tangential, a.vertical, a.shear, a.deflection })
            FuzzCheck(std::isfinite(v), "the axisymmetric response is finite");
    } catch (const DomainError&) {
        // A refusal, with its message: the engine's answer to an input outside its domain.
    }
    return 0;
}
