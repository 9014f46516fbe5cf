#include "support/scratch_directory.hpp"

#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <system_error>

namespace test_support {

scratch_directory::scratch_directory()
{
    std::string pattern =
        (std::filesystem::temp_directory_path() / "compact-stars-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a scratch directory");
    }
    path_ = pattern;
}

scratch_directory::~scratch_directory()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace test_support
