#include "model.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(Model, NoDensityEndsAfterOneStepWithNan)
{
    // t starts at 0, the predictor gives 0/0 = NaN, which the ordered test
    // lets through; the corrector makes t and m NaN and ends the model at
    // the middle radius of the first step, h.
    const double h = 1e-6;
    for (const double rho_c : {0.0, -0.0, -1.0, nan}) {
        const korvane::model s = korvane::integrate_model(rho_c, h);
        EXPECT_TRUE(s.ended) << rho_c;
        EXPECT_FALSE(s.ended_by_predictor) << rho_c;
        EXPECT_EQ(s.steps, 1) << rho_c;
        EXPECT_EQ(s.r, h) << rho_c;
        EXPECT_TRUE(std::isnan(s.t)) << rho_c;
        EXPECT_TRUE(std::isnan(s.m)) << rho_c;
    }
}

TEST(Model, EndedModelsAreReportedInOrder)
{
    // The first model takes two million steps, the others one: they end
    // first but are reported after it.
    std::array<korvane::model, 3> models{korvane::centred_model(1.0, 1e-6),
                                         korvane::centred_model(0.0, 1e-6),
                                         korvane::centred_model(nan, 1e-6)};
    std::vector<double> reported;
    korvane::integrate(models, [&](const korvane::model& s) {
        EXPECT_TRUE(s.ended);
        reported.push_back(s.rho_c);
        return true;
    });
    ASSERT_EQ(reported.size(), 3U);
    EXPECT_EQ(reported[0], 1.0);
    EXPECT_EQ(reported[1], 0.0);
    EXPECT_TRUE(std::isnan(reported[2]));
    EXPECT_NEAR(models[0].steps, 2078212, 2);
}

TEST(Model, StopsWhenTold)
{
    std::array<korvane::model, 4> models{};
    models.fill(korvane::centred_model(0.0, 1e-6));
    int calls = 0;
    korvane::integrate(models, [&](const korvane::model&) { return ++calls < 2; });
    EXPECT_EQ(calls, 2);
}

} // namespace
