// Checks and depths of a layered structure.
#include "layered/structure.h"

#include "basics/domain_error.h"

#include <cmath>
#include <sstream>
#include <string>

namespace korvant::layered {
namespace {

std::string Shown(double x)
{
    std::ostringstream out;
    out << x;
    return out.str();
}

void RequirePositiveNumber(double x, const std::string& what)
{
    if (!(x > 0) || !std::isfinite(x))
        throw DomainError(what + " must be a positive number, not " + Shown(x));
}

} // namespace

Structure::Structure(std::vector<Layer> layers, std::vector<Interface> interfaces)
    : layers_(std::move(layers))
    , interfaces_(std::move(interfaces))
{
    if (layers_.empty())
        throw DomainError("a layered structure needs at least one layer");
    if (interfaces_.size() + 1 != layers_.size())
        throw DomainError("a structure of " + std::to_string(layers_.size()) + " layers has "
            + std::to_string(layers_.size() - 1) + " interfaces, not "
            + std::to_string(interfaces_.size()));
    double depth = 0;
    for (std::size_t i = 0; i < layers_.size(); ++i) {
        const Layer& layer = layers_[i];
        const std::string name = "layer " + std::to_string(i + 1);
        RequirePositiveNumber(layer.modulus, "the modulus of " + name);
        if (!(layer.poisson > -1 && layer.poisson < 0.5))
            throw DomainError("the Poisson's ratio of " + name
                + " must lie between -1 and 0.5, not " + std::to_string(layer.poisson));
        tops_.push_back(depth);
        if (i + 1 < layers_.size()) {
            RequirePositiveNumber(layer.thickness, "the thickness of " + name);
            depth += layer.thickness;
            if (!std::isfinite(depth))
                throw DomainError("the depth of the layers exceeds the range of numbers");
        }
    }
}

int Structure::layerAt(double z, bool below) const
{
    int i = layerCount() - 1;
    while (i > 0 && (below ? z < topOf(i) : z <= topOf(i)))
        --i;
    return i;
}

double Structure::equivalentThickness() const
{
    const double last = layers_.back().modulus;
    double sum = 0;
    for (std::size_t i = 0; i + 1 < layers_.size(); ++i)
        sum += layers_[i].thickness * std::cbrt(layers_[i].modulus / last);
    return sum;
}

} // namespace korvant::layered
