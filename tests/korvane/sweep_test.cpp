// The whole sweep: the program's table against the plain step-by-step
// integration and against the lines known from the physics.

#include "literal_model.hpp"
#include "model.hpp"
#include "support/program_run.hpp"
#include "support/reference_table.hpp"
#include "support/scratch_directory.hpp"
#include "sweep.hpp"
#include "table_comparison.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

using models = std::array<korvane::model, korvane::sweep_models>;

class Sweep : public testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        for (int k = 0; k < korvane::sweep_models; ++k) {
            const double rho_c = korvane::sweep_density(k);
            literal()[static_cast<std::size_t>(k)] =
                korvane_test::literal_model(rho_c, korvane::sweep_step(rho_c));
        }
    }

    static models& literal()
    {
        static models reference{};
        return reference;
    }
};

// The table line of a model, as the program formats it.
std::string line_of(const korvane::model& s)
{
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&text, &size);
    EXPECT_TRUE(korvane::output(s, stream));
    EXPECT_EQ(std::fclose(stream), 0);
    std::string line(text, size);
    std::free(text);
    return line;
}

TEST_F(Sweep, SideBySideEqualsStepByStepBitForBit)
{
    models sweep{};
    for (int k = 0; k < korvane::sweep_models; ++k) {
        const double rho_c = korvane::sweep_density(k);
        sweep[static_cast<std::size_t>(k)] =
            korvane::centred_model(rho_c, korvane::sweep_step(rho_c));
    }
    korvane::integrate(sweep, [](const korvane::model&) { return true; });
    for (std::size_t k = 0; k < sweep.size(); ++k) {
        const korvane::model& a = sweep[k];
        const korvane::model& b = literal()[k];
        SCOPED_TRACE(k);
        EXPECT_EQ(a.steps, b.steps);
        EXPECT_EQ(a.ended_by_predictor, b.ended_by_predictor);
        EXPECT_EQ(a.r, b.r);
        EXPECT_EQ(a.m, b.m);
        EXPECT_EQ(std::isnan(a.t), std::isnan(b.t));
        EXPECT_TRUE(std::isnan(a.t) || a.t == b.t);
    }
}

TEST_F(Sweep, StepCountsAndWaysOut)
{
    // The last steps of a model follow the rounding of sinh and cosh, so the
    // counts hold to within two steps.
    int total = 0;
    int by_predictor = 0;
    for (const korvane::model& s : literal()) {
        total += s.steps;
        by_predictor += s.ended_by_predictor ? 1 : 0;
        EXPECT_TRUE(std::isfinite(s.r) && std::isfinite(s.m)) << s.rho_c;
    }
    EXPECT_NEAR(literal().front().steps, 2078212, 2);
    EXPECT_NEAR(literal().back().steps, 3457219, 2);
    EXPECT_NEAR(total, 58225850, 2 * korvane::sweep_models);
    EXPECT_GT(by_predictor, 0);
    EXPECT_LT(by_predictor, korvane::sweep_models);
}

TEST_F(Sweep, ProgramWritesTheTableSilently)
{
    const test_support::scratch_directory directory;
    const auto run = test_support::run_program(PROGRAM_PATH, directory.path());
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.standard_output, "");
    EXPECT_EQ(run.standard_error, "");

    std::string expected;
    for (const korvane::model& s : literal()) {
        expected += line_of(s);
    }
    const std::string table = test_support::read_file(directory.path() / "data2.xlsx");
    EXPECT_EQ(table, expected);
    // Every byte of the committed reference, so that a change shared by the
    // program and the step-by-step integration above cannot pass unseen.
    korvane_test::expect_same_table(table, test_support::reference_table("data2.xlsx"));
}

TEST_F(Sweep, KnownLines)
{
    struct known_line {
        std::size_t number;
        const char* text;
    };
    for (const known_line known : {known_line{1, "0.0\t-0.7315079086\t0.599260"},
                                   known_line{15, "1.4\t-0.0391065007\t1.392021"},
                                   known_line{16, "1.5\t0.0166392741\t1.408771"},
                                   known_line{17, "1.6\t0.0728873681\t1.415857"},
                                   known_line{21, "2.0\t0.2945923646\t1.355082"}}) {
        SCOPED_TRACE(known.number);
        const std::string line = line_of(literal()[known.number - 1]);
        ASSERT_EQ(line.back(), '\n');
        korvane_test::expect_same_line(line.substr(0, line.size() - 1), known.text);
    }
}

TEST_F(Sweep, MassRisesToTheMaximumThenFallsAsTheRadiusShrinks)
{
    for (std::size_t k = 1; k < literal().size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_LT(literal()[k].r, literal()[k - 1].r);
        if (k <= 16) {
            EXPECT_GT(literal()[k].m, literal()[k - 1].m);
        } else {
            EXPECT_LT(literal()[k].m, literal()[k - 1].m);
        }
    }
}

} // namespace
