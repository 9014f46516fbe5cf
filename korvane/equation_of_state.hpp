#pragma once

// Equation of state of a fully degenerate ideal Fermi gas in parametric form.
//
// The parameter t = 4 asinh(x_F), x_F the Fermi momentum in units of m c, is 0
// where the density vanishes and grows with it. Pressure and energy density
// share one dimensionless unit:
//
//   q(t)   = 1.9  (sinh t - 8 sinh(t/2) + 3t)       ~ 1.9  t^5/160 as t -> 0
//   dq(t)  = 1.9  (cosh t - 4 cosh(t/2) + 3)        ~ 1.9  t^4/32
//   rho(t) = 5.71 (sinh t - t)                      ~ 5.71 t^3/6
//
// Each bracket is summed term by term in the order written. Near t = 0 the
// terms of q and dq are of order t and 1 while their sums are of order t^5
// and t^4, so below t ~ 6e-4 these functions return cancellation noise (zero,
// tiny values of either sign). That noise is what the integration meets in
// its last steps and it decides where a model ends: no series or identity
// may replace the difference forms.

#include <cmath>

namespace korvane {

// The formulas in terms of the hyperbolic functions they need, so that one
// step of the integration can evaluate sinh and cosh once per argument and
// still produce the very doubles of q, dq and rho.
inline double pressure_from(double t, double sinh_t, double sinh_half_t)
{
    return 1.9 * ((sinh_t - 8.0 * sinh_half_t) + 3.0 * t);
}

inline double pressure_slope_from(double cosh_t, double cosh_half_t)
{
    return 1.9 * ((cosh_t - 4.0 * cosh_half_t) + 3.0);
}

inline double energy_density_from(double t, double sinh_t)
{
    return 5.71 * (sinh_t - t);
}

// Pressure.
inline double q(double t)
{
    return pressure_from(t, std::sinh(t), std::sinh(0.5 * t));
}

// dq/dt, the derivative of the pressure with respect to t.
inline double dq(double t)
{
    return pressure_slope_from(std::cosh(t), std::cosh(0.5 * t));
}

// Energy density.
inline double rho(double t)
{
    return energy_density_from(t, std::sinh(t));
}

// q, dq and rho at one t, from four hyperbolic evaluations: sinh t serves
// both q and rho.
struct matter_state {
    double pressure;
    double pressure_slope;
    double energy_density;
};

inline matter_state matter_at(double t)
{
    const double sinh_t = std::sinh(t);
    const double half_t = 0.5 * t;
    return {pressure_from(t, sinh_t, std::sinh(half_t)),
            pressure_slope_from(std::cosh(t), std::cosh(half_t)), energy_density_from(t, sinh_t)};
}

// Central parameter for a requested central energy density x: the first grid
// value t = 0.001 k (k = 0, 1, ...) at which rho(t) is not below x. A target
// that is not above 0, or NaN, gives 0; the scan always ends because rho
// overflows to +inf on the grid.
double tc(double x);

} // namespace korvane
