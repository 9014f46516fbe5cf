#include "korvane_maximum.hpp"

#include "equation_of_state.hpp"
#include "model.hpp"

#include <array>
#include <cmath>

namespace accuracy {

sequence_point model_at(double t_c, double step)
{
    const double rho_c = korvane::rho(t_c);
    std::array<korvane::model, 1> one{korvane::model{rho_c, step, t_c, 0.0, 0.0, 0, false, false}};
    korvane::integrate(one, [](const korvane::model&) { return true; });
    return {t_c, rho_c, one[0].m, one[0].r};
}

sequence_point maximum_mass(double low, double high, double step, double tolerance)
{
    const double shrink = (std::sqrt(5.0) - 1.0) / 2.0;
    sequence_point a = model_at(high - shrink * (high - low), step);
    sequence_point b = model_at(low + shrink * (high - low), step);
    while (high - low > tolerance) {
        if (a.mass > b.mass) {
            high = b.t_c;
            b = a;
            a = model_at(high - shrink * (high - low), step);
        } else {
            low = a.t_c;
            a = b;
            b = model_at(low + shrink * (high - low), step);
        }
    }
    return a.mass > b.mass ? a : b;
}

} // namespace accuracy
