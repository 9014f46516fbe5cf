#include "midpoint_step.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using korvane::mcor;
using korvane::mpred;
using korvane::tcor;
using korvane::tpred;

constexpr double inf = std::numeric_limits<double>::infinity();

TEST(MidpointStep, WorkedStep)
{
    const double r = 0.5;
    const double t = 1.0;
    const double m = 0.1;
    const double h = 1e-6;
    const double tp = tpred(r, t, m, h);
    const double mp = mpred(r, t, m, h);
    // Increments to ten significant digits (half a unit of the tenth digit),
    // plus what a double resolves near t = 1 (1.1e-16) and m = 0.1 (1.4e-17).
    EXPECT_NEAR(tp - t, -2.547084169e-7, 2e-16);
    EXPECT_NEAR(mp - m, 1.570626141e-7, 7e-17);
    const double middle = 0.5 * h + r;
    EXPECT_EQ(middle, 0.5000005);
    EXPECT_NEAR(tcor(middle, t, tp, mp, h) - t, -5.094167498e-7, 2e-16);
    EXPECT_NEAR(mcor(middle, tp, m, h) - m, 3.141256084e-7, 7e-17);
}

TEST(MidpointStep, PredictorIsTheCorrectorOverHalfTheStep)
{
    struct state {
        double r, t, m, h;
    };
    for (const state s :
         {state{0.5, 1.0, 0.1, 1e-6}, state{0.5e-6, 1.0, 0.0, 1e-6}, state{1.7, 0.02, 1.2, 3.3e-7},
          state{2.0, 3.751, 1.4, 2.1544346900318838e-07}, state{0.9, 3e-4, 1.0, 5e-7}}) {
        EXPECT_EQ(tpred(s.r, s.t, s.m, s.h), tcor(s.r, s.t, s.t, s.m, 0.5 * s.h)) << s.r;
        EXPECT_EQ(mpred(s.r, s.t, s.m, s.h), mcor(s.r, s.t, s.m, 0.5 * s.h)) << s.r;
    }
}

TEST(MidpointStep, FirstStepOfTheSweepIsFiniteAndTiny)
{
    const double h = 1e-6;
    const double tp = tpred(0.5 * h, 1.0, 0.0, h);
    const double mp = mpred(0.5 * h, 1.0, 0.0, h);
    ASSERT_TRUE(std::isfinite(tp));
    ASSERT_TRUE(std::isfinite(mp));
    EXPECT_LT(1.0 - tp, 1e-14);
    EXPECT_GT(1.0 - tp, 1e-16);
    EXPECT_LT(mp, 1e-18);
    EXPECT_GT(mp, 1e-20);
}

TEST(MidpointStep, FirstTwoStepsOfTheSweep)
{
    // The first step starts at h/2 and has its middle at h; the second starts
    // at h and has its middle at 3h/2.
    const double h = 1e-6;
    double t = 1.0;
    double m = 0.0;
    const auto step = [&](double start) {
        const double tp = tpred(start, t, m, h);
        const double mp = mpred(start, t, m, h);
        const double middle = 0.5 * h + start;
        t = tcor(middle, t, tp, mp, h);
        m = mcor(middle, tp, m, h);
    };
    step(0.5 * h);
    EXPECT_NEAR(1.0 - t, 2.09e-13, 0.005e-13);
    EXPECT_NEAR(m, 1.256500913e-18, 0.5e-27);
    step(h);
    EXPECT_NEAR(m, 4.083627966e-18, 0.5e-27);
}

TEST(MidpointStep, ZeroDenominators)
{
    // Centre: 0/0.
    EXPECT_TRUE(std::isnan(tpred(0.0, 1.0, 0.0, 1e-6)));
    // t = 0: q, rho and dq all vanish, 0/0; the mass does not move.
    EXPECT_TRUE(std::isnan(tpred(0.5, 0.0, 0.1, 1e-6)));
    EXPECT_TRUE(std::isnan(tcor(0.5, 0.01, 0.0, 0.1, 1e-6)));
    EXPECT_EQ(mpred(0.5, 0.0, 0.1, 1e-6), 0.1);
    EXPECT_EQ(mcor(0.5, 0.0, 0.1, 1e-6), 0.1);
    // At the Schwarzschild radius, 13.493 r = 2 m.
    EXPECT_EQ(tpred(2.0, 1.0, 13.493, 1e-6), -inf);
    // Inside it the slope changes sign and t rises.
    EXPECT_GT(tpred(1.0, 1.0, 13.493, 1e-6), 1.0);
}

TEST(MidpointStep, CancelledPressureSlopeNearTheSurface)
{
    // Where dq cancels to exactly 0 the step is -inf; where it comes out
    // negative, t rises. Both are returned as computed.
    double zero_slope_t = 0.0;
    double negative_slope_t = 0.0;
    for (int k = 4000; k >= 1; --k) {
        const double t = 1e-7 * k;
        if (korvane::dq(t) == 0.0 && korvane::rho(t) > 0.0) {
            zero_slope_t = t;
        }
        if (korvane::dq(t) < 0.0 && korvane::rho(t) > 0.0) {
            negative_slope_t = t;
        }
    }
    ASSERT_GT(zero_slope_t, 0.0);
    ASSERT_GT(negative_slope_t, 0.0);
    EXPECT_EQ(tpred(1.0, zero_slope_t, 0.5, 1e-6), -inf);
    EXPECT_GT(tpred(1.0, negative_slope_t, 0.5, 1e-6), negative_slope_t);
}

} // namespace
