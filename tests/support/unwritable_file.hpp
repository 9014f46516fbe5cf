#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace test_support {

// A way to make a file path unwritable, and the reason the system gives.
struct unwritable_file {
    std::string name;
    void (*make)(const std::filesystem::path& file);
    std::string reason;
};

// A directory standing where the file should be (with a file of its own
// inside, which must survive), and a link to a device that is always full.
std::vector<unwritable_file> unwritable_files();

// The parameter name of a case, for the test's name.
std::string unwritable_file_name(const unwritable_file& file);

// How a case shows in the test log.
void PrintTo(const unwritable_file& file, std::ostream* out);

} // namespace test_support
