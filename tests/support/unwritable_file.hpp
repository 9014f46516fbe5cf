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

// A directory standing where the file should be, with a file of its own
// inside, and a link to a device that is always full.
std::vector<unwritable_file> unwritable_files();

// The parameter name of a case, for the test's name.
std::string unwritable_file_name(const unwritable_file& file);

// How a case shows in the test log.
void PrintTo(const unwritable_file& file, std::ostream* out);

// Runs `program` where its table `table_name` is made unwritable by `file`,
// and expects exit status 1, a silent standard output, the one line
// "<program name>: <table name>: <reason>" on standard error, and whatever
// stood in the table's place left as it was.
void expect_refusal(const std::filesystem::path& program, const unwritable_file& file,
                    const std::string& table_name);

} // namespace test_support
