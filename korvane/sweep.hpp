#pragma once

// The sequence of models: 21 central energy densities from 1 to 100, spaced
// evenly in log10, ten per decade, each with a radial step proportional to
// the inverse cube root of its density.

#include <cmath>

namespace korvane {

constexpr int sweep_models = 21;

// Central energy density of model k: 10^(0.1 k), the exponent the product of
// the double 0.1 and k (0.30000000000000004 for k = 3, not 0.3).
inline double sweep_density(int k)
{
    return std::pow(10.0, 0.1 * static_cast<double>(k));
}

// Radial step for central density rho_c: 1e-6 rho_c^(-1/3), through the
// power function with the double nearest -1/3.
inline double sweep_step(double rho_c)
{
    return 1e-06 * std::pow(rho_c, -0.3333333333333333);
}

} // namespace korvane
