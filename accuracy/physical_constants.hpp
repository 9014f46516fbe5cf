#pragma once

// Physical constants for reading the programs' results in physical units,
// SI. Sources: CODATA 2018 recommended values (c, h and hence hbar exact);
// the solar mass parameter G M_sun is the IAU 2015 nominal value (Resolution
// B3), and the solar mass follows from it with G.

#include <numbers>

namespace accuracy::si {

inline constexpr double c = 299792458.0;                                  // m/s, exact
inline constexpr double hbar = 6.62607015e-34 / (2.0 * std::numbers::pi); // J s, exact h
inline constexpr double G = 6.67430e-11;                                  // m^3 kg^-1 s^-2
inline constexpr double neutron_mass = 1.67492749804e-27;                 // kg
inline constexpr double solar_mass_parameter = 1.3271244e20;              // G M_sun, m^3/s^2
inline constexpr double solar_mass = solar_mass_parameter / G;            // kg

} // namespace accuracy::si
