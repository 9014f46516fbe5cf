#pragma once

// The limiting mass of white dwarfs for miretta's electrons: as the central
// density grows without bound the electrons become ultra-relativistic, the
// star an n = 3 polytrope, and its mass tends to
//
//   M_Ch = (sqrt(3 pi) / 2) omega_3 (hbar c / G)^(3/2) / (mu_e m_u)^2,
//
// omega_3 = -xi_1^2 theta'(xi_1) of the Lane-Emden equation
// theta'' + (2/xi) theta' + theta^3 = 0, theta(0) = 1, theta'(0) = 0, at its
// first zero xi_1.

namespace accuracy {

struct lane_emden_surface {
    double xi;    // first zero of theta
    double omega; // -xi^2 theta'(xi)
};

// The n = 3 Lane-Emden equation integrated by the classical fourth-order
// Runge-Kutta method with step `step`, from a series start near the centre
// to the first zero of theta, located by Newton's method on the last step.
lane_emden_surface lane_emden_n3(double step);

// M_Ch in kg, with miretta's own constants (its pi, h, c, G, mue, ma).
double chandrasekhar_mass(double omega_3);

} // namespace accuracy
