#pragma once

// One step of the Tolman-Oppenheimer-Volkoff equations by the explicit
// midpoint rule, with the equation-of-state parameter t in place of the
// pressure P = q(t). In the program's units (4 pi -> 1.256, and 13.493 r
// where geometrised units have r in the factor r - 2m):
//
//   dm/dr = 1.256 r^2 rho(t)
//   dt/dr = -(q(t) + rho(t)) (m + 1.256 r^3 q(t)) / (dq(t) r (13.493 r - 2m))
//
// The predictor takes the slopes at the start of the step over half the step;
// the corrector takes them at the middle, with the predicted t and m, over the
// whole step from the start values. Local error O(h^3), global error O(h^2).
//
// The denominator vanishes at r = 0, at the Schwarzschild radius
// (13.493 r = 2m) and where dq cancels to 0 near the surface; the results then
// follow IEEE arithmetic (-inf or NaN) and the caller decides what ends a model.

#include "equation_of_state.hpp"

namespace korvane {

// t0 advanced over `step` with the slope dt/dr taken at radius r, mass m and
// the matter state `at`. The product (A B) is scaled by the step before the
// division, twice the mass is m + m, and r^3 is r (r r): the grouping fixes
// every bit of the result.
inline double advance_parameter(double r, double t0, const matter_state& at, double m, double step)
{
    const double mass_term = at.pressure * ((r * (r * r)) * 1.256) + m;
    const double enthalpy = at.pressure + at.energy_density;
    const double denominator = at.pressure_slope * ((r * 13.493 - (m + m)) * r);
    return t0 - ((mass_term * enthalpy) * step) / denominator;
}

// m0 advanced over `step` with the slope dm/dr taken at radius r and energy
// density rho; r^2 is r r.
inline double advance_mass(double r, double energy_density, double m0, double step)
{
    return step * (((r * r) * 1.256) * energy_density) + m0;
}

// Predicted t at the middle of the step from the state (r, t, m) at its start.
double tpred(double r, double t, double m, double h);

// Predicted m at the middle of the step from the state (r, t, m) at its start.
double mpred(double r, double t, double m, double h);

// t at the end of the step: r is the middle radius, t the start value, tp and
// mp the predicted values at the middle.
double tcor(double r, double t, double tp, double mp, double h);

// m at the end of the step: r is the middle radius, tp the predicted t, m the
// mass at the start of the step. The mass slope does not depend on m.
double mcor(double r, double tp, double m, double h);

} // namespace korvane
