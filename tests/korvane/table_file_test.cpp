// The program when its table cannot be written: one line on standard error
// naming the program, the file and the reason, and exit status 1.

#include "support/program_run.hpp"
#include "support/scratch_directory.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

struct unwritable_table {
    const char *name;
    void (*make)(const std::filesystem::path &table);
    const char *reason;
};

class UnwritableTable : public testing::TestWithParam<unwritable_table> {};

TEST_P(UnwritableTable, FailsWithOneLine)
{
    const test_support::scratch_directory directory;
    const auto table = directory.path() / "data2.xlsx";
    GetParam().make(table);

    const auto run = test_support::run_program(PROGRAM_PATH, directory.path());
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.standard_output, "");
    EXPECT_EQ(run.standard_error, std::string("korvane: data2.xlsx: ") + GetParam().reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(Korvane, UnwritableTable,
                         testing::Values(unwritable_table{"DirectoryInTheWay",
                                                          [](const std::filesystem::path &table) {
                                                              std::filesystem::create_directory(
                                                                  table);
                                                          },
                                                          "Is a directory"},
                                         unwritable_table{"FullDisk",
                                                          [](const std::filesystem::path &table) {
                                                              std::filesystem::create_symlink(
                                                                  "/dev/full", table);
                                                          },
                                                          "No space left on device"}),
                         [](const testing::TestParamInfo<unwritable_table> &param_info) {
                             return param_info.param.name;
                         });

} // namespace
