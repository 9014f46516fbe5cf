// The observed order of the shell step on one model at coarse steps: the
// mass must converge at first order, its error halving with the step.

#include "model.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

TEST(Order, MassConvergesAtFirstOrder)
{
    // rho_c = 1e12 kg/m^3 (a radius of 2 300 km), shells of 400 m down to
    // 50 m: 6 000 to 47 000 steps a model.
    std::array<double, 4> mass{};
    for (std::size_t k = 0; k < mass.size(); ++k) {
        mass[k] = miretta::integrate_model(1e12, 400.0 / std::pow(2.0, k)).M;
    }
    for (std::size_t k = 0; k + 2 < mass.size(); ++k) {
        const double ratio = (mass[k] - mass[k + 1]) / (mass[k + 1] - mass[k + 2]);
        EXPECT_GT(ratio, 1.8) << "steps " << k << " to " << k + 2;
        EXPECT_LT(ratio, 2.2) << "steps " << k << " to " << k + 2;
    }
}

} // namespace
