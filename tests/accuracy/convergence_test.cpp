#include "convergence.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using accuracy::analyse;
using accuracy::observed_order;

// Q(s) = limit + a s^p + b s^(p+1) on steps 1, 1/2, 1/4, ...
std::vector<double> ladder(double limit, double a, double p, double b, int levels)
{
    std::vector<double> values;
    for (int k = 0; k < levels; ++k) {
        const double s = std::ldexp(1.0, -k);
        values.push_back(limit + a * std::pow(s, p) + b * std::pow(s, p + 1.0));
    }
    return values;
}

TEST(ObservedOrder, RatioOfDifferences)
{
    EXPECT_DOUBLE_EQ(observed_order(1.0 + 1.0, 1.0 + 0.25, 1.0 + 0.0625), 2.0);
    EXPECT_DOUBLE_EQ(observed_order(3.0, 2.0, 1.5), 1.0);
    EXPECT_TRUE(std::isnan(observed_order(1.0, 1.0, 1.0))); // no change
    EXPECT_TRUE(std::isnan(observed_order(1.0, 2.0, 1.0))); // sign change
    EXPECT_TRUE(std::isnan(observed_order(2.0, 1.0, 1.0))); // stalls
}

TEST(Analyse, ExtrapolatesSmoothSequencesOfEitherOrder)
{
    struct case_ {
        double p;
        double b; // size of the next order's term
    };
    for (const case_ c : {case_{2.0, 0.0}, case_{2.0, 0.3}, case_{1.0, 0.5}}) {
        SCOPED_TRACE(c.p);
        const auto values = ladder(7.0, 1e-2, c.p, 1e-2 * c.b, 9);
        const auto result = analyse(values, 0, 0.0);
        ASSERT_TRUE(result.smooth);
        EXPECT_NEAR(result.order, c.p, 0.05);
        // Richardson removes the leading term; what remains is of the next
        // order at the finest step, and the uncertainty covers it.
        const double remaining = std::abs(result.converged - 7.0);
        EXPECT_LT(remaining, 1e-2 * std::pow(2.0, -8.0 * c.p) + 1e-15);
        EXPECT_LE(remaining, result.uncertainty + 1e-15);
    }
}

TEST(Analyse, SkipsFineStepsDrownedInNoise)
{
    // Second order on the coarse steps, rounding noise of 1e-12 on the last
    // three, as the midpoint rule's sums show at very small steps.
    auto values = ladder(1.0, 1e-6, 2.0, 0.0, 10);
    values[7] += 1e-12;
    values[8] -= 2e-12;
    values[9] += 1.5e-12;
    const auto result = analyse(values, 7, 0.0);
    ASSERT_TRUE(result.smooth);
    EXPECT_NEAR(result.order, 2.0, 0.01);
    EXPECT_NEAR(result.converged, 1.0, 1e-11);
}

TEST(Analyse, BoundsWhatIsOnlyResolvedToTheStep)
{
    // A radius that converges at first order but jumps by up to a step.
    const double limit = 100.0;
    std::vector<double> values;
    for (int k = 0; k < 7; ++k) {
        const double step = std::ldexp(1.0, -k);
        values.push_back(limit - 3.0 * step - (k % 2 == 0 ? step : 0.0));
    }
    for (const double resolution : {0.0, std::ldexp(1.0, -6)}) {
        SCOPED_TRACE(resolution);
        const auto result = analyse(values, 0, resolution);
        EXPECT_FALSE(result.smooth);
        EXPECT_TRUE(std::isnan(result.order));
        EXPECT_EQ(result.converged, values.back());
        EXPECT_GE(result.error_bound, std::abs(values[0] - limit));
        EXPECT_LT(result.error_bound, 2.0 * std::abs(values[0] - limit));
    }
    // A smooth sequence is bounded, not extrapolated, once it is declared
    // to be resolved only to the step.
    const auto smooth = ladder(1.0, 1.0, 1.0, 0.0, 7);
    EXPECT_FALSE(analyse(smooth, 0, 1e-3).smooth);
    EXPECT_GE(analyse(smooth, 0, 1e-3).error_bound, smooth[0] - 1.0);
}

} // namespace
