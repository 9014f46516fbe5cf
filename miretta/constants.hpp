#pragma once

// Physical constants (SI) and the scales derived from them for a white dwarf
// held up by degenerate electrons. The basic constants are the 2014 CODATA
// values; pi is taken to eight digits and every formula that needs pi uses it.
// Each derived scale is evaluated at compile time, one correctly rounded
// operation at a time in the grouping written: the grouping decides the last
// bit (h / 2 / pi / me / c, for one, comes out one unit below lambda).

namespace miretta {

inline constexpr double pi = 3.1415926;
inline constexpr double me = 9.10938356e-31; // electron rest mass, kg
inline constexpr double ma = 1.66053904e-27; // atomic mass unit, kg
inline constexpr double h = 6.62607004e-34;  // Planck constant, J s
inline constexpr double c = 299792458;       // speed of light, m/s
inline constexpr double G = 6.67408e-11;     // gravitational constant, m^3 kg^-1 s^-2
inline constexpr double mue = 2.15;          // mass per electron in atomic mass units
inline constexpr double dr = 100;            // radial step of the integration, m

// Reduced Compton wavelength of the electron, hbar / (me c), m.
inline constexpr double lambda = h / (((2 * pi) * me) * c);

// Its cube, m^3: the volume per electron at Fermi momentum me c, up to 3 pi^2.
inline constexpr double lambda_3 = (lambda * lambda) * lambda;

// Pressure scale of the electron gas, me c^2 / lambda^3, Pa.
inline constexpr double K_1 = ((me * c) * c) / lambda_3;

// Density scale, kg/m^3: rho = K_2 x^3 with x the Fermi momentum in units of
// me c, since n_e = x^3 / (3 pi^2 lambda^3) and each electron carries mue ma.
inline constexpr double K_2 = (mue * ma) / (((3 * pi) * pi) * lambda_3);

// Coefficient of the density gradient, m^-2: with dP/dx = K_1 x^4 /
// (3 pi^2 sqrt(1 + x^2)) and hydrostatic equilibrium,
// drho/dr = -K x sqrt(1 + x^2) M / r^2, K = 9 pi^2 G K_2^2 / K_1.
inline constexpr double K = (((((9 * pi) * pi) * G) * K_2) * K_2) / K_1;

} // namespace miretta
