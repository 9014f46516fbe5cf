#pragma once

// The physical units behind korvane's dimensionless coefficients. In units
// of length L, mass M_u and energy density eps_u (and G = c = 1 inside the
// equations), the structure equations carry
//
//   13.493 = L c^2 / (G M_u)          (r in the factor r - 2Gm/c^2)
//   1.256  = 4 pi L^3 eps_u / (M_u c^2)
//   5.71   = K / eps_u,  K = m^4 c^5 / (32 pi^2 hbar^3)
//
// where K is the energy-density scale of a degenerate Fermi gas of particles
// of mass m: rho = K (sinh t - t) and P = (K/3)(sinh t - 8 sinh(t/2) + 3t).

namespace accuracy {

// The coefficients as the program writes them.
inline constexpr double schwarzschild_coefficient = 13.493;
inline constexpr double mass_coefficient = 1.256;
inline constexpr double energy_density_coefficient = 5.71;

struct unit_system {
    double length;         // m
    double mass;           // kg
    double energy_density; // J/m^3
};

// K = m^4 c^5 / (32 pi^2 hbar^3) for the neutron, J/m^3.
double neutron_gas_energy_scale();

// The round units that reproduce 13.493 with c = 3e8 m/s and G = 6.67e-11:
// L = 10 km, M_u = 1e30 kg; eps_u then follows from 1.256.
unit_system round_units();

// The three relations solved for L, M_u and eps_u with the neutron's mass
// and CODATA's c and G.
unit_system neutron_units();

// The three coefficients that `units` give, with CODATA's c and G and the
// neutron's K: {13.493-like, 1.256-like, 5.71-like}.
struct coefficients {
    double schwarzschild;
    double mass;
    double energy_density;
};
coefficients coefficients_of(const unit_system& units);

} // namespace accuracy
