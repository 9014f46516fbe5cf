#include "support/reference_table.hpp"

#include "support/program_run.hpp"

#include <filesystem>
#include <stdexcept>

namespace test_support {

std::string reference_table(const std::string& name)
{
    const std::filesystem::path file = std::filesystem::path(REFERENCE_DIRECTORY) / name;
    if (!std::filesystem::is_regular_file(file)) {
        throw std::runtime_error("no reference table " + file.string());
    }
    return read_file(file);
}

} // namespace test_support
