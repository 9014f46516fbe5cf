// The program when its table cannot be written: one line on standard error
// naming the program, the file and the reason, and exit status 1.

#include "support/unwritable_file.hpp"

#include <gtest/gtest.h>

namespace {

using test_support::unwritable_file;

class UnwritableTable : public testing::TestWithParam<unwritable_file> {};

TEST_P(UnwritableTable, FailsWithOneLine)
{
    test_support::expect_refusal(PROGRAM_PATH, GetParam(), "data2.xlsx");
}

INSTANTIATE_TEST_SUITE_P(Korvane, UnwritableTable,
                         testing::ValuesIn(test_support::unwritable_files()),
                         [](const auto& param_info) {
                             return test_support::unwritable_file_name(param_info.param);
                         });

} // namespace
