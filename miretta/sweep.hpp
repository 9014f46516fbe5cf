#pragma once

// The sequence of models: 100 central densities 1e8 e^(i/4) kg/m^3,
// i = 0 ... 99, each e^(1/4) times the one before.

#include <cmath>

namespace miretta {

constexpr int sweep_models = 100;

// Central density of model i, kg/m^3: i / 4.0 in double, its exponential
// multiplied into 1e8.
inline double sweep_density(int i)
{
    return 1e8 * std::exp(static_cast<double>(i) / 4.0);
}

} // namespace miretta
