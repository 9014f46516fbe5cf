#include "midpoint_step.hpp"

// Each function evaluates the equation of state on its own, as the formulas
// name it. The integration loop shares these evaluations within a step
// instead; both give the same doubles.

namespace korvane {

double tpred(double r, double t, double m, double h)
{
    return advance_parameter(r, t, {q(t), dq(t), rho(t)}, m, 0.5 * h);
}

double mpred(double r, double t, double m, double h)
{
    return advance_mass(r, rho(t), m, 0.5 * h);
}

double tcor(double r, double t, double tp, double mp, double h)
{
    return advance_parameter(r, t, {q(tp), dq(tp), rho(tp)}, mp, h);
}

double mcor(double r, double tp, double m, double h)
{
    return advance_mass(r, rho(tp), m, h);
}

} // namespace korvane
