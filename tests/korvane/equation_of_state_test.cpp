#include "equation_of_state.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using korvane::dq;
using korvane::q;
using korvane::rho;
using korvane::tc;

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// Relative agreement to `digits` significant digits.
void expect_digits(double actual, double expected, int digits)
{
    EXPECT_NEAR(actual, expected, std::abs(expected) * 0.5 * std::pow(10.0, 1 - digits));
}

TEST(EquationOfState, VanishesExactlyAtZero)
{
    EXPECT_EQ(q(0.0), 0.0);
    EXPECT_EQ(dq(0.0), 0.0);
    EXPECT_EQ(rho(0.0), 0.0);
}

TEST(EquationOfState, WorkedValuesToTenDigits)
{
    struct point {
        double t, q, dq, rho;
    };
    for (const point p : {point{1.0, 0.01223362442, 0.06189587058, 1.000398816},
                          point{2.0, 0.4279766315, 1.120758988, 9.289372929}}) {
        SCOPED_TRACE(p.t);
        expect_digits(q(p.t), p.q, 10);
        expect_digits(dq(p.t), p.dq, 10);
        expect_digits(rho(p.t), p.rho, 10);
    }
}

TEST(EquationOfState, PressureSlopeIsTheSquareForm)
{
    // cosh t - 4 cosh(t/2) + 3 = 2 (cosh(t/2) - 1)^2 in exact arithmetic.
    for (int k = 4; k <= 32; ++k) {
        const double t = 0.125 * k;
        const double c = std::cosh(0.5 * t) - 1.0;
        EXPECT_NEAR(dq(t), 3.8 * c * c, 1e-11 * dq(t)) << "t = " << t;
    }
}

TEST(EquationOfState, CancellationNearZeroIsReturnedAsComputed)
{
    // Below t ~ 4e-4 the difference forms lose every digit: dq must come out
    // exactly 0 for some t and negative for others, with no clamp or series.
    bool zero_slope = false;
    bool negative_slope = false;
    bool non_positive_pressure = false;
    for (int k = 1; k <= 4000; ++k) {
        const double t = 1e-7 * k;
        zero_slope = zero_slope || dq(t) == 0.0;
        negative_slope = negative_slope || dq(t) < 0.0;
        non_positive_pressure = non_positive_pressure || q(t) <= 0.0;
    }
    EXPECT_TRUE(zero_slope);
    EXPECT_TRUE(negative_slope);
    EXPECT_TRUE(non_positive_pressure);
}

TEST(EquationOfState, NanAndOverflow)
{
    EXPECT_TRUE(std::isnan(q(nan)));
    EXPECT_TRUE(std::isnan(dq(nan)));
    EXPECT_TRUE(std::isnan(rho(nan)));
    // rho overflows while sinh t is still finite; q and dq a little later.
    EXPECT_TRUE(std::isfinite(rho(708.733)));
    EXPECT_EQ(rho(708.734), inf);
    EXPECT_TRUE(std::isfinite(q(709.834)));
    EXPECT_TRUE(std::isfinite(dq(709.834)));
    EXPECT_EQ(q(709.835), inf);
    EXPECT_EQ(dq(709.835), inf);
}

TEST(EquationOfState, MatterStateEqualsTheSeparateFunctions)
{
    for (const double t : {1e-9, 2e-4, 3.3e-4, 0.3, 0.7, 1.0, 1.5, 2.0, 3.751, 30.0}) {
        const korvane::matter_state s = korvane::matter_at(t);
        EXPECT_EQ(s.pressure, q(t)) << t;
        EXPECT_EQ(s.pressure_slope, dq(t)) << t;
        EXPECT_EQ(s.energy_density, rho(t)) << t;
    }
}

struct central_parameter_case {
    double target;
    int grid_index; // expected result 0.001 * grid_index
};

class CentralParameter : public testing::TestWithParam<central_parameter_case> {};

TEST_P(CentralParameter, IsTheFirstGridValueAtOrAboveTheTarget)
{
    const auto [target, grid_index] = GetParam();
    EXPECT_EQ(tc(target), 0.001 * grid_index);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, CentralParameter,
    testing::Values(central_parameter_case{1.0, 1000}, central_parameter_case{10.0, 2044},
                    central_parameter_case{100.0, 3751}, central_parameter_case{0.0, 0},
                    central_parameter_case{-0.0, 0}, central_parameter_case{-1.0, 0},
                    central_parameter_case{nan, 0}, central_parameter_case{1e-300, 1},
                    central_parameter_case{9.5e-10, 1}, central_parameter_case{1e300, 689727},
                    central_parameter_case{inf, 708734}));

TEST(CentralParameter, SweepTargets)
{
    const int expected[] = {1000, 1077, 1160, 1248, 1342, 1442, 1549, 1662, 1783, 1910, 2044,
                            2186, 2334, 2490, 2652, 2820, 2995, 3176, 3363, 3555, 3751};
    for (int k = 0; k <= 20; ++k) {
        const double target = std::pow(10.0, 0.1 * k);
        EXPECT_EQ(tc(target), 0.001 * expected[k]) << "k = " << k;
        // The grid point lies just above the target: no interpolation.
        EXPECT_GE(rho(tc(target)), target);
        EXPECT_LT(rho(tc(target) - 0.001), target);
    }
}

TEST(CentralParameter, GridValueIsAProductNotTheDecimal)
{
    // 0.001 * 1662 is the double just above 1.662.
    const double t = tc(std::pow(10.0, 0.7));
    EXPECT_EQ(t, 0.001 * 1662);
    EXPECT_NE(t, 1.662);
    EXPECT_EQ(t, 1.6620000000000001);
}

} // namespace
