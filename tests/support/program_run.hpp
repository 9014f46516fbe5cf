#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace test_support {

// What a program did when it ran to its end.
struct program_run {
    int exit_status;
    std::string standard_output;
    std::string standard_error;
};

// Runs `executable` with no arguments and no input in `directory`, capturing
// both of its output streams. `environment` entries ("NAME=value") are added
// to the test's own environment.
program_run run_program(const std::filesystem::path& executable,
                        const std::filesystem::path& directory,
                        const std::vector<std::string>& environment = {});

// The whole content of a file, byte for byte.
std::string read_file(const std::filesystem::path& file);

// The lines of a text file, without their "\n".
std::vector<std::string> read_lines(const std::filesystem::path& file);

} // namespace test_support
