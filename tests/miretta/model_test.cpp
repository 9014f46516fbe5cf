#include "constants.hpp"
#include "model.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using miretta::calculate_one_rho;

// Agreement to six significant digits.
void expect_six_digits(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, std::abs(expected) * 5e-6);
}

TEST(Model, FirstShell)
{
    const miretta::shell first = miretta::next_shell({0.0, 0.0, 1e8}, miretta::dr);
    EXPECT_EQ(first.r, 100.0);
    // (((4 pi r) r) rho) dr, rounded at each product; the product of the same
    // factors rounded once would be 1256637040000000.
    EXPECT_EQ(first.M, 1256637040000000.25);
    EXPECT_NEAR(first.rho, 99999999.91133, 5e-6);
}

TEST(Model, LowestCentralDensity)
{
    const miretta::model_result result = calculate_one_rho(1e8);
    EXPECT_EQ(result.R, 154155 * 100.0);
    expect_six_digits(result.M, 2.47434e+29);
    expect_six_digits(result.rho_end, -0.69321);
}

TEST(Model, HeaviestModel)
{
    const miretta::model_result result = calculate_one_rho(1e8 * std::exp(15.5));
    EXPECT_EQ(result.R, 3720 * 100.0);
    expect_six_digits(result.M, 2.49613e+30);
}

TEST(Model, NoDensityMakesNoStep)
{
    for (const double rho_c : {0.0, -0.0, -1.0, -1e30, std::numeric_limits<double>::quiet_NaN()}) {
        const miretta::model_result result = calculate_one_rho(rho_c);
        EXPECT_EQ(result.M, 0.0) << rho_c;
        EXPECT_EQ(result.R, 0.0) << rho_c;
        // The argument itself, sign of zero and NaN included.
        EXPECT_EQ(std::bit_cast<std::uint64_t>(result.rho_end), std::bit_cast<std::uint64_t>(rho_c))
            << rho_c;
    }
}

} // namespace
