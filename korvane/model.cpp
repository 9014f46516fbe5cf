#include "model.hpp"

#include "equation_of_state.hpp"
#include "midpoint_step.hpp"

#include <array>
#include <cmath>
#include <cstddef>

namespace korvane {

namespace {

// Models in flight at once. Measured on the full sweep: one at a time is
// bound by the latency of sinh and cosh, two side by side cut the run time by
// a third, three by a little more; beyond that nothing is gained.
constexpr std::size_t lanes = 3;

// A model's part in the current step, between its phases.
struct lane {
    model* state = nullptr; // nullptr: the lane is idle
    double r = 0.0;
    double tp = 0.0;
    double mp = 0.0;
    matter_state matter{};
};

// Start radius of the next step: a fresh product i h, never a running sum.
// The first step starts at h/2 so that the centre, where the predictor would
// divide 0 by 0, is never used.
double start_radius(const model& s)
{
    return s.steps == 0 ? 0.5 * s.h : static_cast<double>(s.steps) * s.h;
}

void end_model(lane& l, bool by_predictor)
{
    l.state->ended = true;
    l.state->ended_by_predictor = by_predictor;
    l.state = nullptr;
}

// Predictor over half the step with the slopes at the start. q, dq and rho at
// t serve both tpred and mpred: the values are those the step functions
// compute on their own. A prediction t <= 0 ends the model with the predicted
// mass at the start radius; the comparison is ordered, so a NaN prediction
// goes on to the corrector, which makes t NaN and ends the model there.
void predict(lane& l)
{
    model& s = *l.state;
    const double half_step = 0.5 * s.h;
    l.tp = advance_parameter(l.r, s.t, l.matter, s.m, half_step);
    l.mp = advance_mass(l.r, l.matter.energy_density, s.m, half_step);
    if (l.tp <= 0.0) {
        s.r = l.r;
        s.t = l.tp;
        s.m = l.mp;
        end_model(l, true);
        return;
    }
    l.r = half_step + l.r;
}

// Corrector over the whole step from the start values of t and m, with the
// slopes at the middle radius and the predicted t and m.
void correct(lane& l)
{
    model& s = *l.state;
    s.r = l.r;
    s.t = advance_parameter(l.r, s.t, l.matter, l.mp, s.h);
    s.m = advance_mass(l.r, l.matter.energy_density, s.m, s.h);
    ++s.steps;
    if (!(s.t > 0.0)) {
        end_model(l, false);
    }
}

} // namespace

model centred_model(double rho_c, double h)
{
    return {rho_c, h, tc(rho_c), 0.0, 0.0, 0, false, false};
}

void integrate(std::span<model> models, const model_ended& ended)
{
    std::array<lane, lanes> in_flight{};
    std::size_t next = 0;
    std::size_t reported = 0;
    while (reported < models.size()) {
        for (lane& l : in_flight) {
            if (l.state == nullptr && next < models.size()) {
                l.state = &models[next++];
            }
        }
        // One midpoint step of every model in flight, phase by phase, so that
        // the hyperbolic functions of different models follow each other.
        for (lane& l : in_flight) {
            if (l.state != nullptr) {
                l.r = start_radius(*l.state);
                l.matter = matter_at(l.state->t);
            }
        }
        for (lane& l : in_flight) {
            if (l.state != nullptr) {
                predict(l);
            }
        }
        for (lane& l : in_flight) {
            if (l.state != nullptr) {
                l.matter = matter_at(l.tp);
            }
        }
        for (lane& l : in_flight) {
            if (l.state != nullptr) {
                correct(l);
            }
        }
        while (reported < models.size() && models[reported].ended) {
            if (!ended(models[reported])) {
                return;
            }
            ++reported;
        }
    }
}

model integrate_model(double rho_c, double h)
{
    std::array<model, 1> one{centred_model(rho_c, h)};
    integrate(one, [](const model&) { return true; });
    return one[0];
}

bool output(const model& ended, std::FILE* table)
{
    return std::fprintf(table, "%2.1f\t%2.10f\t%2.6f\n", std::log10(ended.rho_c),
                        -std::log(ended.r), ended.m) >= 0;
}

} // namespace korvane
