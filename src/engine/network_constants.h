// Builds the constant part of a fixed network's weight set from tables written as decimal
// numbers: each constant is read as a 64-bit value and rounded to 32 bits, node i of a table
// being row i - 1, input slot j column j - 1, and so on; entries a table leaves out stay 0.
#pragma once

#include "basics/domain_error.h"
#include "engine/network.h"

#include <cstddef>

namespace korvant {

template <std::size_t Nodes, std::size_t Inputs, std::size_t Pieces, std::size_t Terms>
NetworkWeights MakeNetworkWeights(const double (&inputWeight)[Nodes][Inputs],
    const double (&breakpoint)[Nodes][Pieces - 1],
    const double (&coefficient)[Nodes][Pieces][Terms], const double (&outputWeight)[Nodes + 1])
{
    static_assert(Nodes <= 3 && Inputs <= 17 && Pieces <= 3 && Terms <= 6);
    NetworkWeights w;
    w.nodeCount = static_cast<int>(Nodes);
    w.inputCount = static_cast<int>(Inputs);
    for (std::size_t i = 0; i < Nodes; ++i) {
        for (std::size_t j = 0; j < Inputs; ++j)
            w.InputWeight[i + 1][j + 1] = f32(inputWeight[i][j]);
        for (std::size_t m = 0; m + 1 < Pieces; ++m)
            w.Breakpoint[i + 1][m + 1] = f32(breakpoint[i][m]);
        for (std::size_t p = 0; p < Pieces; ++p)
            for (std::size_t n = 0; n < Terms; ++n)
                w.Coefficient[i + 1][p + 1][n + 1] = f32(coefficient[i][p][n]);
    }
    for (std::size_t k = 0; k <= Nodes; ++k)
        w.OutputWeight[k] = f32(outputWeight[k]);
    return w;
}

} // namespace korvant
