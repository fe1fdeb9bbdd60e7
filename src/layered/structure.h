// A layered elastic structure: horizontal layers of linear elastic, isotropic material, the last
// one of infinite depth, each interface either bonded or frictionless. Units: millimetres and
// megapascals (any consistent pair works; the engine only divides them).
#pragma once

#include <vector>

namespace korvant::layered {

struct Layer
{
    double modulus = 0; // Young's modulus E, MPa
    double poisson = 0; // Poisson's ratio, -1 < nu < 0.5
    double thickness = 0; // mm; not used for the last layer, which is infinitely deep
};

enum class Interface {
    bonded, // stresses and displacements continuous
    frictionless // normal stress and vertical displacement continuous, no shear on either face
};

class Structure
{
public:
    // Throws DomainError, naming the layer and the value, for an empty list, a modulus that is not
    // a positive number, a Poisson's ratio outside (-1, 0.5), a thickness of a layer above the last
    // that is not a positive number, or a number of interfaces other than layers - 1.
    Structure(std::vector<Layer> layers, std::vector<Interface> interfaces);

    int layerCount() const { return static_cast<int>(layers_.size()); }
    const Layer& layer(int i) const { return layers_[static_cast<std::size_t>(i)]; }
    // The interface under layer i (0 <= i < layerCount() - 1).
    Interface interfaceBelow(int i) const { return interfaces_[static_cast<std::size_t>(i)]; }
    // Depth of the top of layer i (0 for the first, the sum of the thicknesses above it).
    double topOf(int i) const { return tops_[static_cast<std::size_t>(i)]; }
    // The layer whose stresses are reported at depth z >= 0: at an interface's depth the layer
    // above it, or the layer below it when `below` is set.
    int layerAt(double z, bool below = false) const;
    // A length that bounds the reach of the structure's response: the thicknesses above the last
    // layer, each scaled to the last layer's modulus as (E_i / E_last)^(1/3) (Odemark's equivalent
    // thickness), so a stiff slab on a soft subgrade counts as the plate it acts like.
    double equivalentThickness() const;

private:
    std::vector<Layer> layers_;
    std::vector<Interface> interfaces_;
    std::vector<double> tops_;
};

} // namespace korvant::layered
