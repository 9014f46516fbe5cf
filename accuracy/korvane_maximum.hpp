#pragma once

// The maximum mass of the relativistic sequence with the central parameter
// t_c varied continuously (the table's tc snaps to a grid of t and its
// densities are ten per decade).

namespace accuracy {

struct sequence_point {
    double t_c;    // central equation-of-state parameter
    double rho_c;  // central energy density, rho(t_c)
    double mass;   // program units
    double radius; // program units
};

// The model of central parameter t_c, integrated by the program's midpoint
// rule with radial step `step`.
sequence_point model_at(double t_c, double step);

// The largest mass over t_c in [low, high], by golden-section search to
// `tolerance` in t_c.
sequence_point maximum_mass(double low, double high, double step, double tolerance);

} // namespace accuracy
