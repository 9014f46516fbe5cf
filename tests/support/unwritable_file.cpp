#include "support/unwritable_file.hpp"

#include "support/program_run.hpp"
#include "support/scratch_directory.hpp"

#include <gtest/gtest.h>

#include <fstream>

namespace test_support {

namespace {

constexpr const char* kept_content = "kept\n";

} // namespace

std::vector<unwritable_file> unwritable_files()
{
    return {
        {"DirectoryInTheWay",
         [](const std::filesystem::path& file) {
             std::filesystem::create_directory(file);
             std::ofstream(file / "kept") << kept_content;
         },
         "Is a directory"},
        {"FullDisk",
         [](const std::filesystem::path& file) {
             std::filesystem::create_symlink("/dev/full", file);
         },
         "No space left on device"},
    };
}

std::string unwritable_file_name(const unwritable_file& file)
{
    return file.name;
}

void PrintTo(const unwritable_file& file, std::ostream* out)
{
    *out << file.name;
}

void expect_refusal(const std::filesystem::path& program, const unwritable_file& file,
                    const std::string& table_name)
{
    const scratch_directory directory;
    const auto table = directory.path() / table_name;
    file.make(table);

    const auto run = run_program(program, directory.path());
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.standard_output, "");
    EXPECT_EQ(run.standard_error,
              program.filename().string() + ": " + table_name + ": " + file.reason + "\n");

    if (std::filesystem::is_symlink(table)) {
        EXPECT_EQ(std::filesystem::read_symlink(table), "/dev/full");
    } else {
        EXPECT_EQ(read_file(table / "kept"), kept_content);
    }
}

} // namespace test_support
