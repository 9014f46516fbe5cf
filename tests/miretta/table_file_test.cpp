// The program end to end: the table of 100 models, written silently, and the
// error when it cannot be written.

#include "model.hpp"
#include "support/program_run.hpp"
#include "support/reference_table.hpp"
#include "support/scratch_directory.hpp"
#include "support/unwritable_file.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

using test_support::unwritable_file;

class Table : public testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        const test_support::scratch_directory directory;
        const auto run = test_support::run_program(PROGRAM_PATH, directory.path());
        ASSERT_EQ(run.exit_status, 0);
        ASSERT_EQ(run.standard_output, "");
        ASSERT_EQ(run.standard_error, "");
        content() = test_support::read_file(directory.path() / "data.txt");
        lines() = test_support::read_lines(directory.path() / "data.txt");
    }

    static std::string& content()
    {
        static std::string text;
        return text;
    }

    static std::vector<std::string>& lines()
    {
        static std::vector<std::string> all;
        return all;
    }

    // Column `column` (0, 1 or 2) of line `number` (from 1).
    static double value(std::size_t number, int column)
    {
        std::istringstream line(lines().at(number - 1));
        std::string field;
        for (int c = 0; c <= column; ++c) {
            std::getline(line, field, ',');
        }
        return std::stod(field);
    }
};

TEST_F(Table, KnownLines)
{
    ASSERT_EQ(lines().size(), 100U);
    EXPECT_EQ(lines()[0], "-0.69321,2.47434e+29,1.54155e+07");
    EXPECT_EQ(lines()[62], "-1.24566e+06,2.49613e+30,372000");
    EXPECT_EQ(lines()[99], "-5.89951e+10,2.36822e+30,17500");
    // The radius switches from scientific to fixed notation below 1e6 m.
    EXPECT_EQ(lines()[49].substr(lines()[49].rfind(',') + 1), "1.0093e+06");
    EXPECT_EQ(lines()[50].substr(lines()[50].rfind(',') + 1), "937500");
    EXPECT_EQ(content().back(), '\n');
}

TEST_F(Table, EqualsTheReferenceByteForByte)
{
    // sqrt is correctly rounded and pow and exp round the same on every code
    // path of the maths library here, so this table has no tolerance.
    EXPECT_EQ(content(), test_support::reference_table("data.txt"));
}

TEST_F(Table, EveryLineIsItsModel)
{
    ASSERT_EQ(lines().size(), 100U);
    for (std::size_t k = 1; k <= 100; ++k) {
        const auto result =
            miretta::calculate_one_rho(1e8 * std::exp(static_cast<double>(k - 1) / 4.0));
        std::ostringstream expected;
        expected << result.rho_end << ',' << result.M << ',' << result.R;
        EXPECT_EQ(lines()[k - 1], expected.str()) << "line " << k;
    }
}

TEST_F(Table, MassPeaksOnLine63AsTheRadiusFalls)
{
    ASSERT_EQ(lines().size(), 100U);
    for (std::size_t k = 2; k <= 100; ++k) {
        SCOPED_TRACE(k);
        EXPECT_LT(value(k, 0), 0.0);
        EXPECT_LT(value(k, 2), value(k - 1, 2));
        if (k <= 63) {
            EXPECT_GT(value(k, 1), value(k - 1, 1));
        } else {
            EXPECT_LT(value(k, 1), value(k - 1, 1));
        }
    }
}

class UnwritableTable : public testing::TestWithParam<unwritable_file> {};

TEST_P(UnwritableTable, FailsWithOneLine)
{
    test_support::expect_refusal(PROGRAM_PATH, GetParam(), "data.txt");
}

INSTANTIATE_TEST_SUITE_P(Miretta, UnwritableTable,
                         testing::ValuesIn(test_support::unwritable_files()),
                         [](const auto& param_info) {
                             return test_support::unwritable_file_name(param_info.param);
                         });

} // namespace
