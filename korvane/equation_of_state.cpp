#include "equation_of_state.hpp"

namespace korvane {

double tc(double x)
{
    // Each grid value is a fresh product 0.001 * k, never a running sum, so
    // that no rounding error accumulates along the scan.
    int k = 0;
    double t = 0.0;
    double density = 0.0;
    do {
        t = 0.001 * static_cast<double>(k);
        density = rho(t);
        ++k;
    } while (x > density);
    return t;
}

} // namespace korvane
