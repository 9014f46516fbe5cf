#include "constants.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace miretta;

TEST(Constants, DerivedScalesAreTheExactDoubles)
{
    struct derived {
        const char* name;
        double value;
        double expected;
    };
    for (const derived d :
         {derived{"lambda", lambda, 3.861592741357712e-13},
          derived{"lambda_3", lambda_3, 5.758367900787447e-38},
          derived{"K_1", K_1, 1.4217753694637078e+24}, derived{"K_2", K_2, 2093954095.7911203},
          derived{"K", K, 1.8282558647056997e-14}}) {
        EXPECT_EQ(d.value, d.expected) << d.name;
    }
}

TEST(Constants, OtherGroupingsMissByOneUnitInTheLastPlace)
{
    // The grouping is part of the definition: these natural alternatives
    // each land one double away.
    const double lambda_divided_stepwise = h / 2 / pi / me / c;
    EXPECT_EQ(lambda_divided_stepwise, std::nextafter(lambda, 0.0));

    const double K_2_pi_squared_first = (mue * ma) / ((3 * (pi * pi)) * lambda_3);
    EXPECT_EQ(K_2_pi_squared_first, std::nextafter(K_2, 1e300));

    const double K_G_first = (((((9 * G) * pi) * pi) * K_2) * K_2) / K_1;
    EXPECT_EQ(K_G_first, std::nextafter(K, 0.0));
}

TEST(Constants, GroupingsThatDoNotMatter)
{
    // lambda^3 by repeated products is also the correctly rounded cube.
    const long double exact_cube = static_cast<long double>(lambda) * lambda * lambda;
    EXPECT_EQ(lambda_3, static_cast<double>(exact_cube));
    EXPECT_EQ(K_1, (me * (c * c)) / lambda_3);
}

TEST(Constants, FactorsOfTheIntegration)
{
    EXPECT_EQ(4 * pi, 12.5663704);
    EXPECT_EQ(-K, -1.8282558647056997e-14);
    EXPECT_EQ(dr, 100.0);
}

} // namespace
