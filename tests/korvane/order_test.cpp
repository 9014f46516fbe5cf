// The observed order of the midpoint rule on one model at coarse steps: the
// mass must converge at second order. A scheme of first order (a corrector
// that takes a slope with the start values instead of the predicted ones,
// say) halves its error with the step instead of quartering it.

#include "model.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

TEST(Order, MassConvergesAtSecondOrder)
{
    // rho_c = 1, steps from 2.5e-4 down to 3.125e-5: 8 000 to 67 000 steps a
    // model, well above the rounding noise of the sums. The surface, crossed
    // with an infinite slope, adds a term of higher order that keeps the
    // ratio a little below 4 at these steps (3.46 to 3.58).
    std::array<double, 4> mass{};
    for (std::size_t k = 0; k < mass.size(); ++k) {
        mass[k] = korvane::integrate_model(1.0, 2.5e-4 / std::pow(2.0, k)).m;
    }
    for (std::size_t k = 0; k + 2 < mass.size(); ++k) {
        const double ratio = (mass[k] - mass[k + 1]) / (mass[k + 1] - mass[k + 2]);
        EXPECT_GT(ratio, 3.2) << "steps " << k << " to " << k + 2;
        EXPECT_LT(ratio, 4.4) << "steps " << k << " to " << k + 2;
    }
}

} // namespace
