// The program when its table cannot be written: one line on standard error
// naming the program, the file and the reason, and exit status 1.

#include "support/program_run.hpp"
#include "support/scratch_directory.hpp"
#include "support/unwritable_file.hpp"

#include <gtest/gtest.h>

namespace {

using test_support::unwritable_file;

class UnwritableTable : public testing::TestWithParam<unwritable_file> {};

TEST_P(UnwritableTable, FailsWithOneLine)
{
    const test_support::scratch_directory directory;
    GetParam().make(directory.path() / "data2.xlsx");

    const auto run = test_support::run_program(PROGRAM_PATH, directory.path());
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.standard_output, "");
    EXPECT_EQ(run.standard_error, "korvane: data2.xlsx: " + GetParam().reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(Korvane, UnwritableTable,
                         testing::ValuesIn(test_support::unwritable_files()),
                         [](const auto& param_info) {
                             return test_support::unwritable_file_name(param_info.param);
                         });

} // namespace
