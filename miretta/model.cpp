#include "model.hpp"

#include "constants.hpp"

#include <cmath>

namespace miretta {

shell next_shell(const shell& inner, double step)
{
    // Fermi momentum in units of me c, through the power function with the
    // double nearest 1/3.
    const double x = std::pow(inner.rho / K_2, 0.3333333333333333);
    const double r = step + inner.r;
    const double M = step * ((((4 * pi) * r) * r) * inner.rho) + inner.M;
    const double rho = step * ((((x * -K) * std::sqrt(1.0 + x * x)) * M) / (r * r)) + inner.rho;
    return {r, M, rho};
}

model_result integrate_model(double rho_c, double step)
{
    shell s{0.0, 0.0, rho_c};
    // A NaN density compares false and ends the loop as well.
    while (s.rho > 0.0) {
        s = next_shell(s, step);
    }
    return {s.M, s.r, s.rho};
}

model_result calculate_one_rho(double rho_c)
{
    return integrate_model(rho_c, dr);
}

} // namespace miretta
