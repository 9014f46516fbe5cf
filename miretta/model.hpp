#pragma once

// One Newtonian white-dwarf model, integrated outward from the centre in
// shells of fixed thickness (the program's is dr = 100 m) until the density is
// no longer positive:
//
//   dM/dr   = 4 pi r^2 rho
//   drho/dr = -K x sqrt(1 + x^2) M / r^2,   x = (rho / K_2)^(1/3)
//
// The second is hydrostatic equilibrium, dP/dr = -G M rho / r^2, with the
// pressure of the degenerate electrons eliminated through x.

namespace miretta {

// A finished model.
struct model_result {
    double M;       // mass enclosed when the integration stopped, kg
    double R;       // radius where it stopped: steps times dr, m
    double rho_end; // first density not above zero (negative after any step), kg/m^3
};

// The integration at the outer edge of a shell.
struct shell {
    double r;   // m
    double M;   // kg
    double rho; // kg/m^3
};

// The next shell outward, `step` metres thick. The radius advances first; the
// mass gains the shell with its outer radius and the density at its inner
// edge; the density falls with x from the inner edge, the mass just updated
// and the outer radius. A first-order step: the error of a model falls in
// proportion to the step.
shell next_shell(const shell& inner, double step);

// The model of central density rho_c in shells `step` metres thick. An
// argument that is not above zero, or NaN, makes no step and comes back as
// rho_end with no mass and no radius.
model_result integrate_model(double rho_c, double step);

// The program's model: shells of dr = 100 m.
model_result calculate_one_rho(double rho_c);

} // namespace miretta
