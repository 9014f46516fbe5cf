#include "chandrasekhar.hpp"

#include "constants.hpp"

#include <cmath>

namespace accuracy {

namespace {

// theta and theta' as one state.
struct state {
    double theta;
    double slope;
};

state derivative(double xi, const state& s)
{
    // theta^3 keeps its sign past the zero, so a step may cross it.
    return {s.slope, -s.theta * s.theta * s.theta - 2.0 * s.slope / xi};
}

state rk4_step(double xi, const state& s, double step)
{
    const auto add = [](const state& a, const state& d, double f) {
        return state{a.theta + f * d.theta, a.slope + f * d.slope};
    };
    const state k1 = derivative(xi, s);
    const state k2 = derivative(xi + step / 2, add(s, k1, step / 2));
    const state k3 = derivative(xi + step / 2, add(s, k2, step / 2));
    const state k4 = derivative(xi + step, add(s, k3, step));
    return {s.theta + step / 6 * (k1.theta + 2 * k2.theta + 2 * k3.theta + k4.theta),
            s.slope + step / 6 * (k1.slope + 2 * k2.slope + 2 * k3.slope + k4.slope)};
}

} // namespace

lane_emden_surface lane_emden_n3(double step)
{
    // Series about the centre: theta = 1 - xi^2/6 + n xi^4/120 - ..., which for
    // n = 3 is 1 - xi^2/6 + xi^4/40; theta' = -xi/3 + xi^3/10.
    double xi = step;
    state s{1.0 - xi * xi / 6.0 + std::pow(xi, 4) / 40.0, -xi / 3.0 + std::pow(xi, 3) / 10.0};
    for (;;) {
        const state next = rk4_step(xi, s, step);
        if (next.theta <= 0.0) {
            break;
        }
        s = next;
        xi += step;
    }
    // The zero lies within the next step: Newton's method on its length.
    double last = -s.theta / s.slope;
    for (int iteration = 0; iteration < 8; ++iteration) {
        const state at = rk4_step(xi, s, last);
        last -= at.theta / at.slope;
    }
    const state surface = rk4_step(xi, s, last);
    const double xi_1 = xi + last;
    return {xi_1, -xi_1 * xi_1 * surface.slope};
}

double chandrasekhar_mass(double omega_3)
{
    using namespace miretta;
    const double hbar = h / (2.0 * pi);
    const double mass_per_electron = mue * ma;
    return std::sqrt(3.0 * pi) / 2.0 * omega_3 * std::pow(hbar * c / G, 1.5) /
           (mass_per_electron * mass_per_electron);
}

} // namespace accuracy
