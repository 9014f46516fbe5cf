#pragma once

// Equilibrium models integrated outward from the centre with a fixed radial
// step until the equation-of-state parameter t is no longer positive.

#include <cstdio>
#include <functional>
#include <span>

namespace korvane {

// One model: its central density and step, the state the integration holds,
// and, once it has ended, where and how it ended.
struct model {
    double rho_c; // requested central energy density; labels the table line
    double h;     // radial step
    double t;     // equation-of-state parameter
    double m;     // enclosed mass
    double r;     // radius of the last evaluation: once ended, the radius written
    int steps;    // completed steps
    bool ended;
    bool ended_by_predictor; // the predictor of the next step gave t <= 0
};

// A model at the centre: t from tc(rho_c), no mass, no step taken.
model centred_model(double rho_c, double h);

// Called once for each ended model, in the order of `models`; returning false
// stops the integration.
using model_ended = std::function<bool(const model&)>;

// Integrates every model of `models` until it ends. Several models advance
// side by side, one midpoint step each in turn, so that the processor overlaps
// their independent chains of hyperbolic functions; each model's arithmetic is
// exactly that of integrating it alone. `ended` sees model k as soon as models
// 0 to k have all ended.
void integrate(std::span<model> models, const model_ended& ended);

// One model integrated on its own.
model integrate_model(double rho_c, double h);

// Writes the table line of an ended model: log10(rho_c), -ln r and m,
// tab-separated, with one formatted-output call. False if the write failed.
bool output(const model& ended, std::FILE* table);

} // namespace korvane
